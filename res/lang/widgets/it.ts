<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en_US">
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
        <translation>Descrizione personalizzata</translation>
    </message>
</context>
<context>
    <name>VRichItem</name>
    <message>
        <source>Title</source>
        <translation>Titolo</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Didascalia</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Icona</translation>
    </message>
</context>
<context>
    <name>VRichList</name>
    <message>
        <source>Title</source>
        <translation>Titolo</translation>
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
