<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
<context>
    <name>VLanguageItem</name>
    <message>
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italienisch</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japanisch</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Koreanisch</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugiesisch</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russisch</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Chinesisch (vereinfacht)</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spanisch</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Chinesisch (traditionell)</translation>
    </message>
    <message>
        <source>Use this language</source>
        <translation>Diese Sprache verwenden</translation>
    </message>
</context>
<context>
    <name>VSettingsPanel</name>
    <message>
        <source>Backup &amp; Restore</source>
        <translation>Sichern und Wiederherstellen</translation>
    </message>
    <message>
        <source>Backup current settings</source>
        <translation>Aktuelle Einstellungen sichern</translation>
    </message>
    <message>
        <source>Check the current data status of the tablet</source>
        <translation>Den aktuellen Datenstatus des Tabletts prüfen</translation>
    </message>
    <message>
        <source>Diagnose</source>
        <translation>Diagnose</translation>
    </message>
    <message>
        <source>Export Settings</source>
        <translation>Einstellungen exportieren</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Hotkey description</source>
        <translation>Beschreibung der Express-Tasten</translation>
    </message>
    <message>
        <source>Hotkey synchronized response</source>
        <translation>Synchrone Reaktion der Express-Tasten</translation>
    </message>
    <message>
        <source>Import Settings</source>
        <translation>Einstellungen importieren</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>Wartung</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>No Settings are exported, please save them first</source>
        <translation>Keine Einstellungen zum Exportieren. Bitte speichern Sie sie zuerst</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Pen Feature</source>
        <translation>Stiftfunktionen</translation>
    </message>
    <message>
        <source>Pen tilt data</source>
        <translation>Neigungsdaten des Stifts</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Reset to default settings</source>
        <translation>Auf die Standardeinstellungen zurücksetzen</translation>
    </message>
    <message>
        <source>Restore current settings</source>
        <translation>Einstellungen aus einer Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Settings export abort</source>
        <translation>Export der Einstellungen abgebrochen</translation>
    </message>
    <message>
        <source>Settings export completed</source>
        <translation>Export der Einstellungen abgeschlossen</translation>
    </message>
    <message>
        <source>Settings import abort</source>
        <translation>Import der Einstellungen abgebrochen</translation>
    </message>
    <message>
        <source>Settings import completed</source>
        <translation>Import der Einstellungen abgeschlossen</translation>
    </message>
    <message>
        <source>Settings partly imported</source>
        <translation>Einstellungen nur teilweise importiert</translation>
    </message>
    <message>
        <source>Could not be written: %1</source>
        <translation>Konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Switch of hotkey description</source>
        <translation>Blendet die Beschreibung der Express-Tasten ein oder aus</translation>
    </message>
    <message>
        <source>Syncs with user key actions</source>
        <translation>Folgt den Tastenaktionen des Benutzers</translation>
    </message>
    <message>
        <source>Tablet Feature</source>
        <translation>Tablettfunktionen</translation>
    </message>
    <message>
        <source>Tablet auto rotation</source>
        <translation>Automatische Drehung des Tabletts</translation>
    </message>
    <message>
        <source>Tablet follows the OS screen orientation</source>
        <translation>Das Tablett folgt der Bildschirmausrichtung des Systems</translation>
    </message>
    <message>
        <source>This will reset all Settings to default, are you sure?</source>
        <translation>Alle Einstellungen werden auf die Standardwerte zurückgesetzt. Sind Sie sicher?</translation>
    </message>
    <message>
        <source>When enabled, output pen tilt Angle data</source>
        <translation>Wenn aktiviert, wird der Neigungswinkel des Stifts ausgegeben</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
</context>
</TS>
