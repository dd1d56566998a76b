; The Windows installer of trailcam-setup: the two programs and what they load, a Start-menu
; entry with the program's icon, and an uninstaller that takes away exactly what was installed.
; It installs for the user who runs it, without asking for an administrator.
;   makensis -DVERSION=2.1 -DICON=app_icon.ico -DFILES=files.nsh -DOUTFILE=setup.exe installer.nsi
; FILES lists the deployed files (tools/windows.sh writes it): INSTALL_FILES and REMOVE_FILES.
; A 64-bit installer, as the programs are (and so Wine needs no 32-bit part to check it).
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!define PRODUCT "trailcam-setup"
!define MENU_ENTRY "Trail camera setup"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"

!include "MUI2.nsh"
!include "${FILES}"

Name "${MENU_ENTRY} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}.0.0"
VIAddVersionKey "FileDescription" "${MENU_ENTRY} installer"
VIAddVersionKey "CompanyName" "trailcam-setup developers"
VIAddVersionKey "LegalCopyright" "Copyright 2026 trailcam-setup developers, GNU GPL version 3 or later"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\trailcam-setup.exe"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"

Section "Install"
    SetShellVarContext current
    SetOutPath "$INSTDIR"
    !insertmacro INSTALL_FILES
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortCut "$SMPROGRAMS\${MENU_ENTRY}.lnk" "$INSTDIR\trailcam-setup.exe" "" \
        "$INSTDIR\trailcam-setup.exe" 0
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${MENU_ENTRY}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "trailcam-setup developers"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\trailcam-setup.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    SetShellVarContext current
    Delete "$SMPROGRAMS\${MENU_ENTRY}.lnk"
    !insertmacro REMOVE_FILES
    Delete "$INSTDIR\uninstall.exe"
    ; Only folders left empty go: a localisation file the user put beside the program stays.
    RMDir "$INSTDIR"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
