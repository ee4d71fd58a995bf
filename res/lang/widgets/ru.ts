<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en_US">
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
        <translation>Своё описание</translation>
    </message>
</context>
<context>
    <name>VRichItem</name>
    <message>
        <source>Title</source>
        <translation>Заголовок</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Подпись</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Значок</translation>
    </message>
</context>
<context>
    <name>VRichList</name>
    <message>
        <source>Title</source>
        <translation>Заголовок</translation>
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
