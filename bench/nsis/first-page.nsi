; The peer installer of the start-up benchmark: a welcome page and nothing else.
Unicode true
Target amd64-unicode
!include MUI2.nsh
Name "Morvane 12.3"
OutFile "${OUTFILE}"
RequestExecutionLevel admin
InstallDir "$PROGRAMFILES64\TARN"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_LANGUAGE "English"
Section
SectionEnd
