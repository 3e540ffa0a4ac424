; SPDX-License-Identifier: GPL-3.0-or-later
; The Windows installer: lentaro.exe and its help in C:\Program Files\Kestrano, the
; folder the program's help path names; a Start-menu shortcut; an entry under Installed
; apps; an uninstaller that takes away all of it. /S installs silently. It speaks Thai on a
; Windows whose display language is Thai, and English on any other.
; makensis -INPUTCHARSET UTF8 -DVERSION=1.0 -DSTAGE=<folder with the files> \
;     -DOUTFILE=<setup.exe> lentaro.nsi
;
; Exit codes, of the installer and of an uninstaller run as RemoveInstalled runs it:
;   0 done; 1 cancelled by the user; 2 stopped with nothing changed, because a Lentaro
;   is running, or (installer) a newer Lentaro is installed and was kept, or the
;   installed one could not be uninstalled first.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"
!include "WordFunc.nsh"

!define KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Lentaro"
; Held by every running lentaro.exe (src/platform/shell/RunningMark.cpp).
!define RUNNING_MUTEX "Global\org.example.Lentaro.running"
!define /ifndef ERROR_ACCESS_DENIED 5
!define /ifndef SYNCHRONIZE 0x00100000
!searchparse /noerrors "${VERSION}" "" VERSION_MAJOR "." VERSION_MINOR
!define /ifndef VERSION_MINOR 0

Name "Lentaro ${VERSION}"
OutFile "${OUTFILE}"
; Fixed: the help path inside the program names this folder.
InstallDir "$PROGRAMFILES64\Kestrano"
ShowInstDetails show
ShowUninstDetails show

; What Explorer shows in the Properties of setup.exe and of the uninstall.exe it writes,
; and Windows in its prompts: the same as lentaro.exe carries.
VIProductVersion "${VERSION_MAJOR}.${VERSION_MINOR}.0.0"
VIFileVersion "${VERSION_MAJOR}.${VERSION_MINOR}.0.0"

!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE.txt"
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; NSIS takes the language that matches Windows' display language, and the first for any
; other. The licence is the GPL's own text in both.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Thai"

VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "Lentaro"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "The Lentaro developers"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "Lentaro installer and uninstaller"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "GPL-3.0-or-later"

LangString Running ${LANG_ENGLISH} "Lentaro is running. Close it, then choose Retry.$\r$\n$\r$\nCancel leaves everything as it is."
LangString Running ${LANG_THAI} "Lentaro กำลังทำงานอยู่ โปรดปิดโปรแกรมก่อน แล้วเลือก ลองใหม่$\r$\n$\r$\nหากเลือก ยกเลิก ทุกอย่างจะคงไว้ตามเดิม"
LangString Newer ${LANG_ENGLISH} "Lentaro $R0 is installed, which is newer than this Lentaro ${VERSION}.$\r$\n$\r$\nReplace it with Lentaro ${VERSION}?"
LangString Newer ${LANG_THAI} "เครื่องนี้มี Lentaro $R0 ซึ่งใหม่กว่า Lentaro ${VERSION} ชุดนี้ติดตั้งอยู่แล้ว$\r$\n$\r$\nต้องการแทนที่ด้วย Lentaro ${VERSION} หรือไม่"
LangString Removing ${LANG_ENGLISH} "Uninstalling Lentaro $R0 first"
LangString Removing ${LANG_THAI} "กำลังถอนการติดตั้ง Lentaro $R0 ก่อน"
LangString NotRemoved ${LANG_ENGLISH} "The installed Lentaro $R0 could not be uninstalled (exit code $0), so Lentaro ${VERSION} was not installed."
LangString NotRemoved ${LANG_THAI} "ไม่สามารถถอนการติดตั้ง Lentaro $R0 ที่มีอยู่ได้ (รหัส $0) จึงไม่ได้ติดตั้ง Lentaro ${VERSION}"

; A running Lentaro keeps its files from being replaced or deleted: the user closes it, or
; nothing is changed. Under /S nobody can close it, and the answer is Cancel.
!macro WAIT_TILL_CLOSED UN
Function ${UN}WaitTillClosed
    ${Do}
        System::Call 'kernel32::OpenMutexW(i ${SYNCHRONIZE}, i 0, w "${RUNNING_MUTEX}") p.r0 ?e'
        Pop $1
        ${If} $0 P<> 0
            System::Call 'kernel32::CloseHandle(p r0)'
        ${ElseIf} $1 <> ${ERROR_ACCESS_DENIED} ; denied: another user's Lentaro
            ${Break}
        ${EndIf}
        ${If} ${Cmd} `MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(Running)" /SD IDCANCEL IDCANCEL`
            SetErrorLevel 2
            Quit
        ${EndIf}
    ${Loop}
FunctionEnd
!macroend
!insertmacro WAIT_TILL_CLOSED ""
!insertmacro WAIT_TILL_CLOSED "un."

Function .onInit
    SetRegView 64
    SetShellVarContext all
    Call WaitTillClosed
    ; Going back a version is the user's choice, never a silent one.
    ReadRegStr $R0 HKLM "${KEY}" "DisplayVersion"
    ${If} $R0 != ""
        ${VersionCompare} "$R0" "${VERSION}" $1
        ${If} $1 = 1
        ${AndIfNot} ${Cmd} `MessageBox MB_YESNO|MB_ICONEXCLAMATION "$(Newer)" /SD IDNO IDYES`
            SetErrorLevel 2
            Quit
        ${EndIf}
    ${EndIf}
FunctionEnd

; An installed Lentaro, of any version, goes first, by its own uninstaller: it alone knows
; its files, which may not be this version's. Run as NSIS documents it, from a copy and
; told where the installation is (_?=), the uninstaller works in place and is waited for.
; An installation whose uninstaller is missing is installed over.
Function RemoveInstalled
    ReadRegStr $R0 HKLM "${KEY}" "DisplayVersion"
    ReadRegStr $R1 HKLM "${KEY}" "InstallLocation"
    ${If} $R1 == ""
    ${OrIfNot} ${FileExists} "$R1\uninstall.exe"
        Return
    ${EndIf}
    DetailPrint "$(Removing)"
    InitPluginsDir
    ClearErrors
    CopyFiles /SILENT "$R1\uninstall.exe" "$PLUGINSDIR\uninstall.exe"
    ExecWait '"$PLUGINSDIR\uninstall.exe" /S _?=$R1' $0
    ${If} ${Errors}
    ${OrIf} $0 <> 0
        MessageBox MB_OK|MB_ICONSTOP "$(NotRemoved)" /SD IDOK
        SetErrorLevel 2
        Quit
    ${EndIf}
FunctionEnd

Section "Lentaro"
    ; Asked again: it may have been started while the licence was read.
    Call WaitTillClosed
    Call RemoveInstalled
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
    WriteRegDWORD HKLM "${KEY}" "VersionMajor" ${VERSION_MAJOR}
    WriteRegDWORD HKLM "${KEY}" "VersionMinor" ${VERSION_MINOR}
    WriteRegStr HKLM "${KEY}" "Publisher" "The Lentaro developers"
    WriteRegStr HKLM "${KEY}" "DisplayIcon" "$INSTDIR\lentaro.exe"
    WriteRegStr HKLM "${KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${KEY}" "NoRepair" 1
    ; What the files take on disk, uninstaller included, in KiB as Windows expects it.
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKLM "${KEY}" "EstimatedSize" $0
SectionEnd

Function un.onInit
    SetRegView 64
    SetShellVarContext all
    Call un.WaitTillClosed
FunctionEnd

Section "Uninstall"
    Call un.WaitTillClosed
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
