; The setup program of Quiverstep: installs and registers the plug-in's DLLs, writes an
; uninstaller and an entry in the list of installed programs. Built by ./dev package:
;   makensis -DVERSION=1.1.8 -DDLL_X86=... -DDLL_X64=... -DOUTFILE=... [-DEXE_X86=...]
;            [-DEXE_X64=...] [-DAMD64] [-DX64_ONLY] Quiverstep.nsi
; AMD64 builds the same setup as a 64-bit program, X64_ONLY leaves out the 32-bit DLL: the
; tests' round trip on a machine that cannot run 32-bit code.
Unicode true
!ifdef AMD64
Target amd64-unicode
!endif
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include x64.nsh

!define PRODUCT "Quiverstep"
!define PUBLISHER "Orrerix"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quiverstep"
!define SETTINGS_KEY "HKCU\Software\VB and VBA Program Settings\Orrerix"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES32\${PUBLISHER}\${PRODUCT}"
ShowInstDetails show
ShowUninstDetails show

!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; The 32-bit regsvr32 registers the 32-bit DLL, and the 64-bit one the 64-bit DLL. A 32-bit
; setup sees SysWOW64 as System32, and reaches the real one with the redirection off.
!macro Regsvr32 BITS ARGUMENTS RESULT
    !if ${BITS} == 64
        !ifndef AMD64
            ${DisableX64FSRedirection}
        !endif
        ExecWait '"$SYSDIR\regsvr32.exe" /s ${ARGUMENTS}' ${RESULT}
        !ifndef AMD64
            ${EnableX64FSRedirection}
        !endif
    !else
        !ifdef AMD64
            ExecWait '"$WINDIR\SysWOW64\regsvr32.exe" /s ${ARGUMENTS}' ${RESULT}
        !else
            ExecWait '"$SYSDIR\regsvr32.exe" /s ${ARGUMENTS}' ${RESULT}
        !endif
    !endif
!macroend

!macro Register BITS FOLDER
    ClearErrors
    !insertmacro Regsvr32 ${BITS} '"${FOLDER}\Quiverstep.dll"' $0
    ${If} ${Errors}
    ${OrIf} $0 != 0
        SetErrorLevel 2
        MessageBox MB_ICONSTOP|MB_OK "The ${BITS}-bit Quiverstep.dll in ${FOLDER} could not be registered (regsvr32 ended with $0). Run the setup again as administrator." /SD IDOK
    ${Else}
        DetailPrint "Registered the ${BITS}-bit Quiverstep.dll in ${FOLDER}"
    ${EndIf}
!macroend

; Unregisters a DLL that is there, so that an upgrade or removal leaves no entry of it.
!macro Unregister BITS FOLDER
    ${If} ${FileExists} "${FOLDER}\Quiverstep.dll"
        !insertmacro Regsvr32 ${BITS} '/u "${FOLDER}\Quiverstep.dll"' $0
    ${EndIf}
!macroend

Var Folder64

Function .onInit
    UserInfo::GetAccountType
    Pop $0
    ${If} $0 != "Admin"
        MessageBox MB_ICONSTOP|MB_OK "Installing ${PRODUCT} needs administrator rights. Run the setup as administrator." /SD IDOK
        SetErrorLevel 740
        Quit
    ${EndIf}
    ; An installed version is upgraded where it is.
    ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 != ""
        StrCpy $INSTDIR $0
    ${EndIf}
    StrCpy $Folder64 "$PROGRAMFILES64\${PUBLISHER}\${PRODUCT}"
FunctionEnd

Section "Quiverstep"
    ; An installed version first gives up its registration; the files are then replaced.
    !ifndef X64_ONLY
        !insertmacro Unregister 32 "$INSTDIR"
    !endif
    ${If} ${RunningX64}
        !insertmacro Unregister 64 "$Folder64"
    ${EndIf}

    SetOutPath "$INSTDIR"
    !ifndef X64_ONLY
        File "${DLL_X86}"
        !ifdef EXE_X86
            File "${EXE_X86}"
        !endif
        !insertmacro Register 32 "$INSTDIR"
    !endif
    WriteUninstaller "$INSTDIR\Uninstall.exe"

    ${If} ${RunningX64}
        SetOutPath "$Folder64"
        File "${DLL_X64}"
        !ifdef EXE_X64
            File "${EXE_X64}"
        !endif
        !insertmacro Register 64 "$Folder64"
    ${EndIf}

    ${GetSize} "$INSTDIR" "/S=0K" $1 $2 $3
    ${If} ${RunningX64}
    ${AndIf} "$Folder64" != "$INSTDIR"
        ${GetSize} "$Folder64" "/S=0K" $4 $2 $3
        IntOp $1 $1 + $4
    ${EndIf}
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $1
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Function un.onInit
    StrCpy $Folder64 "$PROGRAMFILES64\${PUBLISHER}\${PRODUCT}"
FunctionEnd

Section "Uninstall"
    ${If} ${RunningX64}
        !insertmacro Unregister 64 "$Folder64"
        Delete "$Folder64\Quiverstep.dll"
        Delete "$Folder64\quiverstep.exe"
        RMDir "$Folder64"
        ${GetParent} "$Folder64" $0
        RMDir "$0"
    ${EndIf}
    !ifndef X64_ONLY
        !insertmacro Unregister 32 "$INSTDIR"
    !endif
    Delete "$INSTDIR\Quiverstep.dll"
    Delete "$INSTDIR\quiverstep.exe"
    Delete "$INSTDIR\Uninstall.exe"
    RMDir "$INSTDIR"
    ${GetParent} "$INSTDIR" $0
    RMDir "$0"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
    DetailPrint "Your settings and patterns (${SETTINGS_KEY}) and the guide log (C:\Quiverstep118.log, or %LOCALAPPDATA%\Orrerix\Quiverstep118.log) are kept."
SectionEnd

Function un.onUninstSuccess
    MessageBox MB_ICONINFORMATION|MB_OK "${PRODUCT} was removed. Your settings and patterns and the guide log are kept. To remove them too, run$\r$\n    reg delete $\"${SETTINGS_KEY}$\" /f$\r$\nand delete C:\Quiverstep118.log (or %LOCALAPPDATA%\Orrerix\Quiverstep118.log)." /SD IDOK
FunctionEnd
