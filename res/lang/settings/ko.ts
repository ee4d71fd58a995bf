<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="en_US">
<context>
    <name>VLanguageItem</name>
    <message>
        <source>English</source>
        <translation>영어</translation>
    </message>
    <message>
        <source>French</source>
        <translation>프랑스어</translation>
    </message>
    <message>
        <source>German</source>
        <translation>독일어</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>이탈리아어</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>일본어</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>한국어</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>포르투갈어</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>러시아어</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>중국어(간체)</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>스페인어</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>중국어(번체)</translation>
    </message>
    <message>
        <source>Use this language</source>
        <translation>이 언어 사용</translation>
    </message>
</context>
<context>
    <name>VSettingsPanel</name>
    <message>
        <source>Backup &amp; Restore</source>
        <translation>백업 및 복원</translation>
    </message>
    <message>
        <source>Backup current settings</source>
        <translation>현재 설정을 백업합니다</translation>
    </message>
    <message>
        <source>Check the current data status of the tablet</source>
        <translation>태블릿의 현재 데이터 상태를 확인합니다</translation>
    </message>
    <message>
        <source>Diagnose</source>
        <translation>진단</translation>
    </message>
    <message>
        <source>Export Settings</source>
        <translation>설정 내보내기</translation>
    </message>
    <message>
        <source>General</source>
        <translation>일반</translation>
    </message>
    <message>
        <source>Hotkey description</source>
        <translation>단축키 설명</translation>
    </message>
    <message>
        <source>Hotkey synchronized response</source>
        <translation>단축키 동기 응답</translation>
    </message>
    <message>
        <source>Import Settings</source>
        <translation>설정 가져오기</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>유지 관리</translation>
    </message>
    <message>
        <source>No</source>
        <translation>아니요</translation>
    </message>
    <message>
        <source>No Settings are exported, please save them first</source>
        <translation>내보낼 설정이 없습니다. 먼저 설정을 저장하세요</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Pen Feature</source>
        <translation>펜 기능</translation>
    </message>
    <message>
        <source>Pen tilt data</source>
        <translation>펜 기울기 데이터</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>초기화</translation>
    </message>
    <message>
        <source>Reset to default settings</source>
        <translation>기본 설정으로 되돌립니다</translation>
    </message>
    <message>
        <source>Restore current settings</source>
        <translation>백업에서 설정을 복원합니다</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Settings export abort</source>
        <translation>설정 내보내기가 중단되었습니다</translation>
    </message>
    <message>
        <source>Settings export completed</source>
        <translation>설정 내보내기가 완료되었습니다</translation>
    </message>
    <message>
        <source>Settings import abort</source>
        <translation>설정 가져오기가 중단되었습니다</translation>
    </message>
    <message>
        <source>Settings import completed</source>
        <translation>설정 가져오기가 완료되었습니다</translation>
    </message>
    <message>
        <source>Settings partly imported</source>
        <translation>설정을 일부만 가져왔습니다</translation>
    </message>
    <message>
        <source>Could not be written: %1</source>
        <translation>쓸 수 없음: %1</translation>
    </message>
    <message>
        <source>Switch of hotkey description</source>
        <translation>단축키 설명 표시를 켜거나 끕니다</translation>
    </message>
    <message>
        <source>Syncs with user key actions</source>
        <translation>사용자의 키 동작과 동기화합니다</translation>
    </message>
    <message>
        <source>Tablet Feature</source>
        <translation>태블릿 기능</translation>
    </message>
    <message>
        <source>Tablet auto rotation</source>
        <translation>태블릿 자동 회전</translation>
    </message>
    <message>
        <source>Tablet follows the OS screen orientation</source>
        <translation>태블릿이 OS 화면 방향을 따릅니다</translation>
    </message>
    <message>
        <source>This will reset all Settings to default, are you sure?</source>
        <translation>모든 설정이 기본값으로 초기화됩니다. 계속하시겠습니까?</translation>
    </message>
    <message>
        <source>When enabled, output pen tilt Angle data</source>
        <translation>활성화하면 펜 기울기 각도 데이터를 출력합니다</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>예</translation>
    </message>
</context>
</TS>
