// What the destination and replace scenarios do on disk and on the destination page.
#ifndef TARN_E2E_DESTINATION_STEPS_H
#define TARN_E2E_DESTINATION_STEPS_H

#include <string>

#include "installer_session.h"

constexpr char REPLACE_TITLE[] = "Replace old installation";
constexpr char FIRST_DESTINATION_TEXT[] =
    "Define the directory where all files should be copied to. If the directory does not exist, it will be created.";
constexpr char RETRY_DESTINATION_TEXT[] =
    "The destination directory does not exist and cannot be created! Check and try again.";
constexpr char REQUIRED_SIZE_TEXT[] = "1.8 MB";

// Whether the path names a directory, as Wine's file system says.
bool DirectoryExists(const char* path);

// Types the text over the destination field and waits until the page has taken all of it.
bool TypeDestination(InstallerSession& setup, const std::string& text);
// Edits the field in place, as a person corrects a path, and waits until the page has it:
// the last `removed` characters give way to `added`, or the first character to `letter`.
bool EditDestinationEnd(InstallerSession& setup, size_t removed, const std::string& added);
bool ReplaceDriveLetter(InstallerSession& setup, char letter);
// From the start to the summary page over the installation in the folder that the wizard
// offers, by way of the replace page, each page pictured.
bool WalkToTheSummaryOverAnInstallation(InstallerSession& setup);
// Next, refused: the destination page is made anew; waits for the new page and takes its picture.
bool NextRebuildsThePage(InstallerSession& setup);
// Waits until the page's control shows the text.
bool WaitForPageText(InstallerSession& setup, int controlId, const std::string& text);
// The explanatory text of the destination page, whichever template it was made from.
std::string DestinationExplanation(InstallerSession& setup);

// A path of exactly `length` characters below base, in levels of at most 50 characters.
std::string PathOfLength(const std::string& base, size_t length);

#endif
