<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="en_US">
<context>
    <name>MainWindow</name>
    <message>
        <source>Pen Tablet</source>
        <translation>펜 태블릿</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>모델</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>펜</translation>
    </message>
    <message>
        <source>Hot Key</source>
        <translation>단축키</translation>
    </message>
    <message>
        <source>Mapping</source>
        <translation>매핑</translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation>창 표시</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>Tablet Driver</source>
        <translation>태블릿 드라이버</translation>
    </message>
    <message>
        <source>This driver does not know the model &quot;%1&quot;: its settings cannot be shown or changed here.</source>
        <translation>이 드라이버는 모델 “%1”을(를) 알지 못합니다. 여기에서는 설정을 표시하거나 변경할 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>VHotkeyPanel</name>
    <message>
        <source>All Applications</source>
        <translation>모든 애플리케이션</translation>
    </message>
    <message>
        <source>Edit Options...</source>
        <translation>옵션 편집...</translation>
    </message>
</context>
<context>
    <name>VNotDetectedDlg</name>
    <message>
        <source>ZELVO Pen Tablet</source>
        <translation>ZELVO 펜 태블릿</translation>
    </message>
    <message>
        <source>No available device detected, please check if the device USB cable is connected.</source>
        <translation>사용 가능한 장치가 감지되지 않았습니다. 장치의 USB 케이블이 연결되어 있는지 확인하십시오.</translation>
    </message>
</context>
<context>
    <name>VTitleBar</name>
    <message>
        <source>max</source>
        <translation>최대화</translation>
    </message>
    <message>
        <source>set</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>min</source>
        <translation>최소화</translation>
    </message>
    <message>
        <source>X</source>
        <translation>×</translation>
    </message>
    <message>
        <source>thumbtack</source>
        <translation>고정</translation>
    </message>
</context>
</TS>
