<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="en_US">
<context>
    <name>ConfigurationSave</name>
    <message>
        <source>Configuration not saved</source>
        <translation>설정을 저장하지 못했습니다</translation>
    </message>
    <message>
        <source>Application settings not saved</source>
        <translation>응용 프로그램 설정을 저장하지 못했습니다</translation>
    </message>
    <message>
        <source>Settings not reset</source>
        <translation>설정을 초기화하지 못했습니다</translation>
    </message>
    <message>
        <source>Application settings not reset</source>
        <translation>응용 프로그램 설정을 초기화하지 못했습니다</translation>
    </message>
</context>
</TS>
