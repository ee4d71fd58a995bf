<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en_US">
<context>
    <name>ConfigurationSave</name>
    <message>
        <source>Configuration not saved</source>
        <translation>Configuração não salva</translation>
    </message>
    <message>
        <source>Application settings not saved</source>
        <translation>Configurações de aplicativos não salvas</translation>
    </message>
    <message>
        <source>Settings not reset</source>
        <translation>Configurações não redefinidas</translation>
    </message>
    <message>
        <source>Application settings not reset</source>
        <translation>Configurações de apps não redefinidas</translation>
    </message>
</context>
</TS>
