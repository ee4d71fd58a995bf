<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en_US">
<context>
    <name>ConfigurationSave</name>
    <message>
        <source>Configuration not saved</source>
        <translation>設定未儲存</translation>
    </message>
    <message>
        <source>Application settings not saved</source>
        <translation>應用程式設定未儲存</translation>
    </message>
    <message>
        <source>Settings not reset</source>
        <translation>設定未重設</translation>
    </message>
    <message>
        <source>Application settings not reset</source>
        <translation>應用程式設定未重設</translation>
    </message>
</context>
</TS>
