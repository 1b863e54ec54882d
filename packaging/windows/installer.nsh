; What the installer does beyond CPack's own steps.
;
; The .wl3 file type: double-clicking a .wl3 file opens it in the window, which takes it as
; its FILE argument. SHCTX is the machine's part of the registry when the installer runs for
; all users, as an administrator's does, and the user's part otherwise.

!define WL3_PROG_ID "Wrenlink3Config.wl3"
; Tells Explorer that file associations changed (SHCNE_ASSOCCHANGED), so icons update at once.
!define WL3_ASSOCIATIONS_CHANGED "shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)"

!macro Wl3RegisterFileType
  WriteRegStr SHCTX "Software\Classes\.wl3" "" "${WL3_PROG_ID}"
  WriteRegStr SHCTX "Software\Classes\${WL3_PROG_ID}" "" "Wrenlink3 tracker configuration"
  WriteRegStr SHCTX "Software\Classes\${WL3_PROG_ID}\DefaultIcon" "" "$INSTDIR\wrenlink3config.exe,0"
  WriteRegStr SHCTX "Software\Classes\${WL3_PROG_ID}\shell\open\command" "" \
    '"$INSTDIR\wrenlink3config.exe" "%1"'
  System::Call "${WL3_ASSOCIATIONS_CHANGED}"
!macroend

; The extension is handed back only while it still names this program: another program may
; have taken it since.
!macro Wl3UnregisterFileType
  ReadRegStr $0 SHCTX "Software\Classes\.wl3" ""
  StrCmp $0 "${WL3_PROG_ID}" 0 +3
    DeleteRegValue SHCTX "Software\Classes\.wl3" ""
    DeleteRegKey /ifempty SHCTX "Software\Classes\.wl3"
  DeleteRegKey SHCTX "Software\Classes\${WL3_PROG_ID}"
  System::Call "${WL3_ASSOCIATIONS_CHANGED}"
!macroend

; The choices the window remembers (last folder, last COM entry) go with the program.
!macro Wl3ForgetRememberedChoices
  DeleteRegKey HKCU "Software\Wrenlink3Config"
!macroend

; CPack removes its own key under the vendor's key, but leaves the vendor's key behind, empty.
Function un.onUninstSuccess
  DeleteRegKey /ifempty SHCTX "Software\${WL3_VENDOR}"
FunctionEnd
