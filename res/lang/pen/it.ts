<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en_US">
<context>
    <name>VActionSelectDlg</name>
    <message>
        <source>Keyboard</source>
        <translation>Tastiera</translation>
    </message>
    <message>
        <source>Text Mode</source>
        <translation>Modalità testo</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Applicazione</translation>
    </message>
    <message>
        <source>Application Path</source>
        <translation>Percorso dell'applicazione</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Sfoglia</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Nessuna</translation>
    </message>
    <message>
        <source>Do not perform any action</source>
        <translation>Non eseguire alcuna azione</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Cancella tutto</translation>
    </message>
    <message>
        <source>Enter a shortcut key (e.g., Ctrl+Z):</source>
        <translation>Inserisci una scorciatoia (es. Ctrl+Z):</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Cambia</translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation>Nessuna</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Clic sinistro</translation>
    </message>
    <message>
        <source>Middle Click</source>
        <translation>Clic centrale</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clic destro</translation>
    </message>
    <message>
        <source>Left Double Click</source>
        <translation>Doppio clic sinistro</translation>
    </message>
    <message>
        <source>Wheel Up</source>
        <translation>Rotella su</translation>
    </message>
    <message>
        <source>Wheel Down</source>
        <translation>Rotella giù</translation>
    </message>
    <message>
        <source>Ctrl + Wheel Up</source>
        <translation>Ctrl + rotella su</translation>
    </message>
    <message>
        <source>Ctrl + Wheel Down</source>
        <translation>Ctrl + rotella giù</translation>
    </message>
    <message>
        <source>Switch Monitor</source>
        <translation>Cambia monitor</translation>
    </message>
    <message>
        <source>Pen/Eraser</source>
        <translation>Penna/gomma</translation>
    </message>
    <message>
        <source>Custom Tool</source>
        <translation>Strumento personalizzato</translation>
    </message>
    <message>
        <source>Change Dial Action</source>
        <translation>Cambia azione della ghiera</translation>
    </message>
    <message>
        <source>Browser Back</source>
        <translation>Browser: indietro</translation>
    </message>
    <message>
        <source>Browser Forward</source>
        <translation>Browser: avanti</translation>
    </message>
    <message>
        <source>Browser Refresh</source>
        <translation>Browser: aggiorna</translation>
    </message>
    <message>
        <source>Browser Home</source>
        <translation>Browser: home</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation>Brano precedente</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>Brano successivo</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Riproduci/pausa</translation>
    </message>
    <message>
        <source>Volume Mute</source>
        <translation>Muto</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>Volume -</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>Volume +</translation>
    </message>
</context>
<context>
    <name>VHotkeyOptionDlg</name>
    <message>
        <source>More Options</source>
        <translation>Altre opzioni</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Applicazione</translation>
    </message>
    <message>
        <source>Hotkey specifies the application</source>
        <translation>Tasti specifici per applicazione</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tasti</translation>
    </message>
    <message>
        <source>Use the tablet keys </source>
        <translation>Usa i tasti della tavoletta</translation>
    </message>
    <message>
        <source>Dial</source>
        <translation>Ghiera</translation>
    </message>
    <message>
        <source>Use the tablet dial</source>
        <translation>Usa la ghiera della tavoletta</translation>
    </message>
    <message>
        <source>Dial Sensitivity</source>
        <translation>Sensibilità della ghiera</translation>
    </message>
    <message>
        <source>Adjust Sensitivity of the Dial on the Tablet</source>
        <translation>Regola la sensibilità della ghiera</translation>
    </message>
    <message>
        <source>Touch</source>
        <translation>Touch</translation>
    </message>
    <message>
        <source>Use the tablet touch</source>
        <translation>Usa il touch della tavoletta</translation>
    </message>
</context>
<context>
    <name>VMappingOptionDlg</name>
    <message>
        <source>More Options</source>
        <translation>Altre opzioni</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>Rotazione</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Schermo</translation>
    </message>
    <message>
        <source>Screen Identify</source>
        <translation>Identifica schermi</translation>
    </message>
    <message>
        <source>Detect and identify screens</source>
        <translation>Rileva e identifica gli schermi</translation>
    </message>
    <message>
        <source>Color Temperature</source>
        <translation>Temperatura colore</translation>
    </message>
    <message>
        <source>Adjust screen color</source>
        <translation>Regola i colori dello schermo</translation>
    </message>
    <message>
        <source>The target screen is not supported</source>
        <translation>Lo schermo di destinazione non è supportato</translation>
    </message>
</context>
<context>
    <name>VPenOptionDlg</name>
    <message>
        <source>More Options</source>
        <translation>Altre opzioni</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Applicazione</translation>
    </message>
    <message>
        <source>Hotkey specifies the application</source>
        <translation>Tasti specifici per applicazione</translation>
    </message>
    <message>
        <source>Pressure Curve</source>
        <translation>Curva di pressione</translation>
    </message>
    <message>
        <source>Use the pressure curve panel</source>
        <translation>Usa il pannello della curva di pressione</translation>
    </message>
    <message>
        <source>FPS Game Support</source>
        <translation>Supporto giochi FPS</translation>
    </message>
    <message>
        <source>Only available in mouse mode on Windows</source>
        <translation>Solo in modalità mouse su Windows</translation>
    </message>
</context>
</TS>
