<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
<context>
    <name>MainWindow</name>
    <message>
        <source>Pen Tablet</source>
        <translation>Grafiktablett</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>Stift</translation>
    </message>
    <message>
        <source>Hot Key</source>
        <translation>Express-Tasten</translation>
    </message>
    <message>
        <source>Mapping</source>
        <translation>Zuordnung</translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation>Fenster anzeigen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Tablet Driver</source>
        <translation>Tablett-Treiber</translation>
    </message>
    <message>
        <source>This driver does not know the model &quot;%1&quot;: its settings cannot be shown or changed here.</source>
        <translation>Dieser Treiber kennt das Modell „%1“ nicht: seine Einstellungen können hier weder angezeigt noch geändert werden.</translation>
    </message>
</context>
<context>
    <name>VHotkeyPanel</name>
    <message>
        <source>All Applications</source>
        <translation>Alle Anwendungen</translation>
    </message>
    <message>
        <source>Edit Options...</source>
        <translation>Optionen bearbeiten...</translation>
    </message>
</context>
<context>
    <name>VNotDetectedDlg</name>
    <message>
        <source>ZELVO Pen Tablet</source>
        <translation>ZELVO Grafiktablett</translation>
    </message>
    <message>
        <source>No available device detected, please check if the device USB cable is connected.</source>
        <translation>Kein verfügbares Gerät erkannt. Bitte prüfen Sie, ob das USB-Kabel des Geräts angeschlossen ist.</translation>
    </message>
</context>
<context>
    <name>VTitleBar</name>
    <message>
        <source>max</source>
        <translation>Maximieren</translation>
    </message>
    <message>
        <source>set</source>
        <translation>Einstellen</translation>
    </message>
    <message>
        <source>min</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>X</source>
        <translation>×</translation>
    </message>
    <message>
        <source>thumbtack</source>
        <translation>Anheften</translation>
    </message>
</context>
</TS>
