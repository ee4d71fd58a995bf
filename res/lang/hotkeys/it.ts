<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en_US">
<context>
    <name>VAppSelectDlg</name>
    <message>
        <source>More Options</source>
        <translation>Altre opzioni</translation>
    </message>
    <message>
        <source>Specify applications</source>
        <translation>Applicazioni specifiche</translation>
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
        <source>Running applications</source>
        <translation>Applicazioni in esecuzione</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Percorso</translation>
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
        <source>Application</source>
        <translation>Applicazione</translation>
    </message>
</context>
<context>
    <name>VDialActionDlg</name>
    <message>
        <source>Left</source>
        <translation>Sinistra</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Destra</translation>
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
        <source>Invalid</source>
        <translation>Nessuna</translation>
    </message>
</context>
<context>
    <name>VHotkeyPanel</name>
    <message>
        <source>Hotkey specifies the application</source>
        <translation>Tasti specifici per applicazione</translation>
    </message>
    <message>
        <source>Hot Key</source>
        <translation>Tasti rapidi</translation>
    </message>
    <message>
        <source>Click the keys area to set hotkey</source>
        <translation>Fai clic su un tasto per assegnarlo</translation>
    </message>
    <message>
        <source>Restore Default</source>
        <translation>Ripristina predefiniti</translation>
    </message>
    <message>
        <source>More Options</source>
        <translation>Altre opzioni</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Hotkey Preview</source>
        <translation>Anteprima dei tasti</translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation>Nessuna</translation>
    </message>
    <message>
        <source>Configuration saved</source>
        <translation>Configurazione salvata</translation>
    </message>
</context>
<context>
    <name>VHotkeyPreviewDlg</name>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Hotkey Preview</source>
        <translation>Anteprima dei tasti</translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation>Nessuna</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tasti</translation>
    </message>
    <message>
        <source>Dial</source>
        <translation>Ghiera</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Azione</translation>
    </message>
    <message>
        <source>Touch</source>
        <translation>Touch</translation>
    </message>
</context>
</TS>
