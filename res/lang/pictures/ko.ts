<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="en_US">
<context>
    <name>VMacAccessibilityBanner</name>
    <message>
        <source>Form</source>
        <translation>폼</translation>
    </message>
    <message>
        <source>The driver may not function properly, and you need to correctly configure the driver permissions.</source>
        <translation>드라이버가 제대로 작동하지 않을 수 있습니다. 드라이버 권한을 올바르게 설정해야 합니다.</translation>
    </message>
    <message>
        <source>Accessibility</source>
        <translation>손쉬운 사용</translation>
    </message>
    <message>
        <source>Screen Recording</source>
        <translation>화면 기록</translation>
    </message>
</context>
</TS>
