; The Windows installer, made with NSIS's makensis by
; scripts/windows-installer.sh from the folder the zip is made of. It
; installs for the current user, needing no administrator, into
; %LOCALAPPDATA%\Programs\fudayomi; with /ALLUSERS (an administrator's, for a
; club's shared PC) into Program Files with Start-menu entries for every user.
; The uninstaller it leaves there tells the programs that they are installed,
; so they keep each user's settings, voices and lists in the user's own
; folders, which the uninstaller never touches.
;   makensis -DVERSION=1.0.0 -DSTAGE=dir -DICON=file.ico -DFILES=list.nsh
;            -DOUTFILE=setup.exe installer.nsi
Unicode true
; The programs are 64-bit, and so is the Wine the tests run it in.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh

!define PRODUCT "fudayomi"
!define PUBLISHER "fudayomi"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\fudayomi"
!define UNINSTALLER "uninstall.exe"

Name "$(ProductName)"
OutFile "${OUTFILE}"
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=0 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileDescription" "fudayomi setup"
VIAddVersionKey /LANG=0 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=0 "LegalCopyright" "${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_UNCONFIRMPAGE_TEXT_TOP "$(KeptOnUninstall)"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The first language is the one for systems in neither.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Japanese"

LangString ProductName ${LANG_ENGLISH} "fudayomi ${VERSION}"
LangString ProductName ${LANG_JAPANESE} "ふだよみ ${VERSION}"
LangString ReaderJa ${LANG_ENGLISH} "Fudayomi (Japanese)"
LangString ReaderJa ${LANG_JAPANESE} "ふだよみ"
LangString ReaderEn ${LANG_ENGLISH} "Fudayomi (English)"
LangString ReaderEn ${LANG_JAPANESE} "ふだよみ（英語版）"
LangString MemotimerJa ${LANG_ENGLISH} "Fudayomi Countdown (Japanese)"
LangString MemotimerJa ${LANG_JAPANESE} "ふだよみ 暗記タイマー"
LangString MemotimerEn ${LANG_ENGLISH} "Fudayomi Countdown (English)"
LangString MemotimerEn ${LANG_JAPANESE} "ふだよみ 暗記タイマー（英語版）"
LangString ReadMe ${LANG_ENGLISH} "Fudayomi Read-me"
LangString ReadMe ${LANG_JAPANESE} "ふだよみ 説明書"
LangString CannotWrite ${LANG_ENGLISH} "The folder $INSTDIR cannot be written to.$\r$\n$\r$\nChoose a folder of your own, such as $LOCALAPPDATA\Programs\fudayomi, or run the installer as a user who may write there."
LangString CannotWrite ${LANG_JAPANESE} "フォルダ $INSTDIR に書き込めません。$\r$\n$\r$\n$LOCALAPPDATA\Programs\fudayomi のような自分のフォルダを選ぶか、そこに書き込める利用者でインストーラーを実行してください。"
LangString KeptOnUninstall ${LANG_ENGLISH} "fudayomi will be removed from your computer. Your settings ($APPDATA\fudayomi), your voices and your reading lists ($LOCALAPPDATA\fudayomi) are kept."
LangString KeptOnUninstall ${LANG_JAPANESE} "ふだよみをこのコンピューターから削除します。設定（$APPDATA\fudayomi）、読手の音声、読唱順リスト（$LOCALAPPDATA\fudayomi）は残ります。"

; The Start-menu folder and the Apps entry of an install for every user are
; everyone's; the messages name the user's own folders whatever the install.
Var AllUsers
!macro ForEveryone
  ${If} $AllUsers == 1
    SetShellVarContext all
  ${EndIf}
!macroend

; The Start-menu entries in both languages' names, so that an uninstaller
; run in the other language still finds the ones made.
!macro RemoveShortcuts
  !insertmacro RemoveShortcutsIn ${LANG_ENGLISH}
  !insertmacro RemoveShortcutsIn ${LANG_JAPANESE}
  RMDir "$SMPROGRAMS\fudayomi"
!macroend
!macro RemoveShortcutsIn LANGUAGE
  Push $LANGUAGE
  StrCpy $LANGUAGE ${LANGUAGE}
  Delete "$SMPROGRAMS\fudayomi\$(ReaderJa).lnk"
  Delete "$SMPROGRAMS\fudayomi\$(ReaderEn).lnk"
  Delete "$SMPROGRAMS\fudayomi\$(MemotimerJa).lnk"
  Delete "$SMPROGRAMS\fudayomi\$(MemotimerEn).lnk"
  Delete "$SMPROGRAMS\fudayomi\$(ReadMe).lnk"
  Pop $LANGUAGE
!macroend

Section "fudayomi"
  ; A folder that cannot be written is told plainly, before anything is
  ; copied, rather than file by file.
  ClearErrors
  CreateDirectory "$INSTDIR"
  FileOpen $0 "$INSTDIR\install.tmp" w
  ${If} ${Errors}
    MessageBox MB_OK|MB_ICONSTOP "$(CannotWrite)" /SD IDOK
    SetErrorLevel 2
    Quit
  ${EndIf}
  FileClose $0
  Delete "$INSTDIR\install.tmp"

  ; An earlier version's entries go first: their names may differ.
  !insertmacro ForEveryone
  !insertmacro RemoveShortcuts
  SetOutPath "$INSTDIR"
  SetOverwrite on
  File "${STAGE}\reader-ja.exe"
  File "${STAGE}\reader-en.exe"
  File "${STAGE}\memotimer-ja.exe"
  File "${STAGE}\memotimer-en.exe"
  File "${STAGE}\README.txt"
  File "/oname=fudayomi-sample.ini" "${STAGE}\fudayomi.ini"
  File /r "${STAGE}\data"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"

  ; Shortcuts start in the installation folder; the programs then move to
  ; the user's own.
  CreateDirectory "$SMPROGRAMS\fudayomi"
  CreateShortCut "$SMPROGRAMS\fudayomi\$(ReaderJa).lnk" "$INSTDIR\reader-ja.exe" "" "$INSTDIR\reader-ja.exe" 0
  CreateShortCut "$SMPROGRAMS\fudayomi\$(ReaderEn).lnk" "$INSTDIR\reader-en.exe" "" "$INSTDIR\reader-en.exe" 0
  CreateShortCut "$SMPROGRAMS\fudayomi\$(MemotimerJa).lnk" "$INSTDIR\memotimer-ja.exe" "" "$INSTDIR\memotimer-ja.exe" 0
  CreateShortCut "$SMPROGRAMS\fudayomi\$(MemotimerEn).lnk" "$INSTDIR\memotimer-en.exe" "" "$INSTDIR\memotimer-en.exe" 0
  CreateShortCut "$SMPROGRAMS\fudayomi\$(ReadMe).lnk" "$INSTDIR\README.txt"

  ; Apps: the name, version, publisher, icon and size shown there.
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "$(ProductName)"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\reader-ja.exe,0"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" "$0"
SectionEnd

; Only what was installed goes; the user's folders under %APPDATA% and
; %LOCALAPPDATA% are not the installation's.
Section "Uninstall"
  DetailPrint "$(KeptOnUninstall)"
  !insertmacro ForEveryone
  !insertmacro RemoveShortcuts
  Delete "$INSTDIR\reader-ja.exe"
  Delete "$INSTDIR\reader-en.exe"
  Delete "$INSTDIR\memotimer-ja.exe"
  Delete "$INSTDIR\memotimer-en.exe"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\fudayomi-sample.ini"
  !include "${FILES}"
  Delete "$INSTDIR\${UNINSTALLER}"
  RMDir "$INSTDIR"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd

; An install for every user is asked for with /ALLUSERS; otherwise the
; current user's. /D= on the command line has set $INSTDIR already and wins;
; else an earlier install's folder of the same kind is offered again.
Function .onInit
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/ALLUSERS" $1
  ${IfNot} ${Errors}
    StrCpy $AllUsers 1
  ${EndIf}
  ${If} $INSTDIR == ""
    !insertmacro ForEveryone
    ReadRegStr $INSTDIR SHCTX "${UNINSTALL_KEY}" "InstallLocation"
    SetShellVarContext current
  ${EndIf}
  ${If} $INSTDIR == ""
  ${AndIf} $AllUsers == 1
    StrCpy $INSTDIR "$PROGRAMFILES64\fudayomi"
  ${ElseIf} $INSTDIR == ""
    StrCpy $INSTDIR "$LOCALAPPDATA\Programs\fudayomi"
  ${EndIf}
FunctionEnd

; The uninstaller knows an install for every user by the key it left.
Function un.onInit
  SetShellVarContext all
  ReadRegStr $1 SHCTX "${UNINSTALL_KEY}" "InstallLocation"
  SetShellVarContext current
  ${If} $1 == $INSTDIR
    StrCpy $AllUsers 1
  ${EndIf}
FunctionEnd
