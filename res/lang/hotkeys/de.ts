<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
<context>
    <name>VAppSelectDlg</name>
    <message>
        <source>More Options</source>
        <translation>Weitere Optionen</translation>
    </message>
    <message>
        <source>Specify applications</source>
        <translation>Festgelegte Anwendungen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Alles löschen</translation>
    </message>
    <message>
        <source>Running applications</source>
        <translation>Laufende Anwendungen</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Pfad</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Anwendung</translation>
    </message>
</context>
<context>
    <name>VDialActionDlg</name>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation>Keine</translation>
    </message>
</context>
<context>
    <name>VHotkeyPanel</name>
    <message>
        <source>Hotkey specifies the application</source>
        <translation>Tastenbelegung je Anwendung</translation>
    </message>
    <message>
        <source>Hot Key</source>
        <translation>Express-Tasten</translation>
    </message>
    <message>
        <source>Click the keys area to set hotkey</source>
        <translation>Klicken Sie auf eine Taste, um sie zu belegen</translation>
    </message>
    <message>
        <source>Restore Default</source>
        <translation>Standard wiederherstellen</translation>
    </message>
    <message>
        <source>More Options</source>
        <translation>Weitere Optionen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Hotkey Preview</source>
        <translation>Belegungsübersicht</translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Configuration saved</source>
        <translation>Konfiguration gespeichert</translation>
    </message>
</context>
<context>
    <name>VHotkeyPreviewDlg</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Hotkey Preview</source>
        <translation>Belegungsübersicht</translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Dial</source>
        <translation>Drehrad</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>Touch</source>
        <translation>Touch</translation>
    </message>
</context>
</TS>
