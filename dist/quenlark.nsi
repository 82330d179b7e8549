; Quenlark's installer for one user (NSIS, Unicode). scripts/package builds it
; beside the zips, once for each architecture:
;
;   makensis -DVERSION=2.4.2 -DARCH=win64 -DSRCDIR=<program folder> \
;            -DOUTFILE=<quenlark-2.4.2-win64-setup.exe> dist/quenlark.nsi
;
; SRCDIR is the folder the zip holds (cmake --install ... --component program).
; No administrator: the program goes to %LOCALAPPDATA%\Programs\Quenlark, where
; the history folder beside it (Recent) can be written, and every registry
; entry is under HKEY_CURRENT_USER.
;
; Command line (besides NSIS's own /S and /D=folder):
;   setup:     /NOAUTOSTART  leave "Start with Windows" off (also in silent mode)
;   uninstall: /REMOVEDATA   remove the history and the settings too (the
;                            question the interactive uninstall asks; a silent
;                            uninstall without it keeps them)

Unicode true
ManifestDPIAware true
RequestExecutionLevel user
SetCompressor /SOLID lzma

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include Sections.nsh
!include x64.nsh

!define UNINST_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quenlark"
; "Start with Windows" is this one value, written and removed only here.
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define RUN_VALUE "Quenlark"
!define SETTINGS_KEY "Software\Kestrow\Quenlark"
; The class of the running program's hidden main window (app/QuenlarkUnit.cpp).
!define WINDOW_CLASS "TQuenlarkForm"
!define SHORTCUT "$SMPROGRAMS\Quenlark.lnk"

Name "Quenlark"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Quenlark"
; An upgrade goes where the earlier version is.
InstallDirRegKey HKCU "${UNINST_KEY}" "InstallLocation"
BrandingText "Quenlark ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=0 "ProductName" "Quenlark"
VIAddVersionKey /LANG=0 "CompanyName" "Kestrow"
VIAddVersionKey /LANG=0 "FileDescription" "Quenlark ${VERSION} setup"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "LegalCopyright" "Kestrow"

Var WasRunning   ; 1: a Quenlark was running and was asked to close
Var RemoveData   ; 1: the uninstall removes the history and the settings

!define MUI_ICON "..\resources\images\quenlark.ico"
!define MUI_UNICON "..\resources\images\quenlark.ico"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "$(RunNow)"
!define MUI_FINISHPAGE_RUN_FUNCTION StartProgram

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The first is the default; NSIS picks the one of the user's display language.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Japanese"

LangString SecStartup ${LANG_ENGLISH} "Start with Windows"
LangString SecStartup ${LANG_JAPANESE} "Windows の起動時に開始する"
LangString RunNow ${LANG_ENGLISH} "Start Quenlark now"
LangString RunNow ${LANG_JAPANESE} "Quenlark を今すぐ開始する"
LangString StillRunning ${LANG_ENGLISH} "Quenlark is running and did not close when asked.$\r$\nEnd it with $\"Exit Quenlark$\" in its tray icon's menu, then choose Retry."
LangString StillRunning ${LANG_JAPANESE} "Quenlark が実行中で、終了の依頼に応じませんでした。$\r$\nトレイアイコンのメニューの「Quenlarkの終了」で終了してから「再試行」を選んでください。"
LangString AskRemoveData ${LANG_ENGLISH} "Also remove Quenlark's history (the Recent folder in $INSTDIR) and its settings?$\r$\n$\r$\nChoose No to keep them for a later installation."
LangString AskRemoveData ${LANG_JAPANESE} "Quenlark の履歴 ($INSTDIR の Recent フォルダー) と設定も削除しますか?$\r$\n$\r$\n後でまたインストールするときのために残すには「いいえ」を選んでください。"
LangString Needs64 ${LANG_ENGLISH} "This is the 64-bit Quenlark and this Windows is 32-bit: use the win32 setup."
LangString Needs64 ${LANG_JAPANESE} "これは 64 ビット版の Quenlark ですが、この Windows は 32 ビット版です。win32 のセットアップを使ってください。"

; Asks a running Quenlark to close, as the Exit item of its menu does
; (WM_CLOSE to its hidden main window: it saves its state and ends), and waits
; for its process to end. It is never ended by force, which could cut a write
; of its history or settings short: when it does not end within 30 seconds
; (a dialog of its own may be waiting for the user), the user is asked to
; end it and retry; a silent run gives up (the files stay as they were).
; Sets WasRunning to 1 when one was running.
!macro CLOSE_RUNNING un
Function ${un}CloseRunning
  StrCpy $WasRunning 0
  ask:
  FindWindow $0 "${WINDOW_CLASS}"
  ${If} $0 = 0
    Return
  ${EndIf}
  StrCpy $WasRunning 1
  System::Call "user32::GetWindowThreadProcessId(p r0, *i 0 r1)"
  ; SYNCHRONIZE: enough to wait for the process, not to end it.
  System::Call "kernel32::OpenProcess(i 0x00100000, i 0, i r1) p .r2"
  System::Call "user32::PostMessageW(p r0, i 0x0010, p 0, p 0)"
  ${If} $2 P<> 0
    System::Call "kernel32::WaitForSingleObject(p r2, i 30000) i .r3"
    System::Call "kernel32::CloseHandle(p r2)"
  ${Else}
    ; No handle to the process: wait for its window to go instead.
    StrCpy $3 258  ; WAIT_TIMEOUT
    StrCpy $4 0
    window_waits:
    IsWindow $0 0 window_gone
    Sleep 200
    IntOp $4 $4 + 1
    IntCmp $4 150 window_waited window_waits window_waited
    window_gone:
    StrCpy $3 0
    window_waited:
  ${EndIf}
  ${If} $3 = 0
    Goto ask  ; ended; one more look, in case another was started meanwhile
  ${EndIf}
  MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(StillRunning)" /SD IDCANCEL IDRETRY ask
  SetErrorLevel 3
  Abort
FunctionEnd
!macroend
!insertmacro CLOSE_RUNNING ""
!insertmacro CLOSE_RUNNING "un."

Function StartProgram
  ; Not a second time when it was started again after an upgrade.
  FindWindow $0 "${WINDOW_CLASS}"
  ${If} $0 = 0
    Exec '"$INSTDIR\quenlark.exe"'
  ${EndIf}
FunctionEnd

Section "Quenlark" SecProgram
  SectionIn RO
  SetShellVarContext current
  Call CloseRunning
  SetOutPath "$INSTDIR"
  ; Only the program's own files: the history folder (Recent) beside them and
  ; the settings in the registry are left as they are.
  File "${SRCDIR}/quenlark.exe"
  ; The help files, when the help was built.
  !if /FileExists "${SRCDIR}/Quenlark.chm"
    File "${SRCDIR}/Quenlark.chm"
    File "${SRCDIR}/Quenlark-en.chm"
  !endif
  File "${SRCDIR}/readme-ja.txt"
  File "${SRCDIR}/readme-en.txt"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "${SHORTCUT}" "$INSTDIR\quenlark.exe"

  WriteRegStr HKCU "${UNINST_KEY}" "DisplayName" "Quenlark"
  WriteRegStr HKCU "${UNINST_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINST_KEY}" "Publisher" "Kestrow"
  WriteRegStr HKCU "${UNINST_KEY}" "DisplayIcon" "$INSTDIR\quenlark.exe,0"
  WriteRegStr HKCU "${UNINST_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINST_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINST_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINST_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINST_KEY}" "NoRepair" 1
  ; The program's files in KB, the history not counted (no subfolders).
  ${GetSize} "$INSTDIR" "/S=0K /G=0" $0 $1 $2
  WriteRegDWORD HKCU "${UNINST_KEY}" "EstimatedSize" $0
SectionEnd

Section "$(SecStartup)" SecStartup
  WriteRegStr HKCU "${RUN_KEY}" "${RUN_VALUE}" '"$INSTDIR\quenlark.exe"'
SectionEnd

Section "-Finish"
  ; Unticked (also on an upgrade): no start with Windows.
  ${IfNot} ${SectionIsSelected} ${SecStartup}
    DeleteRegValue HKCU "${RUN_KEY}" "${RUN_VALUE}"
  ${EndIf}
  ; Running before, running after.
  ${If} $WasRunning = 1
    Exec '"$INSTDIR\quenlark.exe"'
  ${EndIf}
SectionEnd

Function .onInit
  SetShellVarContext current
  !if "${ARCH}" == "win64"
    ${IfNot} ${RunningX64}
      MessageBox MB_OK|MB_ICONSTOP "$(Needs64)" /SD IDOK
      SetErrorLevel 4
      Abort
    ${EndIf}
  !endif
  ; An upgrade keeps the earlier choice of starting with Windows.
  ReadRegStr $0 HKCU "${UNINST_KEY}" "UninstallString"
  ReadRegStr $1 HKCU "${RUN_KEY}" "${RUN_VALUE}"
  ${If} $0 != ""
  ${AndIf} $1 == ""
    !insertmacro UnselectSection ${SecStartup}
  ${EndIf}
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/NOAUTOSTART" $1
  ${IfNot} ${Errors}
    !insertmacro UnselectSection ${SecStartup}
  ${EndIf}
FunctionEnd

Function un.onInit
  SetShellVarContext current
  StrCpy $RemoveData 0
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/REMOVEDATA" $1
  ${IfNot} ${Errors}
    StrCpy $RemoveData 1
  ${EndIf}
FunctionEnd

Section "Uninstall"
  Call un.CloseRunning
  Delete "$INSTDIR\quenlark.exe"
  Delete "$INSTDIR\Quenlark.chm"
  Delete "$INSTDIR\Quenlark-en.chm"
  Delete "$INSTDIR\readme-ja.txt"
  Delete "$INSTDIR\readme-en.txt"
  Delete "$INSTDIR\uninstall.exe"
  Delete "${SHORTCUT}"
  DeleteRegValue HKCU "${RUN_KEY}" "${RUN_VALUE}"
  DeleteRegKey HKCU "${UNINST_KEY}"
  ${If} $RemoveData = 0
    MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 "$(AskRemoveData)" /SD IDNO IDNO keep
    StrCpy $RemoveData 1
  ${EndIf}
  keep:
  ${If} $RemoveData = 1
    RMDir /r "$INSTDIR\Recent"
    DeleteRegKey HKCU "${SETTINGS_KEY}"
    DeleteRegKey /ifempty HKCU "Software\Kestrow"
  ${EndIf}
  ; Only when empty: a kept history keeps its folder.
  RMDir "$INSTDIR"
SectionEnd
