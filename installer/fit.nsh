; Setup's part in fitting the bar to the screen: the primary screen and its
; scaling, and line 8 of the settings file ("Fit"), read and written byte by
; byte. Included by veltrana.nsi, whose defines and variables it uses.

; The bar's seven default lines, which it writes itself when the file is missing.
!define DEFAULT_SETTINGS "1$\r$\n5$\r$\nSilver$\r$\n0$\r$\n32768$\r$\nTrue$\r$\nMove$\r$\n"
; Far more than the settings take: setup reads a larger file no further.
!define LARGEST_SETTINGS 65536
; How long a settings file that another program holds open is waited for,
; in tenths of a second.
!define SETTINGS_WAIT_TENTHS 20

; $ScreenText and $MadeForScreen, for the primary monitor, which holds the
; bar: its size in pixels and its scaling, read as the bar reads them.
Function ReadScreen
  Push $1
  Push $2
  Push $3
  Push $4
  Push $5
  ; MONITOR_DEFAULTTOPRIMARY
  System::Call 'user32::MonitorFromPoint(i 0, i 0, i 1) p.r1'
  ; MONITORINFO: cbSize, rcMonitor, rcWork, dwFlags
  System::Call '*(i 40, i, i, i, i, i, i, i, i, i) p.r2'
  System::Call 'user32::GetMonitorInfoW(p r1, p r2) i.r3'
  System::Call '*$2(i, i .r3, i .r4, i .r5, i .r0)'
  System::Free $2
  IntOp $2 $5 - $3
  IntOp $3 $0 - $4
  ${If} $2 <= 0
    ; SM_CXSCREEN, SM_CYSCREEN: the primary screen too
    System::Call 'user32::GetSystemMetrics(i 0) i.r2'
    System::Call 'user32::GetSystemMetrics(i 1) i.r3'
  ${EndIf}
  ; Per monitor where Windows tells (8.1 and later), else the system's.
  StrCpy $4 0
  System::Call 'shcore::GetDpiForMonitor(p r1, i 0, *i .r4, *i .r5) i.r0'
  ${If} $0 != 0
  ${OrIf} $4 <= 0
    System::Call 'user32::GetDC(p 0) p.r5'
    ; LOGPIXELSX
    System::Call 'gdi32::GetDeviceCaps(p r5, i 88) i.r4'
    System::Call 'user32::ReleaseDC(p 0, p r5)'
  ${EndIf}
  ${IfThen} $4 <= 0 ${|} StrCpy $4 96 ${|}
  ; Whole per cent, rounded as Options rounds it.
  IntOp $5 $4 * 100
  IntOp $5 $5 + 48
  IntOp $5 $5 / 96
  StrCpy $ScreenText "$2 x $3 at $5 %"
  StrCpy $MadeForScreen 0
  ${If} $4 = 96
    ${If} "$2x$3" == "1024x768"
    ${OrIf} "$2x$3" == "1280x1024"
    ${OrIf} "$2x$3" == "1280x960"
    ${OrIf} "$2x$3" == "1280x800"
      StrCpy $MadeForScreen 1
    ${EndIf}
  ${EndIf}
  Pop $5
  Pop $4
  Pop $3
  Pop $2
  Pop $1
FunctionEnd

; Line 8 of the settings file turns fitting on when it is exactly "Fit". The
; bar ends a line at LF, a CR before it being part of the ending.
; Pushed 0 only looks: $0 = "on" when line 8 reads Fit, else "off".
; Pushed 1 makes line 8 "Fit" and keeps every other byte, adding empty lines
; up to line 7 to a shorter file and a line end to a last line without one;
; a missing file is made with the seven default lines before it. The new
; file is written beside the old one and moved over it in one step, so the
; bar never reads half of it. $0 = "on" when line 8 reads Fit now, else why
; the file was left as it was.
Function FitLine
  Exch $R0
  Push $R1 ; the settings file, open for reading; "" when there is none
  Push $R2 ; the new file's name; "" before it is made
  Push $R3 ; the new file, open for writing; "" when only looking
  Push $R4 ; a byte
  Push $R5 ; lines ended so far
  Push $R6 ; line 8, as byte numbers
  Push $R7 ; the last byte written: -1 before the first, -2 after a failed write
  Push $R8 ; bytes read
  Push $R9 ; the file's size
  Push $1
  StrCpy $R1 ""
  StrCpy $R2 ""
  StrCpy $R3 ""
  StrCpy $R5 0
  StrCpy $R6 ""
  StrCpy $R7 -1
  StrCpy $R8 0
  StrCpy $R9 0
  ${If} ${FileExists} "${SETTINGS_FILE}"
    ${If} $R0 = 1
      System::Call 'kernel32::GetFileAttributesW(w "${SETTINGS_FILE}") i.r1'
      IntOp $1 $1 & 1 ; FILE_ATTRIBUTE_READONLY
      ${If} $1 <> 0
        StrCpy $0 "the file is marked read-only"
        Goto done
      ${EndIf}
    ${EndIf}
    ClearErrors
    FileOpen $R1 "${SETTINGS_FILE}" r
    ${If} ${Errors}
      StrCpy $R1 ""
      StrCpy $0 "the file cannot be read"
      Goto done
    ${EndIf}
    System::Call 'kernel32::GetFileSize(p R1, *i .r1) i.R9'
    ${If} $1 <> 0
    ${OrIf} $R9 < 0
    ${OrIf} $R9 > ${LARGEST_SETTINGS}
      StrCpy $0 "the file is larger than settings get (64 KB)"
      Goto done
    ${EndIf}
  ${EndIf}
  ${If} $R0 = 1
    System::Call 'kernel32::GetCurrentProcessId() i.r1'
    ; The name the programs give their new file: Options removes one left
    ; behind once its process is gone.
    StrCpy $R2 "${SETTINGS_FILE}.$1.tmp"
    ClearErrors
    FileOpen $R3 "$R2" w
    ${If} ${Errors}
      StrCpy $R3 ""
      StrCpy $0 "no new file can be written in its folder"
      Goto done
    ${EndIf}
  ${EndIf}

  ${If} $R1 != ""
    ${Do}
      ClearErrors
      FileReadByte $R1 $R4
      ${IfThen} ${Errors} ${|} ${ExitDo} ${|}
      IntOp $R8 $R8 + 1
      ${If} $R5 = 7
        ; Line 8 is not copied: "Fit" takes its place.
        ${If} $R4 = 10
          IntOp $R5 $R5 + 1
          ${IfThen} $R3 == "" ${|} ${ExitDo} ${|}
          FileWrite $R3 "Fit$\r$\n"
          StrCpy $R7 10
        ${Else}
          StrLen $1 $R6
          ; Longer than any spelling of "Fit" with its CR.
          ${IfThen} $1 < 16 ${|} StrCpy $R6 "$R6$R4," ${|}
        ${EndIf}
      ${ElseIf} $R3 != ""
        FileWriteByte $R3 $R4
        StrCpy $R7 $R4
      ${EndIf}
      ${If} ${Errors}
        StrCpy $R7 -2
        ${ExitDo}
      ${EndIf}
      ${If} $R5 < 7
      ${AndIf} $R4 = 10
        IntOp $R5 $R5 + 1
      ${EndIf}
    ${Loop}
  ${EndIf}
  ; "Fit", or "Fit" and a CR: of its CR LF, or a lone one, which the bar drops.
  ${If} $R6 S== "70,105,116,"
  ${OrIf} $R6 S== "70,105,116,13,"
    StrCpy $0 "on"
    Goto done
  ${EndIf}
  ${If} $R0 = 0
    StrCpy $0 "off"
    Goto done
  ${EndIf}
  ${If} $R7 = -2
    StrCpy $0 "the new file could not be written"
    Goto done
  ${EndIf}
  ; Every byte read: not an error taken for the end.
  ${If} $R8 <> $R9
    StrCpy $0 "the file cannot be read"
    Goto done
  ${EndIf}

  ClearErrors
  ${If} $R1 == ""
    FileWrite $R3 "${DEFAULT_SETTINGS}"
    StrCpy $R5 7
  ${ElseIf} $R5 < 7
    ; A last line without its line end gets one; then empty lines up to line 7.
    ${If} $R7 = 13
      FileWrite $R3 "$\n"
      IntOp $R5 $R5 + 1
    ${ElseIf} $R7 <> 10
    ${AndIf} $R7 <> -1
      FileWrite $R3 "$\r$\n"
      IntOp $R5 $R5 + 1
    ${EndIf}
    ${DoWhile} $R5 < 7
      FileWrite $R3 "$\r$\n"
      IntOp $R5 $R5 + 1
    ${Loop}
  ${EndIf}
  ${IfThen} $R5 = 7 ${|} FileWrite $R3 "Fit$\r$\n" ${|}
  System::Call 'kernel32::FlushFileBuffers(p R3) i.r1'
  ${If} ${Errors}
  ${OrIf} $1 = 0
    StrCpy $0 "the new file could not be written"
    Goto done
  ${EndIf}
  FileClose $R3
  StrCpy $R3 ""
  ${If} $R1 != ""
    FileClose $R1
    StrCpy $R1 ""
  ${EndIf}
  ; A program reading the file keeps it from being replaced for a moment.
  StrCpy $R5 0
  ${Do}
    ; MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH
    System::Call 'kernel32::MoveFileExW(w R2, w "${SETTINGS_FILE}", i 9) i.r1 ?e'
    Pop $R6
    ${If} $1 <> 0
      StrCpy $0 "on"
      ${ExitDo}
    ${EndIf}
    ${If} $R6 = 5 ; ERROR_ACCESS_DENIED
    ${OrIf} $R6 = 32 ; ERROR_SHARING_VIOLATION
      ${If} $R5 < ${SETTINGS_WAIT_TENTHS}
        Sleep 100
        IntOp $R5 $R5 + 1
        ${Continue}
      ${EndIf}
    ${EndIf}
    ; FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS
    System::Call 'kernel32::FormatMessageW(i 0x1200, p 0, i R6, i 0, w .r1, i ${NSIS_MAX_STRLEN}, p 0)'
    StrCpy $0 "the file could not be replaced ($R6: $1)"
    ${ExitDo}
  ${Loop}

  done:
  ${IfThen} $R1 != "" ${|} FileClose $R1 ${|}
  ${IfThen} $R3 != "" ${|} FileClose $R3 ${|}
  ${IfThen} $R2 != "" ${|} Delete "$R2" ${|}
  Pop $1
  Pop $R9
  Pop $R8
  Pop $R7
  Pop $R6
  Pop $R5
  Pop $R4
  Pop $R3
  Pop $R2
  Pop $R1
  Pop $R0
FunctionEnd

; Sets line 8 to Fit; $0 = 1 when it reads Fit afterwards. A box (a line of
; the details when silent) says why not.
Function WriteFit
  Push 1
  Call FitLine
  ${If} $0 == "on"
    DetailPrint "Line 8 of ${SETTINGS_FILE} reads Fit: Veltrana fits itself to the screen."
    StrCpy $0 1
  ${Else}
    DetailPrint "Line 8 of ${SETTINGS_FILE} was not set to Fit: $0."
    MessageBox MB_OK|MB_ICONEXCLAMATION "Setup could not make Veltrana fit this screen: $0. Your settings file $\"${SETTINGS_FILE}$\" was left as it was; Veltrana Options can turn fitting on." /SD IDOK
    StrCpy $0 0
  ${EndIf}
FunctionEnd
