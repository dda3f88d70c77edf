; The Windows installer (makensis; scripts/build-windows.sh passes the defines):
;   VERSION   the program's version, "8.20"
;   PROGRAMS  the folder holding arbovane.exe, arbovane-cli.exe and arbovane.ico
;   SOURCE    the source tree, for the user guide
;   OUTFILE   the installer to write
; Silent install: setup.exe /S [/D=folder]; silent removal: uninstall.exe /S.

; A 64-bit installer for 64-bit programs: it starts where they run, and nowhere else.
Target amd64-unicode
ManifestDPIAware true
SetCompressor /SOLID lzma

!include "MUI2.nsh"
!include "FileFunc.nsh"

!define PRODUCT "Arbovane"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define MENU_FOLDER "$SMPROGRAMS\${PRODUCT}"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "${PRODUCT} ${VERSION} Setup"
VIAddVersionKey "CompanyName" "${PRODUCT}"
VIAddVersionKey "LegalCopyright" "${PRODUCT} developers"

!define MUI_ICON "${PROGRAMS}\arbovane.ico"
!define MUI_UNICON "${PROGRAMS}\arbovane.ico"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\userguide.html"
!define MUI_FINISHPAGE_SHOWREADME_TEXT "Read the user guide"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Function .onInit
  SetRegView 64
FunctionEnd

Function un.onInit
  SetRegView 64
FunctionEnd

Section "Program"
  SetOutPath "$INSTDIR"
  File "${PROGRAMS}\arbovane.exe"
  File "${PROGRAMS}\arbovane-cli.exe"
  ; The program opens the user guide beside itself.
  File "${SOURCE}\docs\userguide.html"
  SetOutPath "$INSTDIR\images"
  File "${SOURCE}\docs\images\*.png"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  ; The entries start in the program's folder; --user-settings then moves the program to the
  ; user's %APPDATA%\arbovane, so every user of the machine keeps settings of their own.
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  CreateDirectory "${MENU_FOLDER}"
  CreateShortCut "${MENU_FOLDER}\${PRODUCT}.lnk" "$INSTDIR\arbovane.exe" "--user-settings" \
    "$INSTDIR\arbovane.exe" 0 SW_SHOWNORMAL "" "Create, copy, rename and delete folder structures in bulk"
  CreateShortCut "${MENU_FOLDER}\${PRODUCT} User Guide.lnk" "$INSTDIR\userguide.html"
  CreateShortCut "${MENU_FOLDER}\Uninstall ${PRODUCT}.lnk" "$INSTDIR\uninstall.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT} ${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\arbovane.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; The users' settings folders stay: they hold what each user set, not what was installed.
Section "Uninstall"
  SetShellVarContext all
  Delete "${MENU_FOLDER}\${PRODUCT}.lnk"
  Delete "${MENU_FOLDER}\${PRODUCT} User Guide.lnk"
  Delete "${MENU_FOLDER}\Uninstall ${PRODUCT}.lnk"
  RMDir "${MENU_FOLDER}"
  Delete "$INSTDIR\arbovane.exe"
  Delete "$INSTDIR\arbovane-cli.exe"
  Delete "$INSTDIR\userguide.html"
  Delete "$INSTDIR\images\*.png"
  RMDir "$INSTDIR\images"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
