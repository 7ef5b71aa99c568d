; The Windows installer, made by scripts/windows-package.sh as
;   makensis -DVERSION=1.5.3 -DSTAGE=<the zip's folder> -DOUTFILE=<setup.exe> glimmbar.nsi
; with absolute paths (makensis works in this folder). Installs into Program Files with the
; data files in a "data" folder below the program, which tells it it is installed: started
; where there is no glimmbar.cfg, it keeps its settings in the player's %APPDATA%\Glimmbar.
; The uninstaller removes what was installed and leaves the player's settings.
; A 64-bit installer for a 64-bit program.
Target amd64-unicode
SetCompressor /SOLID lzma
!include "MUI2.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Glimmbar"

Name "Glimmbar ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Glimmbar"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
BrandingText "Glimmbar ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "Glimmbar"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "Glimmbar ${VERSION} Setup"
VIAddVersionKey "CompanyName" "The Glimmbar developers"
VIAddVersionKey "LegalCopyright" "Copyright (c) 2026 The Glimmbar developers. MIT licence."

!define MUI_ICON "glimmbar.ico"
!define MUI_UNICON "glimmbar.ico"
!define MUI_FINISHPAGE_RUN "$INSTDIR\glimmbar.exe"
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\README.txt"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${STAGE}/LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Function .onInit
    SetRegView 64
FunctionEnd

Function un.onInit
    SetRegView 64
FunctionEnd

Section "Glimmbar"
    ; For every user of the machine, like the install folder.
    SetShellVarContext all
    SetOutPath "$INSTDIR"
    File "${STAGE}/glimmbar.exe"
    File "${STAGE}/*.dll"
    File "${STAGE}/README.txt"
    File "${STAGE}/LICENSE.txt"
    SetOutPath "$INSTDIR\platforms"
    File "${STAGE}/platforms/*.dll"
    SetOutPath "$INSTDIR\styles"
    File "${STAGE}/styles/*.dll"
    SetOutPath "$INSTDIR\licences"
    File "${STAGE}/licences/*.txt"
    SetOutPath "$INSTDIR\data"
    !include "${TABLES}"

    WriteUninstaller "$INSTDIR\uninstall.exe"
    ; Started from the Start menu in the install folder, which holds no glimmbar.cfg.
    SetOutPath "$INSTDIR"
    CreateShortcut "$SMPROGRAMS\Glimmbar.lnk" "$INSTDIR\glimmbar.exe" "" "$INSTDIR\glimmbar.exe" 0

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Glimmbar"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "The Glimmbar developers"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\glimmbar.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    SetShellVarContext all
    Delete "$SMPROGRAMS\Glimmbar.lnk"
    RMDir /r "$INSTDIR\platforms"
    RMDir /r "$INSTDIR\styles"
    RMDir /r "$INSTDIR\licences"
    RMDir /r "$INSTDIR\data"
    Delete "$INSTDIR\glimmbar.exe"
    Delete "$INSTDIR\*.dll"
    Delete "$INSTDIR\README.txt"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\uninstall.exe"
    ; Only when empty: a player's glimmbar.cfg kept here stays.
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
