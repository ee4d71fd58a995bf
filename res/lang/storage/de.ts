<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
<context>
    <name>ConfigurationSave</name>
    <message>
        <source>Configuration not saved</source>
        <translation>Konfiguration nicht gespeichert</translation>
    </message>
    <message>
        <source>Application settings not saved</source>
        <translation>Anwendungsprofile nicht gespeichert</translation>
    </message>
    <message>
        <source>Settings not reset</source>
        <translation>Einstellungen nicht zurückgesetzt</translation>
    </message>
    <message>
        <source>Application settings not reset</source>
        <translation>Anwendungsprofile nicht zurückgesetzt</translation>
    </message>
</context>
</TS>
