<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en_US">
<context>
    <name>VMacAccessibilityBanner</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>The driver may not function properly, and you need to correctly configure the driver permissions.</source>
        <translation>驱动程序可能无法正常工作，您需要正确配置驱动程序的权限。</translation>
    </message>
    <message>
        <source>Accessibility</source>
        <translation>辅助功能</translation>
    </message>
    <message>
        <source>Screen Recording</source>
        <translation>屏幕录制</translation>
    </message>
</context>
</TS>
