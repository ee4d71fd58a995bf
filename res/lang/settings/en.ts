<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name>VLanguageItem</name>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>French</source>
        <translation>French</translation>
    </message>
    <message>
        <source>German</source>
        <translation>German</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italian</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japanese</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Korean</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portuguese</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russian</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Simplified Chinese</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spanish</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Traditional Chinese</translation>
    </message>
    <message>
        <source>Use this language</source>
        <translation>Use this language</translation>
    </message>
</context>
<context>
    <name>VSettingsPanel</name>
    <message>
        <source>Backup &amp; Restore</source>
        <translation>Backup &amp; Restore</translation>
    </message>
    <message>
        <source>Backup current settings</source>
        <translation>Backup current settings</translation>
    </message>
    <message>
        <source>Check the current data status of the tablet</source>
        <translation>Check the current data status of the tablet</translation>
    </message>
    <message>
        <source>Diagnose</source>
        <translation>Diagnose</translation>
    </message>
    <message>
        <source>Export Settings</source>
        <translation>Export Settings</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Hotkey description</source>
        <translation>Hotkey description</translation>
    </message>
    <message>
        <source>Hotkey synchronized response</source>
        <translation>Hotkey synchronized response</translation>
    </message>
    <message>
        <source>Import Settings</source>
        <translation>Import Settings</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>Maintenance</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>No Settings are exported, please save them first</source>
        <translation>No Settings are exported, please save them first</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Pen Feature</source>
        <translation>Pen Feature</translation>
    </message>
    <message>
        <source>Pen tilt data</source>
        <translation>Pen tilt data</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Reset to default settings</source>
        <translation>Reset to default settings</translation>
    </message>
    <message>
        <source>Restore current settings</source>
        <translation>Restore current settings</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Settings export abort</source>
        <translation>Settings export abort</translation>
    </message>
    <message>
        <source>Settings export completed</source>
        <translation>Settings export completed</translation>
    </message>
    <message>
        <source>Settings import abort</source>
        <translation>Settings import abort</translation>
    </message>
    <message>
        <source>Settings import completed</source>
        <translation>Settings import completed</translation>
    </message>
    <message>
        <source>Settings partly imported</source>
        <translation>Settings partly imported</translation>
    </message>
    <message>
        <source>Could not be written: %1</source>
        <translation>Could not be written: %1</translation>
    </message>
    <message>
        <source>Switch of hotkey description</source>
        <translation>Switch of hotkey description</translation>
    </message>
    <message>
        <source>Syncs with user key actions</source>
        <translation>Syncs with user key actions</translation>
    </message>
    <message>
        <source>Tablet Feature</source>
        <translation>Tablet Feature</translation>
    </message>
    <message>
        <source>Tablet auto rotation</source>
        <translation>Tablet auto rotation</translation>
    </message>
    <message>
        <source>Tablet follows the OS screen orientation</source>
        <translation>Tablet follows the OS screen orientation</translation>
    </message>
    <message>
        <source>This will reset all Settings to default, are you sure?</source>
        <translation>This will reset all Settings to default, are you sure?</translation>
    </message>
    <message>
        <source>When enabled, output pen tilt Angle data</source>
        <translation>When enabled, output pen tilt Angle data</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
</context>
</TS>
