; The QuorvelCpl installer: the applet, its language libraries, its help
; topics and IconResource.dll in Program Files\QuorvelCpl, registered as a
; Control Panel item.  The stack's proxy libraries are the stack's: only with
; /STANDINS are the stand-ins installed beside the system's libraries, for
; trying the applet without a stack.  The uninstaller takes away what the
; installer put there; the user's settings stay unless /REMOVESETTINGS asks.
;
;   makensis -DBIN=<folder of the built applet> -DOUT=<setup file> QuorvelCpl.nsi

Unicode true
Target amd64-unicode
!include "FileFunc.nsh"
!include "LogicLib.nsh"

!ifndef BIN | OUT
  !error "BIN names the folder of the built applet and OUT the setup file"
!endif
!getdllversion "${BIN}\QuorvelCpl.dll" Version_
!define VERSION "${Version_1}.${Version_2}.${Version_3}.${Version_4}"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\QuorvelCpl"

Name "Bluetooth Settings"
OutFile "${OUT}"
InstallDir "$PROGRAMFILES64\QuorvelCpl"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
VIProductVersion "${VERSION}"
VIAddVersionKey "ProductName" "QuorvelCpl"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "Bluetooth Settings setup"
VIAddVersionKey "CompanyName" "Velmora"
VIAddVersionKey "LegalCopyright" "Velmora"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "QuorvelCpl"
  SetOutPath "$INSTDIR"
  File "${BIN}\QuorvelCpl.dll"
  File "${BIN}\IconResource.dll"
  SetOutPath "$INSTDIR\de-DE"
  File "${BIN}\de-DE\QuorvelCplde-DE.dll"
  SetOutPath "$INSTDIR\HelpFiles"
  File /r "${BIN}\HelpFiles\*.*"

  ${GetOptions} $CMDLINE "/STANDINS" $0
  ${IfNot} ${Errors}
    SetOutPath "$SYSDIR"
    File "${BIN}\VmrBtProxy.dll"
    File "${BIN}\VmrBtOBEXProxy.dll"
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "StandInsInstalled" 1
  ${EndIf}

  ExecWait '"$SYSDIR\regsvr32.exe" /s "$INSTDIR\QuorvelCpl.dll"'

  WriteUninstaller "$INSTDIR\Uninstall.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Bluetooth Settings"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Velmora"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\QuorvelCpl.dll,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  ExecWait '"$SYSDIR\regsvr32.exe" /s /u "$INSTDIR\QuorvelCpl.dll"'
  Delete "$INSTDIR\QuorvelCpl.dll"
  Delete "$INSTDIR\IconResource.dll"
  Delete "$INSTDIR\de-DE\QuorvelCplde-DE.dll"
  RMDir "$INSTDIR\de-DE"
  RMDir /r "$INSTDIR\HelpFiles"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"

  ReadRegDWORD $0 HKLM "${UNINSTALL_KEY}" "StandInsInstalled"
  ${If} $0 == 1
    Delete "$SYSDIR\VmrBtProxy.dll"
    Delete "$SYSDIR\VmrBtOBEXProxy.dll"
  ${EndIf}

  ; The applet's own per-user settings; the file sharing and PIM keys are
  ; read by the stack's servers as well and stay with the stack.
  ${GetOptions} $CMDLINE "/REMOVESETTINGS" $0
  ${IfNot} ${Errors}
    DeleteRegKey HKCU "Software\Velmora\Quorvel"
  ${EndIf}
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
