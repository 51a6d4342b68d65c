; Per-user setup program for Veltrana (NSIS 3, Unicode). installer/build runs
; makensis on it with three defines:
;   BUILD_DIR   the Windows build folder: Veltrana.exe, About.html, version.txt,
;               Options.exe and About.exe
;   SOURCE_DIR  the source tree (skins and icon)
;   OUT_FILE    the setup program to write
;
; Command line of the setup program: /S installs silently, /FIT sets line 8
; of the settings file to Fit (the bar fits itself to any screen), /D=FOLDER
; (last, no quotes) sets the program folder. Exit code 0 installed,
; 1 cancelled, 2 failed: then nothing has been changed; 3 installed, but
; /FIT could not change the settings file, which is as it was.

Unicode true
ManifestDPIAware true
; Everything goes to the user's own folders and HKCU: no elevation prompt.
RequestExecutionLevel user
SetCompressor /SOLID lzma

!ifndef BUILD_DIR | SOURCE_DIR | OUT_FILE
  !error "define BUILD_DIR, SOURCE_DIR and OUT_FILE (installer/build does)"
!endif

; The build writes the project's one version number there.
!define /file VERSION "${BUILD_DIR}/version.txt"
!searchparse /noerrors "${VERSION}" "" VERSION_MAJOR "." VERSION_MINOR "." VERSION_PATCH
!ifndef VERSION_PATCH
  !error "version.txt holds '${VERSION}', not MAJOR.MINOR.PATCH"
!endif

!define PRODUCT "Veltrana"
!define PUBLISHER "Veltrana project"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Veltrana"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
; Where Windows' startup settings keep a Run value turned off (Windows 8 and later).
!define STARTUP_APPROVED_KEY "Software\Microsoft\Windows\CurrentVersion\Explorer\StartupApproved\Run"
!define START_MENU "$SMPROGRAMS\Veltrana"
; The bar reads its settings and skins only from this folder and never makes it.
!define SETTINGS_DIR "$DOCUMENTS\VTR"
!define SETTINGS_FILE "${SETTINGS_DIR}\Options.set"
; Held by the bar for its whole life.
!define BAR_MUTEX "MyOwnMutex"
; How long a running bar gets to close, in tenths of a second.
!define BAR_END_TENTHS 50
; How long a program file may stay locked after its program ended.
!define RELEASE_TENTHS 30

Name "${PRODUCT} ${VERSION}"
OutFile "${OUT_FILE}"
InstallDir "$LOCALAPPDATA\Programs\Veltrana"
; An upgrade goes where the last install went.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION_MAJOR}.${VERSION_MINOR}.${VERSION_PATCH}.0"
VIFileVersion "${VERSION_MAJOR}.${VERSION_MINOR}.${VERSION_PATCH}.0"
VIAddVersionKey /LANG=0 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=0 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=0 "LegalCopyright" "Copyright (C) ${PUBLISHER}"

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include WinMessages.nsh

!define MUI_ICON "${SOURCE_DIR}/assets/veltrana.ico"
!define MUI_UNICON "${SOURCE_DIR}/assets/veltrana.ico"
!define MUI_ABORTWARNING

Var BarWasRunning     ; 1 when setup or the uninstaller closed a running bar
Var BarPath           ; the program file of the bar it closed, when known
Var MadeInstDir       ; 1 when setup created the program folder
Var MadeSettingsDir   ; 1 when setup created the settings folder
Var KeptNote          ; what the uninstaller's last page says about the settings
Var FinishNote        ; the end of setup's last page: whether it started the bar again
Var OldInstDir        ; an earlier installation's folder when it is not $INSTDIR
Var ScreenText        ; the bar's monitor and its scaling: "1920 x 1080 at 150 %"
Var FitOffered        ; 1 when the finish page offers to fit the bar to that screen
Var FitAsked          ; 1 with /FIT on the command line

!define MUI_WELCOMEPAGE_TEXT "Setup will install Veltrana ${VERSION} for you alone; it needs no administrator rights.$\r$\n$\r$\nIf Veltrana is running, Setup closes it and starts it again when the new files are in place.$\r$\n$\r$\nClick Next to continue."
!insertmacro MUI_PAGE_WELCOME
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE DirectoryLeave
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "Start Veltrana"
!define MUI_FINISHPAGE_RUN_FUNCTION StartBar
; The offer to fit the bar to the screen; FinishLeave acts on it.
!define MUI_FINISHPAGE_SHOWREADME
!define MUI_FINISHPAGE_SHOWREADME_TEXT "Fit Veltrana to this screen ($ScreenText)"
!define MUI_FINISHPAGE_SHOWREADME_FUNCTION FitChosen
!define MUI_PAGE_CUSTOMFUNCTION_PRE FinishPre
!define MUI_PAGE_CUSTOMFUNCTION_SHOW FinishShow
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE FinishLeave
!define MUI_FINISHPAGE_TEXT "Veltrana ${VERSION} has been installed on your computer.$\r$\n$\r$\n$FinishNote"
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!define MUI_FINISHPAGE_TEXT "Veltrana has been removed from your computer.$\r$\n$\r$\n$KeptNote"
!insertmacro MUI_UNPAGE_FINISH

!insertmacro MUI_LANGUAGE "English"

; Says why, puts back what was changed (UNDO, a function), and ends with
; exit code 2; /S keeps only the code.
!macro FAIL UNDO message
  DetailPrint "${message}"
  MessageBox MB_OK|MB_ICONSTOP "${message}" /SD IDOK
  Call ${UNDO}
  Abort "${message}"
!macroend

; The three skins, into the current output folder.
!macro SKIN_FILES
  File "${SOURCE_DIR}/assets/skins/silver.bmp"
  File "${SOURCE_DIR}/assets/skins/olive.bmp"
  File "${SOURCE_DIR}/assets/skins/blue.bmp"
!macroend

!define CANNOT_INSTALL_HERE "Veltrana cannot be installed in $\"$INSTDIR$\": the folder cannot be created or written. Choose another folder."

; --- shared by setup and the uninstaller ---------------------------------
!macro SHARED_FUNCTIONS un

; $0 = 1 while a bar runs.
Function ${un}BarRuns
  System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "${BAR_MUTEX}") p.r0'
  ${If} $0 P<> 0
    System::Call 'kernel32::CloseHandle(p r0)'
    StrCpy $0 1
  ${EndIf}
FunctionEnd

; Asks every bar window to close, the way its own Exit does: the bar then
; leaves its message loop and takes its tray icon away.
Function ${un}AskBarToClose
  Push $1
  StrCpy $1 0
  ${Do}
    FindWindow $1 "TVTR" "" 0 $1
    ${IfThen} $1 = 0 ${|} ${ExitDo} ${|}
    System::Call 'user32::PostMessageW(p r1, i ${WM_CLOSE}, p 0, p 0)'
  ${Loop}
  ${Do}
    FindWindow $1 "TApplication" "Veltrana" 0 $1
    ${IfThen} $1 = 0 ${|} ${ExitDo} ${|}
    System::Call 'user32::PostMessageW(p r1, i ${WM_CLOSE}, p 0, p 0)'
  ${Loop}
  Pop $1
FunctionEnd

; $BarPath = the program file of the running bar's window, or "".
Function ${un}FindBarPath
  Push $1
  Push $2
  Push $3
  StrCpy $BarPath ""
  FindWindow $1 "TVTR" ""
  ${If} $1 = 0
    FindWindow $1 "TApplication" "Veltrana"
  ${EndIf}
  ${If} $1 <> 0
    System::Call 'user32::GetWindowThreadProcessId(p r1, *i .r2)'
    ; PROCESS_QUERY_LIMITED_INFORMATION
    System::Call 'kernel32::OpenProcess(i 0x1000, i 0, i r2) p.r3'
    ${If} $3 P<> 0
      System::Call 'kernel32::QueryFullProcessImageNameW(p r3, i 0, w .r1, *i ${NSIS_MAX_STRLEN})i.r2'
      ${IfThen} $2 <> 0 ${|} StrCpy $BarPath $1 ${|}
      System::Call 'kernel32::CloseHandle(p r3)'
    ${EndIf}
  ${EndIf}
  Pop $3
  Pop $2
  Pop $1
FunctionEnd

; Starts the bar setup or the uninstaller closed, after a failure; not
; when it never closed.
Function ${un}RestartClosedBar
  Call ${un}BarRuns
  ${If} $0 = 0
  ${AndIf} $BarWasRunning = 1
  ${AndIf} ${FileExists} "$BarPath"
    ${GetParent} "$BarPath" $0
    SetOutPath "$0"
    Exec '"$BarPath"'
  ${EndIf}
FunctionEnd

; Closes a running bar. $BarWasRunning = 1 if one ran; $0 = 1 when none runs
; any longer, 0 when it is still there after BAR_END_TENTHS.
Function ${un}EndBar
  Push $1
  StrCpy $BarWasRunning 0
  Call ${un}BarRuns
  ${If} $0 = 1
    StrCpy $BarWasRunning 1
    Call ${un}FindBarPath
    DetailPrint "Closing the running Veltrana..."
    StrCpy $1 0
    ${Do}
      ; Again every second: a bar that was still starting may have had no window yet.
      IntOp $0 $1 % 10
      ${IfThen} $0 = 0 ${|} Call ${un}AskBarToClose ${|}
      Sleep 100
      IntOp $1 $1 + 1
      Call ${un}BarRuns
      ${If} $0 = 0
        StrCpy $0 1
        ${ExitDo}
      ${EndIf}
      ${If} $1 >= ${BAR_END_TENTHS}
        StrCpy $0 0
        ${ExitDo}
      ${EndIf}
    ${Loop}
  ${Else}
    StrCpy $0 1
  ${EndIf}
  Pop $1
FunctionEnd

; Pushed path: $0 = 1 when no such file exists or it can be opened for
; writing within RELEASE_TENTHS (a program that just ended can keep its
; file for a moment); 0 while a running program holds it.
Function ${un}FileFree
  Exch $R0
  Push $R1
  Push $1
  StrCpy $0 1
  StrCpy $1 0
  ${Do}
    ${IfNot} ${FileExists} "$R0"
      ${ExitDo}
    ${EndIf}
    ClearErrors
    FileOpen $R1 "$R0" a
    ${IfNot} ${Errors}
      FileClose $R1
      ${ExitDo}
    ${EndIf}
    ${If} $1 >= ${RELEASE_TENTHS}
      StrCpy $0 0
      ${ExitDo}
    ${EndIf}
    Sleep 100
    IntOp $1 $1 + 1
  ${Loop}
  Pop $1
  Pop $R1
  Pop $R0
FunctionEnd

; Pushed program folder: $0 = "" when the companion programs in it can be
; replaced, else the name of the one that is running.
Function ${un}CompanionInUse
  Exch $R0
  Push "$R0\Options.exe"
  Call ${un}FileFree
  ${If} $0 = 0
    StrCpy $0 "Veltrana Options"
  ${Else}
    Push "$R0\About.exe"
    Call ${un}FileFree
    ${If} $0 = 0
      StrCpy $0 "Veltrana About"
    ${Else}
      StrCpy $0 ""
    ${EndIf}
  ${EndIf}
  Pop $R0
FunctionEnd

; Pushed program folder: removes what setup put there, file by file (the
; folder may hold files of the user's own), and the folder when that
; empties it.
Function ${un}RemoveProgramFiles
  Exch $R0
  Delete "$R0\Veltrana.exe"
  Delete "$R0\Options.exe"
  Delete "$R0\About.exe"
  Delete "$R0\About.html"
  Delete "$R0\skins\silver.bmp"
  Delete "$R0\skins\olive.bmp"
  Delete "$R0\skins\blue.bmp"
  RMDir "$R0\skins"
  Delete "$R0\Uninstall.exe"
  RMDir "$R0"
  Pop $R0
FunctionEnd

!macroend
!insertmacro SHARED_FUNCTIONS ""
!insertmacro SHARED_FUNCTIONS "un."

; --- setup -----------------------------------------------------------------

; Pushed folder: makes it if it is missing and writes a file in it.
; $0 = 1 when that worked; $1 = 1 when this call made the folder. A folder
; it made but cannot use is removed again.
Function PrepareFolder
  Exch $R0
  Push $R1
  StrCpy $0 0
  StrCpy $1 0
  ${IfNot} ${FileExists} "$R0\*.*"
    ClearErrors
    CreateDirectory "$R0"
    ${IfNot} ${Errors}
      StrCpy $1 1
    ${EndIf}
  ${EndIf}
  ${If} ${FileExists} "$R0\*.*"
    ClearErrors
    FileOpen $R1 "$R0\veltrana-setup-check.tmp" w
    ${IfNot} ${Errors}
      FileClose $R1
      Delete "$R0\veltrana-setup-check.tmp"
      StrCpy $0 1
    ${EndIf}
  ${EndIf}
  ${If} $0 = 0
  ${AndIf} $1 = 1
    RMDir "$R0"
    StrCpy $1 0
  ${EndIf}
  Pop $R1
  Pop $R0
FunctionEnd

; Puts things back as they were before the section started: it has changed
; no file yet when it fails.
Function UndoPreparation
  ${If} $MadeSettingsDir = 1
    RMDir "${SETTINGS_DIR}"
  ${EndIf}
  ${If} $MadeInstDir = 1
    RMDir "$INSTDIR"
  ${EndIf}
  Call RestartClosedBar
FunctionEnd

Function StartBar
  SetOutPath "$INSTDIR"
  Exec '"$INSTDIR\Veltrana.exe"'
FunctionEnd

; Fitting the bar to the screen is Options.exe's work (see its command line
; in the README): it reads and writes the settings file as the bar does, and
; names the screen as its own dialog does.

; Sets line 8 of the settings file to Fit; $0 = 1 when it reads Fit
; afterwards. A box (a line of the details when silent) says why not.
Function WriteFit
  Push $1
  nsExec::ExecToStack '"$INSTDIR\Options.exe" /fit'
  Pop $0 ; 0 when line 8 reads Fit, 3 when the file was left as it was
  Pop $1 ; why not
  ${If} $0 == 0
    DetailPrint "Line 8 of ${SETTINGS_FILE} reads Fit: Veltrana fits itself to the screen."
    StrCpy $0 1
  ${Else}
    ${IfThen} $0 == "error" ${|} StrCpy $1 "Veltrana Options could not be started" ${|}
    DetailPrint "Line 8 of ${SETTINGS_FILE} was not set to Fit: $1."
    MessageBox MB_OK|MB_ICONEXCLAMATION "Setup could not make Veltrana fit this screen: $1. Your settings file $\"${SETTINGS_FILE}$\" was left as it was; Veltrana Options can turn fitting on." /SD IDOK
    StrCpy $0 0
  ${EndIf}
  Pop $1
FunctionEnd

Function DirectoryLeave
  Push "$INSTDIR"
  Call PrepareFolder
  ${If} $0 = 0
    MessageBox MB_OK|MB_ICONSTOP "${CANNOT_INSTALL_HERE}"
    Abort
  ${EndIf}
  ; Kept for the section, which makes it only if it is still missing.
  StrCpy $MadeInstDir $1
FunctionEnd

; The offer's text names the screen, so it is asked for before the page is
; made: fitting is offered on a screen the bar was not made for, unless it is
; on already.
Function FinishPre
  nsExec::ExecToStack '"$INSTDIR\Options.exe" /fit-offer'
  Pop $0 ; 0 when fitting is worth offering
  Pop $ScreenText
  StrCpy $FitOffered 0
  ${IfThen} $0 == 0 ${|} StrCpy $FitOffered 1 ${|}
FunctionEnd

; Setup has started the bar again after the upgrade: no second offer.
Function FinishShow
  ${If} $BarWasRunning = 1
    SendMessage $mui.FinishPage.Run ${BM_SETCHECK} ${BST_UNCHECKED} 0
    ShowWindow $mui.FinishPage.Run ${SW_HIDE}
  ${EndIf}
  ${If} $FitOffered = 0
    SendMessage $mui.FinishPage.ShowReadme ${BM_SETCHECK} ${BST_UNCHECKED} 0
    ShowWindow $mui.FinishPage.ShowReadme ${SW_HIDE}
  ${EndIf}
FunctionEnd

; Before the bar starts, so that it reads the line at its start: on a screen
; it was not made for, it reads the file again only with fitting on.
Function FinishLeave
  SendMessage $mui.FinishPage.ShowReadme ${BM_GETCHECK} 0 0 $0
  ${If} $0 = ${BST_CHECKED}
    Call WriteFit
    ; The bar that setup started again has read its settings without the line.
    ${If} $0 = 1
    ${AndIf} $BarWasRunning = 1
      Call EndBar
      Call StartBar
    ${EndIf}
  ${EndIf}
FunctionEnd

; FinishLeave has acted on the offer already.
Function FitChosen
FunctionEnd

Function .onInit
  SetShellVarContext current
  StrCpy $BarWasRunning 0
  StrCpy $BarPath ""
  StrCpy $MadeInstDir 0
  StrCpy $MadeSettingsDir 0
  StrCpy $FinishNote "Click Finish to close Setup."
  StrCpy $FitOffered 0
  StrCpy $FitAsked 0
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/FIT" $1
  ${IfNot} ${Errors}
  ${AndIf} $1 == ""
    StrCpy $FitAsked 1
  ${EndIf}
  ReadRegStr $OldInstDir HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ${IfNot} ${FileExists} "$OldInstDir\Uninstall.exe"
    StrCpy $OldInstDir ""
  ${EndIf}
FunctionEnd

Section "Veltrana" SectionProgram
  SectionIn RO
  SetShellVarContext current

  ; Everything that can make the install fail is checked before the first
  ; file changes.
  Push "$INSTDIR"
  Call PrepareFolder
  ${If} $0 = 0
    !insertmacro FAIL UndoPreparation "${CANNOT_INSTALL_HERE}"
  ${EndIf}
  ${IfThen} $1 = 1 ${|} StrCpy $MadeInstDir 1 ${|}
  Push "${SETTINGS_DIR}"
  Call PrepareFolder
  ${If} $0 = 0
    !insertmacro FAIL UndoPreparation "The settings folder $\"${SETTINGS_DIR}$\" cannot be created or written, so Veltrana could not find its settings and skins."
  ${EndIf}
  StrCpy $MadeSettingsDir $1
  ; The folder chosen may differ from the last install's (/D=, or on the
  ; directory page): that one is moved here.
  ${If} $OldInstDir == "$INSTDIR"
    StrCpy $OldInstDir ""
  ${EndIf}
  Push "$INSTDIR"
  Call CompanionInUse
  ${If} $0 != ""
    !insertmacro FAIL UndoPreparation "$0 is running. Close it, then run Setup again."
  ${EndIf}
  ${If} $OldInstDir != ""
    Push "$OldInstDir"
    Call CompanionInUse
    ${If} $0 != ""
      !insertmacro FAIL UndoPreparation "$0 is running. Close it, then run Setup again."
    ${EndIf}
  ${EndIf}

  Call EndBar
  ${If} $0 = 0
    !insertmacro FAIL UndoPreparation "Veltrana is running and did not close within five seconds. End it with Exit in its menu, then run Setup again."
  ${EndIf}
  Push "$INSTDIR\Veltrana.exe"
  Call FileFree
  ${If} $0 = 1
  ${AndIf} $OldInstDir != ""
    Push "$OldInstDir\Veltrana.exe"
    Call FileFree
  ${EndIf}
  ${If} $0 = 0
    !insertmacro FAIL UndoPreparation "Veltrana's program file is still in use. Close every copy of Veltrana, then run Setup again."
  ${EndIf}

  SetOverwrite on
  SetOutPath "$INSTDIR"
  File "${BUILD_DIR}/Veltrana.exe"
  File "${BUILD_DIR}/About.html"
  File "${BUILD_DIR}/Options.exe"
  File "${BUILD_DIR}/About.exe"
  SetOutPath "$INSTDIR\skins"
  !insertmacro SKIN_FILES

  ; The skins only: Options.set is the user's and stays as it is.
  SetOutPath "${SETTINGS_DIR}"
  !insertmacro SKIN_FILES

  WriteUninstaller "$INSTDIR\Uninstall.exe"

  ; Shortcuts start in the program folder.
  SetOutPath "$INSTDIR"
  CreateDirectory "${START_MENU}"
  CreateShortcut "${START_MENU}\Veltrana.lnk" "$INSTDIR\Veltrana.exe" "" "$INSTDIR\Veltrana.exe" 0
  CreateShortcut "${START_MENU}\Veltrana Options.lnk" "$INSTDIR\Options.exe" "" "$INSTDIR\Options.exe" 0
  CreateShortcut "${START_MENU}\Uninstall Veltrana.lnk" "$INSTDIR\Uninstall.exe"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "VersionMajor" ${VERSION_MAJOR}
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "VersionMinor" ${VERSION_MINOR}
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Veltrana.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0

  ${If} $OldInstDir != ""
    DetailPrint "Removing the earlier installation in $OldInstDir"
    Push "$OldInstDir"
    Call RemoveProgramFiles
    ; Log-on starts the program where it is now, if it started the old one.
    ClearErrors
    ReadRegStr $0 HKCU "${RUN_KEY}" "VTR"
    ${IfNot} ${Errors}
    ${AndIf} $0 == '"$OldInstDir\Veltrana.exe"'
      WriteRegStr HKCU "${RUN_KEY}" "VTR" '"$INSTDIR\Veltrana.exe"'
    ${EndIf}
  ${EndIf}

  ; Before the bar starts again, which reads it at its start.
  ${If} $FitAsked = 1
    Call WriteFit
    ${IfThen} $0 = 0 ${|} SetErrorLevel 3 ${|}
  ${EndIf}

  ${If} $BarWasRunning = 1
    DetailPrint "Starting Veltrana again..."
    Call StartBar
    StrCpy $FinishNote "Veltrana was running; it has been started again.$\r$\n$\r$\nClick Finish to close Setup."
  ${EndIf}
SectionEnd

; --- uninstaller -------------------------------------------------------------

Function un.onInit
  SetShellVarContext current
  StrCpy $BarWasRunning 0
  StrCpy $BarPath ""
  StrCpy $KeptNote ""
FunctionEnd

Section "Uninstall"
  SetShellVarContext current

  ; Nothing is removed unless all of it can be.
  Push "$INSTDIR"
  Call un.CompanionInUse
  ${If} $0 != ""
    !insertmacro FAIL un.RestartClosedBar "$0 is running. Close it, then run the uninstaller again."
  ${EndIf}
  Call un.EndBar
  ${If} $0 = 0
    !insertmacro FAIL un.RestartClosedBar "Veltrana is running and did not close within five seconds. End it with Exit in its menu, then run the uninstaller again."
  ${EndIf}
  Push "$INSTDIR\Veltrana.exe"
  Call un.FileFree
  ${If} $0 = 0
    !insertmacro FAIL un.RestartClosedBar "Veltrana's program file is still in use. Close every copy of Veltrana, then run the uninstaller again."
  ${EndIf}

  Push "$INSTDIR"
  Call un.RemoveProgramFiles

  Delete "${START_MENU}\Veltrana.lnk"
  Delete "${START_MENU}\Veltrana Options.lnk"
  Delete "${START_MENU}\Uninstall Veltrana.lnk"
  RMDir "${START_MENU}"

  DeleteRegKey HKCU "${UNINSTALL_KEY}"

  ; Log-on would start a program that is gone. A value naming a copy that
  ; still exists elsewhere (a portable one) is that copy's and stays, with
  ; what Windows' startup settings keep of it; without such a value, that
  ; record belongs to no copy and would stay in the startup list.
  StrCpy $3 ""
  ClearErrors
  ReadRegStr $0 HKCU "${RUN_KEY}" "VTR"
  ${IfNot} ${Errors}
    StrCpy $1 $0 1
    ${If} $1 == '"'
      StrCpy $0 $0 "" 1
      StrLen $1 $0
      IntOp $1 $1 - 1
      StrCpy $2 $0 1 $1
      ${IfThen} $2 == '"' ${|} StrCpy $0 $0 $1 ${|}
    ${EndIf}
    ${If} ${FileExists} "$0"
      StrCpy $3 "kept"
    ${Else}
      DeleteRegValue HKCU "${RUN_KEY}" "VTR"
    ${EndIf}
  ${EndIf}
  ${If} $3 == ""
    DeleteRegValue HKCU "${STARTUP_APPROVED_KEY}" "VTR"
  ${EndIf}

  Delete "${SETTINGS_DIR}\silver.bmp"
  Delete "${SETTINGS_DIR}\olive.bmp"
  Delete "${SETTINGS_DIR}\blue.bmp"
  ${If} ${FileExists} "${SETTINGS_FILE}"
    StrCpy $KeptNote "Your settings file $\"${SETTINGS_FILE}$\" has been kept, so a later installation of Veltrana finds your settings."
    DetailPrint "$KeptNote"
  ${EndIf}
  ; Gone only when nothing else is in it.
  RMDir "${SETTINGS_DIR}"
SectionEnd
