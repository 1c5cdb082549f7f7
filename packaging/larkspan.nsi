; The per-user installer of Larkspan: no administrator, installs into the user's own
; %LOCALAPPDATA%\Programs\Larkspan, in Japanese or English as the Windows display language is (no
; language dialog), silent with /S. Built by packaging/pack:
;
;   makensis -INPUTCHARSET UTF8 -DVERSION=1.2.3 -DSTAGE=dir -DICON=app.ico -DOUTFILE=setup.exe [-DSIGN=sign] larkspan.nsi
;
; STAGE holds larkspan.exe, larkspan.html, larkspan.en.html, larkspan.css, screenshot.png,
; screenshot.en.png and LICENSE.txt, with the times they are to carry. SIGN, when given, is a command that signs the
; executable it is handed in place: makensis runs it on the uninstaller before packing it and on the
; finished installer.

Unicode true
Target amd64-unicode  ; the program is 64-bit only
RequestExecutionLevel user
ManifestDPIAware true
SetCompressor /SOLID lzma
AllowSkipFiles off  ; a file that cannot be written fails the installation, silent or not

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh

!define APP "Larkspan"
!define PUBLISHER "Quorvane"
!define UNINST_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Larkspan"
!define SETTINGS_KEY "Software\Quorvane\Larkspan100"
; The program's hidden tray host, by its window class and title: closing it ends the program.
!define HOST_CLASS "Larkspan.Window"
!define HOST_TITLE "だみい"

Name "${APP}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${APP}"
InstallDirRegKey HKCU "${UNINST_KEY}" "InstallLocation"
BrandingText "${PUBLISHER}"

!ifdef SIGN
!uninstfinalize '"${SIGN}" "%1"' = 0
!finalize '"${SIGN}" "%1"' = 0
!endif

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\larkspan.exe"
; The last page also says where the checksums of the download are.
!define MUI_FINISHPAGE_TEXT "$(FinishText)"
!define MUI_FINISHPAGE_TEXT_LARGE
!define MUI_COMPONENTSPAGE_NODESC

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES

; English first: a Windows of any other language gets it. Japanese for a Japanese one.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Japanese"
; The Japanese language file asks for "ＭＳ Ｐゴシック", which not every Windows has and nothing maps: its
; pages would show boxes. "MS Shell Dlg" is the dialog face every Windows maps to a font of its language
; (the English pages keep NSIS's own, "MS Shell Dlg" at 8 points).
SetFont /LANG=${LANG_JAPANESE} "MS Shell Dlg" 9

LangString FinishText ${LANG_JAPANESE} "${APP} は、このコンピュータにインストールされました。$\r$\n$\r$\nダウンロードしたファイルは、配布元で同じ場所にある SHA256SUMS (SHA-256 の一覧) で確かめられます。$\r$\n$\r$\n「完了」をクリックしセットアップを閉じます。"
LangString FinishText ${LANG_ENGLISH} "${APP} has been installed on your computer.$\r$\n$\r$\nYou can check the files you downloaded against SHA256SUMS (a list of SHA-256 hashes) in the same place on the download site.$\r$\n$\r$\nClick Finish to close Setup."
LangString NotClosed ${LANG_JAPANESE} "${APP} を終了できませんでした。${APP} を終了してから「再試行」を押してください。"
LangString NotClosed ${LANG_ENGLISH} "${APP} could not be closed. Exit ${APP}, and then click Retry."
LangString StillRunning ${LANG_JAPANESE} "${APP} が実行中のため中止しました。"
LangString StillRunning ${LANG_ENGLISH} "Canceled because ${APP} is running."
LangString ProgramSection ${LANG_JAPANESE} "プログラム"
LangString ProgramSection ${LANG_ENGLISH} "Program"
LangString SettingsSection ${LANG_JAPANESE} "設定を削除する"
LangString SettingsSection ${LANG_ENGLISH} "Delete settings"

VIProductVersion "${VERSION}.0"
!macro VERSION_KEYS lang description
VIAddVersionKey /LANG=${lang} "ProductName" "${APP}"
VIAddVersionKey /LANG=${lang} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${lang} "FileDescription" "${description}"
VIAddVersionKey /LANG=${lang} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${lang} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${lang} "LegalCopyright" "Copyright (c) ${PUBLISHER}"
!macroend
!insertmacro VERSION_KEYS ${LANG_JAPANESE} "${APP} セットアップ"
!insertmacro VERSION_KEYS ${LANG_ENGLISH} "${APP} Setup"

; A running Larkspan holds its executable open. Closing its tray host saves its settings and ends it,
; whatever dialog or message box it has open (a dialog keeps the main panel from taking a close); then
; wait (up to 10 s) until the executable can be written, so that no file stays locked.
!macro CLOSE_RUNNING_FUNCTION prefix
Function ${prefix}CloseRunning
  retry:
  StrCpy $1 0
  ${Do}
    FindWindow $0 "${HOST_CLASS}" "${HOST_TITLE}"
    ${If} $0 <> 0
      SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=5000
    ${EndIf}
    ${IfNot} ${FileExists} "$INSTDIR\larkspan.exe"
      Return
    ${EndIf}
    ClearErrors
    FileOpen $2 "$INSTDIR\larkspan.exe" a
    ${IfNot} ${Errors}
      FileClose $2
      Return
    ${EndIf}
    ${If} $1 >= 50
      ${ExitDo}
    ${EndIf}
    Sleep 200
    IntOp $1 $1 + 1
  ${Loop}
  MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(NotClosed)" /SD IDCANCEL IDRETRY retry
  Abort "$(StillRunning)"
FunctionEnd
!macroend
!insertmacro CLOSE_RUNNING_FUNCTION ""
!insertmacro CLOSE_RUNNING_FUNCTION "un."

Function .onInit
  SetShellVarContext current
FunctionEnd

Section "${APP}"
  SectionIn RO
  Call CloseRunning
  SetOutPath "$INSTDIR"
  File "${STAGE}\larkspan.exe"
  File "${STAGE}\larkspan.html"
  File "${STAGE}\larkspan.en.html"
  File "${STAGE}\screenshot.png"
  File "${STAGE}\screenshot.en.png"
  File "${STAGE}\larkspan.css"
  File "${STAGE}\LICENSE.txt"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\${APP}.lnk" "$INSTDIR\larkspan.exe"

  WriteRegStr HKCU "${UNINST_KEY}" "DisplayName" "${APP}"
  WriteRegStr HKCU "${UNINST_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINST_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINST_KEY}" "DisplayIcon" "$INSTDIR\larkspan.exe,0"
  WriteRegStr HKCU "${UNINST_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINST_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINST_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINST_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINST_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINST_KEY}" "EstimatedSize" $0
SectionEnd

Function un.onInit
  SetShellVarContext current
FunctionEnd

; Only what the installer and the program made; the settings stay unless the user asks.
Section "un.$(ProgramSection)"
  SectionIn RO
  Call un.CloseRunning
  Delete "$INSTDIR\larkspan.exe"
  Delete "$INSTDIR\larkspan.html"
  Delete "$INSTDIR\larkspan.en.html"
  Delete "$INSTDIR\screenshot.png"
  Delete "$INSTDIR\screenshot.en.png"
  Delete "$INSTDIR\larkspan.css"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${APP}.lnk"
  Delete "$SMSTARTUP\${APP}.lnk"  ; made by the program's start-up registration
  DeleteRegKey HKCU "${UNINST_KEY}"
SectionEnd

Section /o "un.$(SettingsSection)"
  DeleteRegKey HKCU "${SETTINGS_KEY}"
  DeleteRegKey /ifempty HKCU "Software\Quorvane"
SectionEnd
