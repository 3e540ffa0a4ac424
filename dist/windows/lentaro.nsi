; SPDX-License-Identifier: GPL-3.0-or-later
; The Windows installer: lentaro.exe and its help in C:\Program Files\Kestrano, the
; folder the program's help path names; a Start-menu shortcut; an uninstaller that
; takes away all of it. /S installs silently.
; makensis -DVERSION=1.0 -DSTAGE=<folder with the files> -DOUTFILE=<setup.exe> lentaro.nsi
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include "x64.nsh"
!define KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Lentaro"

Name "Lentaro ${VERSION}"
OutFile "${OUTFILE}"
; Fixed: the help path inside the program names this folder.
InstallDir "$PROGRAMFILES64\Kestrano"
ShowInstDetails show
LicenseData "${STAGE}\LICENSE.txt"

Page license
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Function .onInit
    SetRegView 64
    SetShellVarContext all
FunctionEnd

Function un.onInit
    SetRegView 64
    SetShellVarContext all
FunctionEnd

Section "Lentaro"
    SetOutPath "$INSTDIR"
    File "${STAGE}\lentaro.exe"
    File "${STAGE}\HELP_LT.HLP"
    File "${STAGE}\HELP_LT.th.HLP"
    File "${STAGE}\LICENSE.txt"
    File "${STAGE}\README.txt"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\Lentaro.lnk" "$INSTDIR\lentaro.exe"
    WriteRegStr HKLM "${KEY}" "DisplayName" "Lentaro"
    WriteRegStr HKLM "${KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${KEY}" "Publisher" "The Lentaro developers"
    WriteRegStr HKLM "${KEY}" "DisplayIcon" "$INSTDIR\lentaro.exe"
    WriteRegStr HKLM "${KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    Delete "$INSTDIR\lentaro.exe"
    Delete "$INSTDIR\HELP_LT.HLP"
    Delete "$INSTDIR\HELP_LT.th.HLP"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\README.txt"
    Delete "$INSTDIR\uninstall.exe"
    Delete "$SMPROGRAMS\Lentaro.lnk"
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${KEY}"
SectionEnd
