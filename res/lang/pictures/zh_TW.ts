<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en_US">
<context>
    <name>VMacAccessibilityBanner</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
    <message>
        <source>The driver may not function properly, and you need to correctly configure the driver permissions.</source>
        <translation>驅動程式可能無法正常運作，您需要正確設定驅動程式的權限。</translation>
    </message>
    <message>
        <source>Accessibility</source>
        <translation>輔助使用</translation>
    </message>
    <message>
        <source>Screen Recording</source>
        <translation>螢幕錄製</translation>
    </message>
</context>
</TS>
