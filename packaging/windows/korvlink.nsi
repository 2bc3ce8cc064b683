; The Windows installer: KORVLINK.EXE and its help file under Program Files, and a Start-menu
; entry that opens the setup dialog. It never registers korvlink as the shell's opener: that
; stays the user's choice, through the setup dialog's Install button.
;
; makensis -DVERSION=1.0.3 -DEXE=path\KORVLINK.EXE -DHELP=path\KORVLINK.HLP -DOUTFILE=setup.exe korvlink.nsi

Unicode true
SetCompressor /SOLID lzma
!include "x64.nsh"

Name "korvlink ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\korvlink"
RequestExecutionLevel admin
ShowInstDetails show

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\korvlink"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Function .onInit
  SetRegView 64
FunctionEnd

Section "korvlink"
  SetOutPath "$INSTDIR"
  File "/oname=KORVLINK.EXE" "${EXE}"
  File "/oname=KORVLINK.HLP" "${HELP}"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  ; The Start-menu entry runs korvlink without a document: its setup dialog.
  SetShellVarContext all
  CreateDirectory "$SMPROGRAMS\korvlink"
  CreateShortcut "$SMPROGRAMS\korvlink\korvlink setup.lnk" "$INSTDIR\KORVLINK.EXE" "" "$INSTDIR\KORVLINK.EXE" 0
  CreateShortcut "$SMPROGRAMS\korvlink\Uninstall korvlink.lnk" "$INSTDIR\Uninstall.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "korvlink"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\KORVLINK.EXE"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Function un.onInit
  SetRegView 64
FunctionEnd

; Removes what the installer put there. The shell registration and KORVLINK.INI belong to the
; user's own choices and stay; the README says how to undo them.
Section "Uninstall"
  SetShellVarContext all
  Delete "$SMPROGRAMS\korvlink\korvlink setup.lnk"
  Delete "$SMPROGRAMS\korvlink\Uninstall korvlink.lnk"
  RMDir "$SMPROGRAMS\korvlink"
  Delete "$INSTDIR\KORVLINK.EXE"
  Delete "$INSTDIR\KORVLINK.HLP"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
