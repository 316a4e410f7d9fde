; The peer installer of the copy benchmark: the same eleven files, NSIS's default compression.
; It times its own file section and writes the milliseconds to copy-ms.txt beside itself.
Unicode true
Target amd64-unicode
Name "Morvane 12.3"
OutFile "${OUTFILE}"
RequestExecutionLevel admin
InstallDir "C:\nsis-target"
SilentInstall silent
Section
  System::Call "kernel32::GetTickCount() i.r0"
  SetOutPath "$INSTDIR"
  File "${PAYLOAD}\*"
  System::Call "kernel32::GetTickCount() i.r1"
  IntOp $2 $1 - $0
  FileOpen $3 "$EXEDIR\copy-ms.txt" w
  FileWrite $3 "$2"
  FileClose $3
SectionEnd
