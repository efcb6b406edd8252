; The Windows installer: DunmoraDesk.exe for every user of the machine under
; Program Files, a Start-menu entry and an uninstaller that Apps & features
; lists. Silent with /S. Built by packaging/windows/CMakeLists.txt:
;   makensis -DVERSION=1.0.5 -DPROGRAM=<DunmoraDesk.exe> -DICON=<.ico> -DOUTFILE=<setup.exe> DunmoraDesk.nsi
; The installed program keeps its settings in %APPDATA%\DunmoraDesk\, as its
; folder is not writable for the users who start it.
!macro Required NAME
  !ifndef ${NAME}
    !error "makensis -D${NAME}=... is required"
  !endif
!macroend
!insertmacro Required VERSION
!insertmacro Required PROGRAM
!insertmacro Required ICON
!insertmacro Required OUTFILE

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\DunmoraDesk"

Name "DunmoraDesk ${VERSION}"
OutFile "${OUTFILE}"
Icon "${ICON}"
UninstallIcon "${ICON}"
InstallDir "$PROGRAMFILES64\DunmoraDesk"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails nevershow
ShowUninstDetails nevershow

VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "DunmoraDesk"
VIAddVersionKey "CompanyName" "Dunmora"
VIAddVersionKey "LegalCopyright" "Dunmora"
VIAddVersionKey "FileDescription" "DunmoraDesk setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

!include "FileFunc.nsh"

; Shortcuts for all users (ProgramData's Start menu) and the 64-bit registry.
!macro MachineWide
  SetShellVarContext all
  SetRegView 64
!macroend

Function .onInit
  !insertmacro MachineWide
FunctionEnd

Function un.onInit
  !insertmacro MachineWide
FunctionEnd

Section "DunmoraDesk"
  SetOutPath "$INSTDIR"
  File "/oname=DunmoraDesk.exe" "${PROGRAM}"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateShortcut "$SMPROGRAMS\DunmoraDesk.lnk" "$INSTDIR\DunmoraDesk.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "DunmoraDesk"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Dunmora"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\DunmoraDesk.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ; Apps & features shows the size in KiB.
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  IntFmt $0 "0x%08X" $0
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" "$0"
SectionEnd

; Settings in the users' %APPDATA% are theirs and stay; a settings file an
; administrator's run left beside the program goes with it.
Section "Uninstall"
  Delete "$SMPROGRAMS\DunmoraDesk.lnk"
  Delete "$INSTDIR\DunmoraDesk.exe"
  Delete "$INSTDIR\DunmoraDesk.ini"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
