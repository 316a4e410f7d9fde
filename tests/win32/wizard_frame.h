// The wizard's frame in a test program: the shared state reset before a test, the frame's
// message loop run until a condition holds, and the frame closed again.
#ifndef TARN_WIN32_TESTS_WIZARD_FRAME_H
#define TARN_WIN32_TESTS_WIZARD_FRAME_H

#include <functional>

// No page, no error, no stop request, an empty page sequence.
void ResetWizardState();

// Resets the state as the entry function does and creates the frame, which starts the wizard
// on its first page; false when the frame could not be made.
bool OpenWizardFrame();

// Runs the frame's messages as its loop would, closing the frame on a stop request, until the
// condition holds or the bound passes; false after the bound.
bool PumpUntil(const std::function<bool()>& condition);

// Destroys the frame if it is open, runs what that leaves in the queue, and releases the page
// sequence and the bold font.
void CloseWizardFrame();

#endif
