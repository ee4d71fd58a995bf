<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name>ConfigurationSave</name>
    <message>
        <source>Configuration not saved</source>
        <translation>Configuration not saved</translation>
    </message>
    <message>
        <source>Application settings not saved</source>
        <translation>Application settings not saved</translation>
    </message>
    <message>
        <source>Settings not reset</source>
        <translation>Settings not reset</translation>
    </message>
    <message>
        <source>Application settings not reset</source>
        <translation>Application settings not reset</translation>
    </message>
</context>
</TS>
