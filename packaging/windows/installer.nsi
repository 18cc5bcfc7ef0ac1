; The Anglarix installer: for the user who runs it, with no administrator rights, into the
; user's own programs folder; a Start-menu entry and an uninstaller registered for the user.
; "/S" installs and uninstalls silently. A program of the installed folder still running stops
; both: the user is asked to close it, and a silent run ends with a line on its standard error
; and status 3, changing nothing. Written by makensis from packaging/windows/Packaging.cmake, which defines
; VERSION, PROGRAMS (the folder of the .exe files), LICENSE_FILE, README_FILE and OUTFILE.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!include "LogicLib.nsh"
!include "MUI2.nsh"
!include "WinVer.nsh"

!define PRODUCT "Anglarix"
!define UNINSTALL_KEYS "Software\Microsoft\Windows\CurrentVersion\Uninstall"
!define UNINSTALL_KEY "${UNINSTALL_KEYS}\Anglarix"
!define START_PROGRAM "anglarix.exe"
!define START_ENTRY "Anglarix"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails nevershow
ShowUninstDetails nevershow
BrandingText " "
; A file that cannot be written stops the installation instead of keeping the old one.
AllowSkipFiles off

!insertmacro MUI_PAGE_LICENSE "${LICENSE_FILE}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\anglarix.exe"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; The first language is taken when the user's is neither.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "SimpChinese"

VIProductVersion "${VERSION}"
VIFileVersion "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "${PRODUCT} ${VERSION} setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "Copyright (c) 2024-2026 Anglarix developers"

LangString RUNNING ${LANG_ENGLISH} "${PRODUCT} is running ($R0). Close it, then choose Retry."
LangString RUNNING ${LANG_SIMPCHINESE} "${PRODUCT} 正在运行（$R0）。请关闭它，然后选择“重试”。"

; Stops while a program of $INSTDIR runs: Windows keeps a running program's file, so the
; installer would keep the old one and the uninstaller leave it behind with nothing to remove
; it, both saying they succeeded. A running program's file cannot be opened for writing.
!macro FIND_RUNNING file
  ${If} $R0 == ""
  ${AndIf} ${FileExists} "$INSTDIR\${file}"
    ClearErrors
    FileOpen $R2 "$INSTDIR\${file}" a
    ${If} ${Errors}
      StrCpy $R0 "${file}"
    ${Else}
      FileClose $R2
    ${EndIf}
  ${EndIf}
!macroend
!macro ENSURE_CLOSED un
Function ${un}EnsureClosed
  retry:
  StrCpy $R0 ""
  !insertmacro FIND_RUNNING anglarix.exe
  !insertmacro FIND_RUNNING anglarix-calc.exe
  ${If} $R0 != ""
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(RUNNING)" /SD IDCANCEL IDRETRY retry
    ${If} ${Silent}
      ; Said where it was run from: a console it was started in, else its standard error.
      System::Call 'kernel32::AttachConsole(i -1)'
      System::Call 'kernel32::GetStdHandle(i -12) p.R2'
      FileWrite $R2 "${PRODUCT}: $INSTDIR\$R0 is running; close it and run this again.$\r$\n"
    ${EndIf}
    SetErrorLevel 3
    Quit
  ${EndIf}
FunctionEnd
!macroend
!insertmacro ENSURE_CLOSED ""
!insertmacro ENSURE_CLOSED "un."

Function .onInit
  ${IfNot} ${AtLeastWin7}
    MessageBox MB_OK|MB_ICONSTOP "${PRODUCT} needs Windows 7 or later." /SD IDOK
    Abort
  ${EndIf}
  SetShellVarContext current
FunctionEnd

Function un.onInit
  SetShellVarContext current
  Call un.EnsureClosed
FunctionEnd

Section
  Call EnsureClosed
  SetOutPath "$INSTDIR"
  File "${PROGRAMS}/anglarix-calc.exe"
  File "${PROGRAMS}/anglarix.exe"
  File /oname=LICENSE.txt "${LICENSE_FILE}"
  File /oname=README.txt "${README_FILE}"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortCut "$SMPROGRAMS\${START_ENTRY}.lnk" "$INSTDIR\${START_PROGRAM}"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Anglarix developers"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${START_PROGRAM}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Only what the installer wrote: a folder the user chose that holds other files keeps them.
Section "Uninstall"
  Delete "$INSTDIR\anglarix-calc.exe"
  Delete "$INSTDIR\anglarix.exe"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  ; The user's programs folder, when nothing else is installed there.
  RMDir "$LOCALAPPDATA\Programs"
  Delete "$SMPROGRAMS\${START_ENTRY}.lnk"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  ; The list of uninstallers the installer made for the user, when it is left empty.
  DeleteRegKey /ifempty HKCU "${UNINSTALL_KEYS}"
SectionEnd
