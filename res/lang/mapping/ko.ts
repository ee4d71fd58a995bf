<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="en_US">
<context>
    <name>VMappingPanel</name>
    <message>
        <source>Screen</source>
        <translation>화면</translation>
    </message>
    <message>
        <source>Part</source>
        <translation>영역</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>전체 화면</translation>
    </message>
    <message>
        <source>Full Tablet</source>
        <translation>태블릿 전체</translation>
    </message>
    <message>
        <source>Aspect Ratio</source>
        <translation>화면 비율</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>회전</translation>
    </message>
    <message>
        <source>Calibrate</source>
        <translation>보정</translation>
    </message>
    <message>
        <source>Restore Default</source>
        <translation>기본값 복원</translation>
    </message>
    <message>
        <source>More Options</source>
        <translation>추가 옵션</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>픽셀</translation>
    </message>
    <message>
        <source>All</source>
        <translation>전체</translation>
    </message>
    <message>
        <source>Configuration saved</source>
        <translation>구성이 저장되었습니다</translation>
    </message>
    <message>
        <source>Calibration failed: the pen missed the marks</source>
        <translation>보정 실패: 펜이 표시를 벗어났습니다</translation>
    </message>
</context>
</TS>
