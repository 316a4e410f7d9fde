// A frame made from "MAINDLG" as the entry function makes it, for tests of its pages.
#ifndef TARN_WIN32_TESTS_TEST_FRAME_H
#define TARN_WIN32_TESTS_TEST_FRAME_H

// Resets the shared state and creates the frame, which starts the wizard on its first page;
// false when the frame could not be made.
bool OpenFrame();
// Destroys the frame if it is still there, runs what it left in the queue (its WM_QUIT among
// them) and releases the page sequence and the bold font.
void CloseFrame();

#endif
