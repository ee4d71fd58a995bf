<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en_US">
<context>
    <name>ConfigurationSave</name>
    <message>
        <source>Configuration not saved</source>
        <translation>Настройки не сохранены</translation>
    </message>
    <message>
        <source>Application settings not saved</source>
        <translation>Настройки приложений не сохранены</translation>
    </message>
    <message>
        <source>Settings not reset</source>
        <translation>Настройки не сброшены</translation>
    </message>
    <message>
        <source>Application settings not reset</source>
        <translation>Настройки приложений не сброшены</translation>
    </message>
</context>
</TS>
