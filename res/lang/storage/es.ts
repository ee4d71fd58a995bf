<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en_US">
<context>
    <name>ConfigurationSave</name>
    <message>
        <source>Configuration not saved</source>
        <translation>Configuración no guardada</translation>
    </message>
    <message>
        <source>Application settings not saved</source>
        <translation>Ajustes de aplicaciones no guardados</translation>
    </message>
    <message>
        <source>Settings not reset</source>
        <translation>Configuración no restablecida</translation>
    </message>
    <message>
        <source>Application settings not reset</source>
        <translation>Ajustes de aplicaciones no restablecidos</translation>
    </message>
</context>
</TS>
