<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en_US">
<context>
    <name>ConfigurationSave</name>
    <message>
        <source>Configuration not saved</source>
        <translation>配置未保存</translation>
    </message>
    <message>
        <source>Application settings not saved</source>
        <translation>应用程序设置未保存</translation>
    </message>
    <message>
        <source>Settings not reset</source>
        <translation>设置未重置</translation>
    </message>
    <message>
        <source>Application settings not reset</source>
        <translation>应用程序设置未重置</translation>
    </message>
</context>
</TS>
