<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en_US">
<context>
    <name>ConfigurationSave</name>
    <message>
        <source>Configuration not saved</source>
        <translation>設定を保存できませんでした</translation>
    </message>
    <message>
        <source>Application settings not saved</source>
        <translation>アプリケーション設定を保存できませんでした</translation>
    </message>
    <message>
        <source>Settings not reset</source>
        <translation>設定をリセットできませんでした</translation>
    </message>
    <message>
        <source>Application settings not reset</source>
        <translation>アプリ設定をリセットできませんでした</translation>
    </message>
</context>
</TS>
