<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en_US">
<context>
    <name>ConfigurationSave</name>
    <message>
        <source>Configuration not saved</source>
        <translation>Configurazione non salvata</translation>
    </message>
    <message>
        <source>Application settings not saved</source>
        <translation>Impostazioni per applicazione non salvate</translation>
    </message>
    <message>
        <source>Settings not reset</source>
        <translation>Impostazioni non reimpostate</translation>
    </message>
    <message>
        <source>Application settings not reset</source>
        <translation>Impostazioni per app non reimpostate</translation>
    </message>
</context>
</TS>
