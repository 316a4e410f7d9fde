// The page titles a person reads, and the steps that walk the wizard to a page.
#ifndef TARN_E2E_WIZARD_STEPS_H
#define TARN_E2E_WIZARD_STEPS_H

#include <ostream>
#include <string>

#include "installer_session.h"

constexpr char WELCOME_TITLE[] = "Welcome!";
constexpr char DESTINATION_TITLE[] = "Destination directory";
constexpr char SUMMARY_TITLE[] = "Ready to install";
constexpr char COPY_TITLE[] = "Copying files";
constexpr char PLATFORM_MISMATCH_TITLE[] = "Operating system mismatch";

// Clicks the button and waits for the page with this title; takes its picture.
bool ClickAndArriveAt(InstallerSession& setup, int buttonId, const std::string& title);
// From the start of the program, Next until the page with this title (welcome, destination
// or summary); takes a picture of every page on the way.
bool WalkTo(InstallerSession& setup, const std::string& title);

// The ways a person ends the program from a page: its Exit button (whatever its caption), the
// close box, Alt+F4.
enum class WayOut { ExitButton, CloseBox, AltF4 };
const char* NameOf(WayOut way);
void PrintTo(WayOut way, std::ostream* out);
void Leave(InstallerSession& setup, WayOut way);

#endif
