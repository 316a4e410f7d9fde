// A real frame in a test: opened as the entry function opens it, its messages run as the
// frame's own loop would, and closed again with all it holds.
#ifndef TARN_WIN32_TESTS_FRAME_PUMP_H
#define TARN_WIN32_TESTS_FRAME_PUMP_H

#include <functional>

// "MAINDLG" with its wizard started (the product's catalogue, the welcome page); false when
// it cannot be made.
bool OpenTestFrame();
// Destroys the frame and releases what it holds.
void CloseTestFrame();

// Runs the thread's messages until the condition holds; false when it still does not after a
// generous bound.
bool PumpUntil(const std::function<bool()>& condition);

#endif
