; The per-user installer: no administrator needed. tools/release.sh compiles it, once per build, with
;   ARCH     x86 or x64, the build packed
;   STAGE    the folder to pack (the same one the portable zip holds)
;   LISTS    the folder with Version.nsh, the generated Install.nsh, and installed.lst, the files it installs
;   OUTFILE  the installer to write
!if "${ARCH}" == "x86"
    Target x86-unicode
    !define OTHER_VIEW 64
!else if "${ARCH}" == "x64"
    ; A 64-bit installer: 32-bit Windows refuses to start it, and it runs where Wine has no 32-bit half.
    Target amd64-unicode
    !define OTHER_VIEW 32
!else
    !error "ARCH is x86 or x64, not ${ARCH}"
!endif
SetCompressor /SOLID lzma

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"
!include "Sections.nsh"
!include "TextFunc.nsh"
!include "WinMessages.nsh"
!include "${LISTS}/Version.nsh"

!define PRODUCT "Tollwick"
!define PUBLISHER "Tollwick"
!define WEBSITE "http://www.tollwick.com/"
!define EXE "Tollwick.exe"
!define UNINSTALLER "uninstall.exe"
; What an install put in its folder, one path under it a line: the next install and the uninstaller remove by it.
; Named after the program, so a folder that holds another program's record is never taken for ours.
!define RECORD "Tollwick-installed.lst"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
; The running clock is found as the clock itself finds a first copy.
!define CLOCK_CLASS "frmMain"
!define CLOCK_TITLE "Marrowby Clock"

Name "${PRODUCT} ${VERSION} (${ARCH})"
OutFile "${OUTFILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION} (${ARCH})"

VIProductVersion "${VERSION_QUAD}"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "${PRODUCT} ${VERSION} (${ARCH}) Setup"
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

; $4 = 1 when the record's entry $3 names a file inside the install folder: not absolute, no drive, stream or
; wildcard, no way up. A damaged or altered record must never delete anything outside it.
!macro IS_INSIDE_FUNCTION prefix
Function ${prefix}IsInside
    StrCpy $4 0
    StrCpy $5 $3 1
    ${If} $3 == ""
    ${OrIf} $5 == "\"
    ${OrIf} $5 == "/"
        Return
    ${EndIf}
    StrCpy $6 0
    ${Do}
        StrCpy $5 $3 1 $6
        ${IfThen} $5 == "" ${|} ${ExitDo} ${|}
        ${If} $5 == ":"
        ${OrIf} $5 == "*"
        ${OrIf} $5 == "?"
            Return
        ${EndIf}
        StrCpy $5 $3 2 $6
        ${IfThen} $5 == ".." ${|} Return ${|}
        IntOp $6 $6 + 1
    ${Loop}
    StrCpy $4 1
FunctionEnd
!macroend
!insertmacro IS_INSIDE_FUNCTION ""
!insertmacro IS_INSIDE_FUNCTION "un."

; Removes what the record says an install put here, and the folders that leaves empty; the user's own files stay.
!macro REMOVE_INSTALLED_FUNCTION prefix
Function ${prefix}RemoveInstalled
    ClearErrors
    FileOpen $2 "$INSTDIR\${RECORD}" r
    ${IfThen} ${Errors} ${|} Return ${|}
    ${Do}
        ClearErrors
        FileRead $2 $3
        ${IfThen} ${Errors} ${|} ${ExitDo} ${|}
        ${TrimNewLines} $3 $3
        Call ${prefix}IsInside
        ${If} $4 == 1
            Delete "$INSTDIR\$3"
            ${Do}
                ${GetParent} $3 $3
                ${IfThen} $3 == "" ${|} ${ExitDo} ${|}
                RMDir "$INSTDIR\$3"
            ${Loop}
        ${EndIf}
    ${Loop}
    FileClose $2
    Delete "$INSTDIR\${RECORD}"
FunctionEnd
!macroend
!insertmacro REMOVE_INSTALLED_FUNCTION ""
!insertmacro REMOVE_INSTALLED_FUNCTION "un."

; An upgrade removes only what the previous install put here, and leaves the start-up values and settings alone,
; whichever version made them.
Section "Install"
    SetShellVarContext current
    Call CloseClock
    Call DeleteProgram
    Call RemoveInstalled
    !include "${LISTS}/Install.nsh"
    SetOutPath "$INSTDIR"
    File "/oname=${RECORD}" "${LISTS}/installed.lst"
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

; Another program may own a value of the same name: it goes only when its command, unquoted, starts ours.
!macro DELETE_OUR_AUTORUN root
    ReadRegStr $0 ${root} "${RUN_KEY}" "AlarmClock"
    StrCpy $1 $0 1
    ${IfThen} $1 == '"' ${|} StrCpy $0 $0 "" 1 ${|}
    StrLen $1 "$INSTDIR\${EXE}"
    StrCpy $0 $0 $1
    ${If} $0 == "$INSTDIR\${EXE}"
        DeleteRegValue ${root} "${RUN_KEY}" "AlarmClock"
    ${EndIf}
!macroend

Section "un.Program, shortcut and start-up entries" SecProgram
    SectionIn RO
    SetShellVarContext current
    Call un.CloseClock
    Call un.DeleteProgram
    Call un.RemoveInstalled
    Delete "$INSTDIR\${UNINSTALLER}"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    ; "Start with Windows" may have been stored for the user or for the machine.
    !insertmacro DELETE_OUR_AUTORUN HKCU
    !insertmacro DELETE_OUR_AUTORUN HKLM
    ; The other build installs into this folder too, and its clock keeps the machine's value in its own registry
    ; view (32-bit Windows has one view, looked at again).
    SetRegView ${OTHER_VIEW}
    !insertmacro DELETE_OUR_AUTORUN HKLM
    SetRegView default
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
