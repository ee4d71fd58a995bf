<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="en_US">
<context>
    <name>VDDCControlDlg</name>
    <message>
        <source>Luminance</source>
        <translation>밝기</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>명암</translation>
    </message>
    <message>
        <source>Color Temperature</source>
        <translation>색온도</translation>
    </message>
    <message>
        <source>RGB Gain</source>
        <translation>RGB 게인</translation>
    </message>
    <message>
        <source>User</source>
        <translation>사용자</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>기본값</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Display color temperature</source>
        <translation>디스플레이 색온도</translation>
    </message>
    <message>
        <source>Display adapter/slot not supported</source>
        <translation>지원되지 않는 디스플레이 어댑터/슬롯</translation>
    </message>
    <message>
        <source>The display could not be found; its picture cannot be adjusted.</source>
        <translation>디스플레이를 찾을 수 없어 화면을 조정할 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>VScreenCalibrateDlg</name>
    <message>
        <source>Calibrate</source>
        <translation>보정</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Adjust your pen grip and use the pen tip (not the cursor arrow) to click on the mark points</source>
        <translation>펜을 평소처럼 잡고 (커서 화살표가 아닌) 펜 끝으로 표시 지점을 누르세요</translation>
    </message>
</context>
</TS>
