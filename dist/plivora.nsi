; The Windows installer of Plivora Assistant, made on Linux with makensis:
;   makensis -DDIST=<distribution folder> -DVERSION=<version> -DOUTFILE=<setup.exe> -DGUIDE_PICTURES=<nsh> [-DTARGET=amd64-unicode] [-DSIGN=<command>] plivora.nsi
; DIST holds the programs and the documents that add-documents.sh put there; GUIDE_PICTURES
; is the include it wrote, which installs and removes the guide's pictures.
; It installs for the current user, without administrator rights, so that Create can
; refresh the launcher beside the program. Silent use: setup.exe /S /D=<folder>.
Unicode true
!ifndef TARGET
  !define TARGET x86-unicode
!endif
Target ${TARGET}
!ifndef DIST
  !error "DIST must name the distribution folder"
!endif
!ifndef OUTFILE
  !define OUTFILE "PlivoraAssistant-setup.exe"
!endif
!ifndef VERSION
  !error "VERSION must name the program's version"
!endif
!ifndef GUIDE_PICTURES
  !error "GUIDE_PICTURES must name the include of the guide's pictures"
!endif
!include "${GUIDE_PICTURES}"
; SIGN signs the file it is given in place: the uninstaller before it is packed, and
; the installer once written. A failed signature fails the build.
!ifdef SIGN
  !uninstfinalize '"${SIGN}" "%1"' = 0
  !finalize '"${SIGN}" "%1"' = 0
!endif

!define PRODUCT "Plivora Assistant"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\PlivoraAssistant"
!define MENU_FOLDER "$SMPROGRAMS\${PRODUCT}"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
RequestExecutionLevel user
SetCompressor /SOLID lzma
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "CompanyName" "Corvane Software"
VIAddVersionKey "FileDescription" "${PRODUCT} ${VERSION} Setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "Copyright (C) Corvane Software"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "${PRODUCT}"
  SetShellVarContext current
  SetOutPath "$INSTDIR"
  File "${DIST}/PlivoraAssistant.exe"
  File "${DIST}/Plivora.exe"
  File "${DIST}/ReadMe.txt"
  File "${DIST}/Guide.html"
  SetOutPath "$INSTDIR\Backup"
  File "${DIST}/Backup/Plivora.exe"
  !insertmacro InstallGuidePictures
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  ; The shortcut starts the program in its own folder.
  SetOutPath "$INSTDIR"
  CreateDirectory "${MENU_FOLDER}"
  CreateShortcut "${MENU_FOLDER}\${PRODUCT}.lnk" "$INSTDIR\PlivoraAssistant.exe"
  CreateShortcut "${MENU_FOLDER}\${PRODUCT} Guide.lnk" "$INSTDIR\Guide.html"
  CreateShortcut "${MENU_FOLDER}\Uninstall ${PRODUCT}.lnk" "$INSTDIR\Uninstall.exe"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT} ${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Corvane Software"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\PlivoraAssistant.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Removes exactly what was installed: anything the user put in the folder stays, and
; so does the folder then.
Section "Uninstall"
  SetShellVarContext current
  Delete "$INSTDIR\PlivoraAssistant.exe"
  Delete "$INSTDIR\Plivora.exe"
  Delete "$INSTDIR\Backup\Plivora.exe"
  Delete "$INSTDIR\ReadMe.txt"
  Delete "$INSTDIR\Guide.html"
  !insertmacro RemoveGuidePictures
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR\Backup"
  RMDir "$INSTDIR"
  Delete "${MENU_FOLDER}\${PRODUCT}.lnk"
  Delete "${MENU_FOLDER}\${PRODUCT} Guide.lnk"
  Delete "${MENU_FOLDER}\Uninstall ${PRODUCT}.lnk"
  RMDir "${MENU_FOLDER}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
