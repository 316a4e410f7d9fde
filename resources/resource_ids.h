// Ids shared by the resource script and the code. Plain #defines so that windres reads them too.
#ifndef TARN_RESOURCE_IDS_H
#define TARN_RESOURCE_IDS_H

// Frame "MAINDLG"
#define IDC_EXIT 3
#define IDC_NEXT 6
#define IDC_BACK 7
#define IDC_BITMAP_PANEL 100
#define IDC_SEPARATOR 101

// Every page
#define IDC_PAGE_TITLE 102
// The commit request that Next sends to the page before leaving it (a command, not a control)
#define IDC_COMMIT_REQUEST 105

// "ERRORDLG"
#define IDC_ERROR_MESSAGE 104

// "INTRODLG"
#define IDC_WELCOME_TEXT 115
#define IDC_PRODUCT_IDENTITY 116

// "DESTDIRDLG1" and "DESTDIRDLG2"
#define IDC_REQUIRED_SIZE 140
#define IDC_AVAILABLE_SIZE 141
#define IDC_DESTINATION_EDIT 142

// "REPLACEDLG"
#define IDC_REPLACE_YES 145
#define IDC_REPLACE_NO 146
// Posted by the replace page to itself once it is up (a command, not a control)
#define IDC_REPLACE_REFRESH 147

// "READYDLG"
#define IDC_READER_CHECKBOX 515
#define IDC_READER_TEXT 516
#define IDC_READER_GROUP 517
#define IDC_READER_NOTE 518

// "COPYFILESDLG"
#define IDC_DISK_COUNT 120
#define IDC_CURRENT_DISK 121
#define IDC_COPY_FILE 122
#define IDC_COPY_STEP 123
#define IDC_PROGRESS_BAR 125

// Start commands that work pages post to themselves
#define IDC_START_COPY 126
#define IDC_START_REGISTRY 127
#define IDC_START_ICONS 128
// The step an unattended run takes on each page, posted to the frame
#define IDC_UNATTENDED_STEP 130

// Icons and bitmap
#define IDI_FRAME_LARGE 1
#define IDI_FRAME_SMALL 2
#define IDB_PANEL 100

// Strings: the error page shows string IDS_ERROR_BASE + code
#define IDS_ERROR_BASE 50
#define IDS_READER_LAUNCH_FAILED 4128

#endif
