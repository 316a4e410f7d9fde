// The copy page "COPYFILESDLG": runs the extraction engine once it is shown, draws its progress
// bar itself, then moves on.
#ifndef TARN_PAYLOAD_COPY_PAGE_H
#define TARN_PAYLOAD_COPY_PAGE_H

#include <windows.h>

#include "core/work_page.h"
#include "payload/payload_copier.h"

// The copier of the open copy page; the bar paints from it.
extern PageObject<PayloadCopier> openCopier;

INT_PTR CALLBACK CopyPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

// The bar IDC_PROGRESS_BAR: its window procedure replaced by ProgressBarProc, keeping the
// previous one.
void SubclassProgressBar(HWND page);
LRESULT CALLBACK ProgressBarProc(HWND bar, UINT message, WPARAM wParam, LPARAM lParam);
// Draws the fill at once, without waiting for WM_PAINT: the copy does not return to the loop.
void RedrawProgress(const PayloadCopier& copier);

#endif
