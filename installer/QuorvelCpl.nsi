; The QuorvelCpl installer: the applet, its language libraries, its help
; topics and IconResource.dll in Program Files\QuorvelCpl, registered as a
; Control Panel item.  The stack's proxy libraries are the stack's: only with
; /STANDINS are the stand-ins installed in the system folder, and only where
; no library of that name lies yet, for trying the applet without a stack.
;
; Setup checks the registration: when it fails (without the stack the applet
; cannot even load) it says why, takes back what it copied, writes no
; uninstall entry and exits with 2.  The uninstaller takes away what the
; installer put there and nothing else; what it cannot remove it names, and
; it keeps its entry (exit code 2) so that it can be run again.  The user's
; settings stay unless /REMOVESETTINGS asks.
;
;   makensis -DBIN=<folder of the built applet> -DOUT=<setup file>
;            -DLANGUAGES_NSH=<the build's Languages.nsh> QuorvelCpl.nsi

Unicode true
Target amd64-unicode
!include "FileFunc.nsh"
!include "LogicLib.nsh"

!ifndef BIN | OUT | LANGUAGES_NSH
  !error "BIN names the folder of the built applet, OUT the setup file and LANGUAGES_NSH the build's list of languages"
!endif
!getdllversion "${BIN}\QuorvelCpl.dll" Version_
!define VERSION "${Version_1}.${Version_2}.${Version_3}.${Version_4}"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\QuorvelCpl"
; The Control Panel's keys, which the applet writes to but never creates, and
; the application identifier its registration writes.
!define CPLS_KEY "Software\Microsoft\Windows\CurrentVersion\Control Panel\Cpls"
!define CATEGORY_KEY "Software\Microsoft\Windows\CurrentVersion\Control Panel\Extended Properties\{305CA226-D286-468e-B848-2B2E8E697B74} 2"
!define APPID "{5558A25A-B790-48EF-BBA4-0D3BBE4FF1D0}"
!define REGSVR32_LOAD_FAILED 3

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

Var Failed          ; what could not be removed, a line each
Var CplsValueName   ; the Control Panel value the registration wrote
Var ModulePath      ; the applet's path as the registration saw it
Var ProxyInstalled  ; 1 when this setup copied that stand-in
Var ObexInstalled

; ForEachLanguage MACRO: MACRO for every language tag the build makes a
; library for, each in a folder of its tag.
!include "${LANGUAGES_NSH}"

!macro InstallLanguage TAG
  SetOutPath "$INSTDIR\${TAG}"
  File "${BIN}\${TAG}\QuorvelCpl${TAG}.dll"
!macroend

; Deletes a file and notes it when it is still there afterwards.
!macro RemoveFile PATH
  Delete "${PATH}"
  ${If} ${FileExists} "${PATH}"
    StrCpy $Failed "$Failed$\r$\n${PATH}"
  ${EndIf}
!macroend

!macro RemoveLanguage TAG
  !insertmacro RemoveFile "$INSTDIR\${TAG}\QuorvelCpl${TAG}.dll"
  RMDir "$INSTDIR\${TAG}"
!macroend

; The applet's files in the install folder; the folder itself goes only when
; nothing else is left in it.
!macro RemoveAppletFiles
  !insertmacro RemoveFile "$INSTDIR\QuorvelCpl.dll"
  !insertmacro RemoveFile "$INSTDIR\IconResource.dll"
  !insertmacro ForEachLanguage RemoveLanguage
  RMDir /r "$INSTDIR\HelpFiles"
  ${If} ${FileExists} "$INSTDIR\HelpFiles\*.*"
    StrCpy $Failed "$Failed$\r$\n$INSTDIR\HelpFiles"
  ${EndIf}
!macroend

; A stand-in goes where the applet's imports are looked for, but never over
; a library of that name, which is the stack's own.
!macro InstallStandIn NAME FLAG
  StrCpy ${FLAG} 0
  ${If} ${FileExists} "$SYSDIR\${NAME}"
    DetailPrint "$SYSDIR\${NAME} is already there: it is left as it is"
  ${Else}
    SetOutPath "$SYSDIR"
    File "${BIN}\${NAME}"
    StrCpy ${FLAG} 1
  ${EndIf}
!macroend

; A file's size and time of last change, to tell at uninstall whether a
; stand-in is still the one this setup put there.
!macro FileSignature PATH RESULT
  StrCpy ${RESULT} ""
  ClearErrors
  GetFileTime "${PATH}" $R8 $R9
  ${IfNot} ${Errors}
    FileOpen $R7 "${PATH}" r
    FileSeek $R7 0 END $R6
    FileClose $R7
    StrCpy ${RESULT} "$R6/$R8/$R9"
  ${EndIf}
!macroend

!macro RemoveStandIn NAME
  ReadRegStr $R0 HKLM "${UNINSTALL_KEY}" "StandIn ${NAME}"
  ${If} $R0 != ""
    !insertmacro FileSignature "$SYSDIR\${NAME}" $R1
    ${If} $R1 == $R0
      !insertmacro RemoveFile "$SYSDIR\${NAME}"
    ${ElseIf} $R1 != ""
      DetailPrint "$SYSDIR\${NAME} has changed since setup installed it: it is left as it is"
    ${EndIf}
    ${IfNot} ${FileExists} "$SYSDIR\${NAME}"
    ${OrIf} $R1 != $R0
      DeleteRegValue HKLM "${UNINSTALL_KEY}" "StandIn ${NAME}"
    ${EndIf}
  ${EndIf}
!macroend

; What registration leaves when the applet cannot take it back itself (it no
; longer loads, or it runs in another language than the one that named the
; Control Panel value): each value only when it still names this applet.
!macro DefineRemoveRegistration UN
Function ${UN}RemoveRegistration
  ${If} $CplsValueName != ""
    ClearErrors
    ReadRegStr $R0 HKLM "${CPLS_KEY}" $CplsValueName
    ${IfNot} ${Errors}
    ${AndIf} $R0 == $ModulePath
      DeleteRegValue HKLM "${CPLS_KEY}" $CplsValueName
      ClearErrors
      ReadRegStr $R0 HKLM "${CPLS_KEY}" $CplsValueName
      ${IfNot} ${Errors}
        StrCpy $Failed "$Failed$\r$\nHKLM\${CPLS_KEY}\$CplsValueName"
      ${EndIf}
    ${EndIf}
  ${EndIf}
  ${If} $ModulePath != ""
    ClearErrors
    ReadRegStr $R0 HKLM "${CATEGORY_KEY}" $ModulePath
    ${IfNot} ${Errors}
      DeleteRegValue HKLM "${CATEGORY_KEY}" $ModulePath
      ClearErrors
      ReadRegStr $R0 HKLM "${CATEGORY_KEY}" $ModulePath
      ${IfNot} ${Errors}
        StrCpy $Failed "$Failed$\r$\nHKLM\${CATEGORY_KEY}\$ModulePath"
      ${EndIf}
    ${EndIf}
  ${EndIf}
  ${ForEach} $R1 0 1 + 1
    ${If} $R1 == 0
      StrCpy $R2 "AppID\${APPID}"
    ${Else}
      StrCpy $R2 "AppID\QuorvelCpl.DLL"
    ${EndIf}
    ; DeleteRegKey also fails for a key that is not there: the key's
    ; existence afterwards is what counts.
    DeleteRegKey HKCR $R2
    ClearErrors
    EnumRegKey $R3 HKCR $R2 0
    ${IfNot} ${Errors}
      StrCpy $Failed "$Failed$\r$\nHKCR\$R2"
    ${EndIf}
  ${Next}
FunctionEnd
!macroend
!insertmacro DefineRemoveRegistration ""
!insertmacro DefineRemoveRegistration "un."

; Windows has both Control Panel keys; a fresh Wine prefix does not, and
; without them the registration has nowhere to list the item.  A missing key
; is created (through a value of setup's own that is deleted again); an
; existing one is not touched, and neither is ever deleted.
!macro EnsureMachineKey KEY
  ClearErrors
  EnumRegKey $R0 HKLM "${KEY}" 0
  ${If} ${Errors}
    WriteRegDWORD HKLM "${KEY}" "QuorvelCpl setup" 0
    DeleteRegValue HKLM "${KEY}" "QuorvelCpl setup"
  ${EndIf}
!macroend

; The Control Panel value that names this applet: its name is the applet's
; name in the language the registration ran in.
Function FindCplsValue
  StrCpy $CplsValueName ""
  StrCpy $R1 0
  ${Do}
    ClearErrors
    EnumRegValue $R2 HKLM "${CPLS_KEY}" $R1
    ${If} ${Errors}
    ${OrIf} $R2 == ""
      ${Break}
    ${EndIf}
    ReadRegStr $R3 HKLM "${CPLS_KEY}" $R2
    ${If} $R3 == "$INSTDIR\QuorvelCpl.dll"
      StrCpy $CplsValueName $R2
      StrCpy $ModulePath $R3
      ${Break}
    ${EndIf}
    IntOp $R1 $R1 + 1
  ${Loop}
FunctionEnd

Section "QuorvelCpl"
  SetRegView 64
  SetOutPath "$INSTDIR"
  File "${BIN}\QuorvelCpl.dll"
  File "${BIN}\IconResource.dll"
  !insertmacro ForEachLanguage InstallLanguage
  SetOutPath "$INSTDIR\HelpFiles"
  File /r "${BIN}\HelpFiles\*.*"

  StrCpy $ProxyInstalled 0
  StrCpy $ObexInstalled 0
  ${GetOptions} $CMDLINE "/STANDINS" $0
  ${IfNot} ${Errors}
    !insertmacro InstallStandIn VmrBtProxy.dll $ProxyInstalled
    !insertmacro InstallStandIn VmrBtOBEXProxy.dll $ObexInstalled
  ${EndIf}
  SetOutPath "$INSTDIR"

  !insertmacro EnsureMachineKey "${CPLS_KEY}"
  !insertmacro EnsureMachineKey "${CATEGORY_KEY}"
  StrCpy $ModulePath "$INSTDIR\QuorvelCpl.dll"
  ClearErrors
  ExecWait '"$SYSDIR\regsvr32.exe" /s "$INSTDIR\QuorvelCpl.dll"' $0
  ${If} ${Errors}
    StrCpy $0 "not run"
  ${EndIf}
  ${If} $0 == 0
    Call FindCplsValue
    ${If} $CplsValueName == ""
      StrCpy $0 "no Control Panel value"
    ${EndIf}
  ${EndIf}

  ${If} $0 != 0
    ${If} $0 == ${REGSVR32_LOAD_FAILED}
      StrCpy $1 "The Bluetooth stack is not installed: Bluetooth Settings needs its libraries VmrBtProxy.dll and VmrBtOBEXProxy.dll, and without them it cannot be registered as a Control Panel item (regsvr32 exit code $0).$\r$\n$\r$\nInstall the Bluetooth stack, then run this setup again."
    ${Else}
      StrCpy $1 "Bluetooth Settings could not be registered as a Control Panel item (regsvr32: $0)."
    ${EndIf}
    ; Take back whatever the registration wrote, then the files.
    ExecWait '"$SYSDIR\regsvr32.exe" /s /u "$INSTDIR\QuorvelCpl.dll"'
    Call FindCplsValue
    Call RemoveRegistration
    !insertmacro RemoveAppletFiles
    ${If} $ProxyInstalled == 1
      !insertmacro RemoveFile "$SYSDIR\VmrBtProxy.dll"
    ${EndIf}
    ${If} $ObexInstalled == 1
      !insertmacro RemoveFile "$SYSDIR\VmrBtOBEXProxy.dll"
    ${EndIf}
    SetOutPath "$TEMP"
    RMDir "$INSTDIR"
    ${If} $Failed != ""
      StrCpy $1 "$1$\r$\n$\r$\nThese could not be removed again:$Failed"
    ${EndIf}
    MessageBox MB_OK|MB_ICONSTOP "$1" /SD IDOK
    SetErrorLevel 2
    Abort "$1"
  ${EndIf}

  WriteUninstaller "$INSTDIR\Uninstall.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Bluetooth Settings"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Velmora"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\QuorvelCpl.dll,-215"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  WriteRegStr HKLM "${UNINSTALL_KEY}" "CplsValueName" $CplsValueName
  WriteRegStr HKLM "${UNINSTALL_KEY}" "ModulePath" $ModulePath
  ${If} $ProxyInstalled == 1
    !insertmacro FileSignature "$SYSDIR\VmrBtProxy.dll" $1
    WriteRegStr HKLM "${UNINSTALL_KEY}" "StandIn VmrBtProxy.dll" $1
  ${EndIf}
  ${If} $ObexInstalled == 1
    !insertmacro FileSignature "$SYSDIR\VmrBtOBEXProxy.dll" $1
    WriteRegStr HKLM "${UNINSTALL_KEY}" "StandIn VmrBtOBEXProxy.dll" $1
  ${EndIf}
SectionEnd

Section "Uninstall"
  SetRegView 64
  StrCpy $Failed ""
  ReadRegStr $CplsValueName HKLM "${UNINSTALL_KEY}" "CplsValueName"
  ReadRegStr $ModulePath HKLM "${UNINSTALL_KEY}" "ModulePath"

  ; The applet unregisters itself where it still loads; what it leaves (it
  ; cannot load without the stack, or names its value in another language
  ; now) is removed here.
  ${If} ${FileExists} "$INSTDIR\QuorvelCpl.dll"
    ExecWait '"$SYSDIR\regsvr32.exe" /s /u "$INSTDIR\QuorvelCpl.dll"' $0
    ${If} $0 != 0
      DetailPrint "regsvr32 /u ended with $0: the registration is removed directly"
    ${EndIf}
  ${EndIf}
  Call un.RemoveRegistration
  !insertmacro RemoveAppletFiles
  !insertmacro RemoveStandIn VmrBtProxy.dll
  !insertmacro RemoveStandIn VmrBtOBEXProxy.dll

  ; The applet's own per-user settings; the file sharing and PIM keys are
  ; read by the stack's servers as well and stay with the stack.
  ${GetOptions} $CMDLINE "/REMOVESETTINGS" $0
  ${IfNot} ${Errors}
    DeleteRegKey HKCU "Software\Velmora\Quorvel"
  ${EndIf}

  ${If} $Failed != ""
    MessageBox MB_OK|MB_ICONEXCLAMATION "These parts of Bluetooth Settings could not be removed:$\r$\n$Failed$\r$\n$\r$\nClose the programs that use them (Control Panel among them) and run the uninstaller again." /SD IDOK
    SetErrorLevel 2
    Abort "Bluetooth Settings was not removed completely."
  ${EndIf}
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
