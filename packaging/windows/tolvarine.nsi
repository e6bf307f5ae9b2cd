; SPDX-License-Identifier: GPL-3.0-or-later
; The installer of Tolvarine for Windows: for the current user or for all
; users, with Start-menu entries for the program and its read-me and an
; uninstaller that removes every file, folder, shortcut and registry key it
; made. makensis is given:
;   -DVERSION=<version> -DLEGAL=<copyright and licence line>
;   -DEXE=<Tolvarine.exe> -DLICENSE=<licence text>
;   -DNOTICES=<third-party notices> -DREADME=<the installed program's read-me>
;   -DOUTFILE=<setup.exe>
; Silent use: /S, with /CurrentUser or /AllUsers to choose for whom.
; A 64-bit installer for a 64-bit program: it sees the 64-bit Program Files
; folder and registry.
Target amd64-unicode
SetCompressor /SOLID lzma

!define APP Tolvarine
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${APP}"
!define README_LINK "$SMPROGRAMS\${APP} - Citiți-mă.lnk"

Name "${APP}"
OutFile "${OUTFILE}"
BrandingText "${APP} ${VERSION}"

!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_INSTALLMODE_INSTDIR "${APP}"
!define MULTIUSER_USE_PROGRAMFILES64
!include MultiUser.nsh
!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=0 "ProductName" "${APP}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileDescription" "${APP} ${VERSION} Setup"
VIAddVersionKey /LANG=0 "LegalCopyright" "${LEGAL}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\${APP}.exe"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The first language is the one used where Windows speaks neither.
; NSIS's Romanian texts lack those of the page that asks for whom to install.
!define MULTIUSER_TEXT_INSTALLMODE_TITLE "Alegeți utilizatorii"
!define MULTIUSER_TEXT_INSTALLMODE_SUBTITLE \
    "Alegeți pentru care utilizatori doriți să instalați $(^NameDA)."
!define MULTIUSER_INNERTEXT_INSTALLMODE_TOP \
    "Alegeți dacă instalați $(^NameDA) doar pentru dumneavoastră sau pentru toți utilizatorii acestui calculator. $(^ClickNext)"
!define MULTIUSER_INNERTEXT_INSTALLMODE_ALLUSERS "Instalare pentru toți utilizatorii acestui calculator"
!define MULTIUSER_INNERTEXT_INSTALLMODE_CURRENTUSER "Instalare doar pentru mine"
!insertmacro MUI_LANGUAGE "Romanian"
!insertmacro MUI_LANGUAGE "English"

Function .onInit
    !insertmacro MULTIUSER_INIT
FunctionEnd

Function un.onInit
    !insertmacro MULTIUSER_UNINIT
    ; Started from its folder without /CurrentUser or /AllUsers, the
    ; uninstaller removes the installation it belongs to.
    ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 == $INSTDIR
        Call un.MultiUser.InstallMode.CurrentUser
    ${EndIf}
FunctionEnd

Section "${APP}"
    SetOutPath "$INSTDIR"
    File "/oname=${APP}.exe" "${EXE}"
    File "/oname=LICENSE.txt" "${LICENSE}"
    File "/oname=THIRD-PARTY.txt" "${NOTICES}"
    File "/oname=README.txt" "${README}"
    WriteUninstaller "$INSTDIR\Uninstall.exe"
    CreateShortCut "$SMPROGRAMS\${APP}.lnk" "$INSTDIR\${APP}.exe"
    CreateShortCut "${README_LINK}" "$INSTDIR\README.txt"

    ; Apps & features: SHCTX is the current user's or the machine's keys,
    ; as the install mode chose.
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${APP}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${APP}.exe"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${APP}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" \
        '"$INSTDIR\Uninstall.exe" /$MultiUser.InstallMode'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" \
        '"$INSTDIR\Uninstall.exe" /S /$MultiUser.InstallMode'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
    Delete "$SMPROGRAMS\${APP}.lnk"
    Delete "${README_LINK}"
    Delete "$INSTDIR\${APP}.exe"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\THIRD-PARTY.txt"
    Delete "$INSTDIR\README.txt"
    Delete "$INSTDIR\Uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd
