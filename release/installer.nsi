; The Windows installer: the files of the zip, a Start-menu shortcut and an
; entry among installed programs. Per user by default, needing no
; administrator; all users as a choice for an administrator (/AllUsers).
; makensis -DVERSION=1.0.0.1 -DPACKAGE=dir-of-the-zip's-files -DICON=Kalimor.ico -DOUTFILE=setup.exe installer.nsi
Unicode true
SetCompressor /SOLID lzma
Name "Kalimor"
OutFile "${OUTFILE}"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Kalimor"
!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_INSTALLMODE_DEFAULT_CURRENTUSER
!define MULTIUSER_INSTALLMODE_INSTDIR "Kalimor"
; The uninstaller finds the mode of the installation from this value.
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallMode"
!include MultiUser.nsh
!include MUI2.nsh

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_LANGDLL_REGISTRY_ROOT SHCTX
!define MUI_LANGDLL_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MUI_LANGDLL_REGISTRY_VALUENAME "InstallerLanguage"
!define MUI_FINISHPAGE_RUN "$INSTDIR\Kalimor.exe"

!insertmacro MUI_PAGE_LICENSE "${PACKAGE}\COPYING"
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Arabic"

VIProductVersion "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "Kalimor"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "Kalimor installer"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "The Kalimor developers"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "GPL-2.0-only"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"

!macro FILES DO
  ${DO} "Kalimor.exe"
  ${DO} "README.txt"
  ${DO} "COPYING"
  ${DO} "BOOK-NOTICE.txt"
!macroend
!macro ADD NAME
  File "${PACKAGE}\${NAME}"
!macroend
!macro REMOVE NAME
  Delete "$INSTDIR\${NAME}"
!macroend

Function .onInit
  !insertmacro MULTIUSER_INIT
  !insertmacro MUI_LANGDLL_DISPLAY
FunctionEnd

Function un.onInit
  !insertmacro MULTIUSER_UNINIT
  !insertmacro MUI_UNGETLANGUAGE
FunctionEnd

Section
  SetOutPath "$INSTDIR"
  !insertmacro FILES "!insertmacro ADD"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateShortcut "$SMPROGRAMS\Kalimor.lnk" "$INSTDIR\Kalimor.exe"

  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "Kalimor"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "The Kalimor developers"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Kalimor.exe,0"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe" /$MultiUser.InstallMode'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /$MultiUser.InstallMode /S'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallMode" "$MultiUser.InstallMode"
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
  SectionGetSize 0 $0
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
  !insertmacro FILES "!insertmacro REMOVE"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\Kalimor.lnk"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd
