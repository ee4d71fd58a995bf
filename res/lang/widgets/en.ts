<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
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
        <translation>Custom description content</translation>
    </message>
</context>
<context>
    <name>VRichItem</name>
    <message>
        <source>Title</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Caption</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Icon</translation>
    </message>
</context>
<context>
    <name>VRichList</name>
    <message>
        <source>Title</source>
        <translation>Title</translation>
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
