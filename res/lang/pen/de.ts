<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
<context>
    <name>VActionSelectDlg</name>
    <message>
        <source>Keyboard</source>
        <translation>Tastatur</translation>
    </message>
    <message>
        <source>Text Mode</source>
        <translation>Textmodus</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Maus</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Anwendung</translation>
    </message>
    <message>
        <source>Application Path</source>
        <translation>Anwendungspfad</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Medien</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Nichts</translation>
    </message>
    <message>
        <source>Do not perform any action</source>
        <translation>Keine Aktion ausführen</translation>
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
        <source>Enter a shortcut key (e.g., Ctrl+Z):</source>
        <translation>Tastenkürzel eingeben (z. B. Strg+Z):</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Umschalten</translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Linksklick</translation>
    </message>
    <message>
        <source>Middle Click</source>
        <translation>Mittelklick</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Rechtsklick</translation>
    </message>
    <message>
        <source>Left Double Click</source>
        <translation>Doppelklick links</translation>
    </message>
    <message>
        <source>Wheel Up</source>
        <translation>Mausrad nach oben</translation>
    </message>
    <message>
        <source>Wheel Down</source>
        <translation>Mausrad nach unten</translation>
    </message>
    <message>
        <source>Ctrl + Wheel Up</source>
        <translation>Strg + Mausrad nach oben</translation>
    </message>
    <message>
        <source>Ctrl + Wheel Down</source>
        <translation>Strg + Mausrad nach unten</translation>
    </message>
    <message>
        <source>Switch Monitor</source>
        <translation>Bildschirm wechseln</translation>
    </message>
    <message>
        <source>Pen/Eraser</source>
        <translation>Stift/Radiergummi</translation>
    </message>
    <message>
        <source>Custom Tool</source>
        <translation>Eigenes Werkzeug</translation>
    </message>
    <message>
        <source>Change Dial Action</source>
        <translation>Drehrad-Aktion wechseln</translation>
    </message>
    <message>
        <source>Browser Back</source>
        <translation>Browser: Zurück</translation>
    </message>
    <message>
        <source>Browser Forward</source>
        <translation>Browser: Vorwärts</translation>
    </message>
    <message>
        <source>Browser Refresh</source>
        <translation>Browser: Aktualisieren</translation>
    </message>
    <message>
        <source>Browser Home</source>
        <translation>Browser: Startseite</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation>Vorheriger Titel</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>Nächster Titel</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Wiedergabe/Pause</translation>
    </message>
    <message>
        <source>Volume Mute</source>
        <translation>Stumm</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>Lautstärke -</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>Lautstärke +</translation>
    </message>
</context>
<context>
    <name>VHotkeyOptionDlg</name>
    <message>
        <source>More Options</source>
        <translation>Weitere Optionen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Anwendung</translation>
    </message>
    <message>
        <source>Hotkey specifies the application</source>
        <translation>Tastenbelegung je Anwendung</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Use the tablet keys </source>
        <translation>Tablett-Tasten verwenden</translation>
    </message>
    <message>
        <source>Dial</source>
        <translation>Drehrad</translation>
    </message>
    <message>
        <source>Use the tablet dial</source>
        <translation>Drehrad des Tabletts verwenden</translation>
    </message>
    <message>
        <source>Dial Sensitivity</source>
        <translation>Drehrad-Empfindlichkeit</translation>
    </message>
    <message>
        <source>Adjust Sensitivity of the Dial on the Tablet</source>
        <translation>Empfindlichkeit des Drehrads anpassen</translation>
    </message>
    <message>
        <source>Touch</source>
        <translation>Touch</translation>
    </message>
    <message>
        <source>Use the tablet touch</source>
        <translation>Touch-Leiste des Tabletts verwenden</translation>
    </message>
</context>
<context>
    <name>VMappingOptionDlg</name>
    <message>
        <source>More Options</source>
        <translation>Weitere Optionen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>Drehung</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Bildschirm</translation>
    </message>
    <message>
        <source>Screen Identify</source>
        <translation>Bildschirme identifizieren</translation>
    </message>
    <message>
        <source>Detect and identify screens</source>
        <translation>Bildschirme erkennen und nummerieren</translation>
    </message>
    <message>
        <source>Color Temperature</source>
        <translation>Farbtemperatur</translation>
    </message>
    <message>
        <source>Adjust screen color</source>
        <translation>Bildschirmfarben anpassen</translation>
    </message>
    <message>
        <source>The target screen is not supported</source>
        <translation>Der Zielbildschirm wird nicht unterstützt</translation>
    </message>
</context>
<context>
    <name>VPenOptionDlg</name>
    <message>
        <source>More Options</source>
        <translation>Weitere Optionen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Anwendung</translation>
    </message>
    <message>
        <source>Hotkey specifies the application</source>
        <translation>Tastenbelegung je Anwendung</translation>
    </message>
    <message>
        <source>Pressure Curve</source>
        <translation>Druckkurve</translation>
    </message>
    <message>
        <source>Use the pressure curve panel</source>
        <translation>Druckkurve verwenden</translation>
    </message>
    <message>
        <source>FPS Game Support</source>
        <translation>Unterstützung für FPS-Spiele</translation>
    </message>
    <message>
        <source>Only available in mouse mode on Windows</source>
        <translation>Nur im Mausmodus unter Windows</translation>
    </message>
</context>
</TS>
