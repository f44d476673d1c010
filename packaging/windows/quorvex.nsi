; Quorvex's Windows installer: for the current user, no administrator rights.
; makensis -DVERSION=1.3.0 -DSTAGE=dir -DSTAGE_LIST=files.nsh -DICON=quorvex.ico -DOUTFILE=setup.exe quorvex.nsi
; Silent: setup.exe /S (and uninstall.exe /S).
; A 64-bit installer for a 64-bit program (and Wine without its 32-bit half runs it).
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!define APP "Quorvex"
!define PUBLISHER "Velmora"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorvex"
!define OPEN_WITH_APP "Software\Classes\Applications\quorvex.exe"
!define OPEN_WITH_LIST "Software\Classes\.txt\OpenWithList\quorvex.exe"
!define OPEN_WITH_VERB "Software\Classes\SystemFileAssociations\.txt\shell\Quorvex"

Name "${APP} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${APP}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${APP} ${VERSION}"

!include "MUI2.nsh"
!include "FileFunc.nsh"
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\quorvex.exe"
!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "${APP}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "${APP} Setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "${PUBLISHER}"

Section "Quorvex"
  SetShellVarContext current
  SetOutPath "$INSTDIR"
  File /r "${STAGE}\*.*"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateShortcut "$SMPROGRAMS\${APP}.lnk" "$INSTDIR\quorvex.exe" "" "$INSTDIR\quorvex.exe" 0

  ; "Open with" for text files: in the Open with list, and as its own entry.
  WriteRegStr HKCU "${OPEN_WITH_APP}" "FriendlyAppName" "${APP}"
  WriteRegStr HKCU "${OPEN_WITH_APP}\SupportedTypes" ".txt" ""
  WriteRegStr HKCU "${OPEN_WITH_APP}\shell\open\command" "" '"$INSTDIR\quorvex.exe" "%1"'
  WriteRegStr HKCU "${OPEN_WITH_LIST}" "" ""
  WriteRegStr HKCU "${OPEN_WITH_VERB}" "" "Open with ${APP}"
  WriteRegStr HKCU "${OPEN_WITH_VERB}" "Icon" "$INSTDIR\quorvex.exe"
  WriteRegStr HKCU "${OPEN_WITH_VERB}\command" "" '"$INSTDIR\quorvex.exe" "%1"'

  ; Apps & features.
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${APP}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\quorvex.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
  SetShellVarContext current
  ; Only what the installer put there (pack.sh lists it): the folder may hold the
  ; player's own files too, and those stay.
  !include "${STAGE_LIST}"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${APP}.lnk"
  DeleteRegKey HKCU "${OPEN_WITH_APP}"
  DeleteRegKey HKCU "${OPEN_WITH_LIST}"
  DeleteRegKey HKCU "${OPEN_WITH_VERB}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  ; The player's settings (Software\Velmora\Quorvex) stay, for a later install.
SectionEnd
