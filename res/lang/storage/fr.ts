<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_US">
<context>
    <name>ConfigurationSave</name>
    <message>
        <source>Configuration not saved</source>
        <translation>Configuration non enregistrée</translation>
    </message>
    <message>
        <source>Application settings not saved</source>
        <translation>Réglages des applications non enregistrés</translation>
    </message>
    <message>
        <source>Settings not reset</source>
        <translation>Paramètres non réinitialisés</translation>
    </message>
    <message>
        <source>Application settings not reset</source>
        <translation>Réglages des applications non réinitialisés</translation>
    </message>
</context>
</TS>
