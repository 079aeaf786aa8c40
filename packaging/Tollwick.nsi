; The per-user installer: no administrator needed. tools/release.sh compiles it with
;   STAGE    the folder to pack (the same one the portable zip holds)
;   LISTS    the folder with Version.nsh and the generated Install.nsh / Uninstall.nsh file lists
;   OUTFILE  the installer to write
Unicode true
SetCompressor /SOLID lzma

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"
!include "Sections.nsh"
!include "WinMessages.nsh"
!include "${LISTS}/Version.nsh"

!define PRODUCT "Tollwick"
!define PUBLISHER "Tollwick"
!define WEBSITE "http://www.tollwick.com/"
!define EXE "Tollwick.exe"
!define UNINSTALLER "uninstall.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
; The running clock is found as the clock itself finds a first copy.
!define CLOCK_CLASS "frmMain"
!define CLOCK_TITLE "Marrowby Clock"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION_QUAD}"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "${PRODUCT} ${VERSION} Setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "Copyright (c) ${PUBLISHER}, MIT License"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\${EXE}"
!define MUI_FINISHPAGE_RUN_TEXT "Start ${PRODUCT} now"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${STAGE}/LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!define MUI_COMPONENTSPAGE_NODESC
; Removing frees space; a "space required" figure would only puzzle.
!define MUI_PAGE_CUSTOMFUNCTION_SHOW un.HideSpaceText
!define MUI_COMPONENTSPAGE_TEXT_TOP "${PRODUCT} will be closed and removed from your computer. Your settings and alarms stay unless you tick them below."
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

; Asks a running clock to close (it stores its place and leaves the tray) and waits up to 5 s for it to go.
!macro CLOSE_CLOCK_FUNCTION prefix
Function ${prefix}CloseClock
    FindWindow $0 "${CLOCK_CLASS}" "${CLOCK_TITLE}"
    ${If} $0 == 0
        Return
    ${EndIf}
    DetailPrint "Closing the running clock"
    SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=5000
    ${For} $1 1 50
        FindWindow $0 "${CLOCK_CLASS}" "${CLOCK_TITLE}"
        ${IfThen} $0 == 0 ${|} ${Break} ${|}
        Sleep 100
    ${Next}
FunctionEnd
!macroend
!insertmacro CLOSE_CLOCK_FUNCTION ""
!insertmacro CLOSE_CLOCK_FUNCTION "un."

; The process may hold its file a moment after its window is gone.
!macro DELETE_PROGRAM_FUNCTION prefix
Function ${prefix}DeleteProgram
    ${For} $1 1 50
        Delete "$INSTDIR\${EXE}"
        ${IfNotThen} ${FileExists} "$INSTDIR\${EXE}" ${|} ${Break} ${|}
        Sleep 100
    ${Next}
FunctionEnd
!macroend
!insertmacro DELETE_PROGRAM_FUNCTION ""
!insertmacro DELETE_PROGRAM_FUNCTION "un."

Section "Install"
    SetShellVarContext current
    Call CloseClock
    Call DeleteProgram
    !include "${LISTS}/Install.nsh"
    WriteUninstaller "$INSTDIR\${UNINSTALLER}"
    CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\${EXE}"

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${EXE},0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "URLInfoAbout" "${WEBSITE}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "un.Program, shortcut and start-up entries" SecProgram
    SectionIn RO
    SetShellVarContext current
    Call un.CloseClock
    Call un.DeleteProgram
    !include "${LISTS}/Uninstall.nsh"
    Delete "$INSTDIR\${UNINSTALLER}"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    ; "Start with Windows" may have been stored for the user or for the machine.
    DeleteRegValue HKCU "${RUN_KEY}" "AlarmClock"
    DeleteRegValue HKLM "${RUN_KEY}" "AlarmClock"
SectionEnd

Section /o "un.My settings and alarms" SecSettings
    DeleteRegKey HKCU "Software\Tollwick"
    DeleteRegKey HKCU "Software\Marrowby Clock"
SectionEnd

; Last, so whoever waits for the entry to go knows the rest is done.
Section "-un.Entry"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd

Function un.HideSpaceText
    FindWindow $0 "#32770" "" $HWNDPARENT
    GetDlgItem $1 $0 1023
    ShowWindow $1 ${SW_HIDE}
FunctionEnd

; A silent uninstall keeps the settings unless /REMOVESETTINGS asks otherwise.
Function un.onInit
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/REMOVESETTINGS" $1
    ${IfNot} ${Errors}
        !insertmacro SelectSection ${SecSettings}
    ${EndIf}
FunctionEnd
