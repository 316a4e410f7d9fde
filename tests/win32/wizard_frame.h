// The wizard's frame in a test program: the shared state reset, the frame opened as the entry
// function opens it, its messages run as its loop would until a condition holds, and the frame
// closed again with all it holds.
#ifndef TARN_WIN32_TESTS_WIZARD_FRAME_H
#define TARN_WIN32_TESTS_WIZARD_FRAME_H

#include <functional>

// The shared state reset as the entry function resets it (the instance kept), then "MAINDLG"
// with its wizard started (the product's catalogue, the welcome page); false when it cannot be
// made.
bool OpenWizardFrame();

// Runs the frame's messages as its loop would, closing the frame on a stop request, until the
// condition holds or the bound passes; false after the bound.
bool PumpUntil(const std::function<bool()>& condition);

// Destroys the frame if it is open, runs what that leaves in the queue, and releases the page
// sequence and the bold font it made.
void CloseWizardFrame();

#endif
