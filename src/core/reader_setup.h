// The document reader's setup program, which the user may start from the finish page.
#ifndef TARN_CORE_READER_SETUP_H
#define TARN_CORE_READER_SETUP_H

// Relative to the current directory, not to the Installer's own folder.
constexpr char READER_SETUP_PATH[] = "..\\acrobat\\rs405eng.exe";

// Starts the reader's setup, tells the user when it cannot be started, and ends the program.
void LaunchReaderSetup();

#endif
