<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_US">
<context>
    <name>VMenuItem</name>
    <message>
        <source>.</source>
        <translation>.</translation>
    </message>
</context>
<context>
    <name>VRichButton</name>
    <message>
        <source>.</source>
        <translation>.</translation>
    </message>
    <message>
        <source>Custom description content</source>
        <translation>Description personnalisée</translation>
    </message>
</context>
<context>
    <name>VRichItem</name>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Légende</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Icône</translation>
    </message>
</context>
<context>
    <name>VRichList</name>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
</context>
<context>
    <name>VUnitEdit</name>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
</context>
</TS>
