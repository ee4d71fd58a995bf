<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="en_US">
<context>
    <name>VAppSelectDlg</name>
    <message>
        <source>More Options</source>
        <translation>추가 옵션</translation>
    </message>
    <message>
        <source>Specify applications</source>
        <translation>지정한 애플리케이션</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>추가</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>제거</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>모두 지우기</translation>
    </message>
    <message>
        <source>Running applications</source>
        <translation>실행 중인 애플리케이션</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>경로</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>애플리케이션</translation>
    </message>
</context>
<context>
    <name>VDialActionDlg</name>
    <message>
        <source>Left</source>
        <translation>왼쪽</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>오른쪽</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation>없음</translation>
    </message>
</context>
<context>
    <name>VHotkeyPanel</name>
    <message>
        <source>Hotkey specifies the application</source>
        <translation>애플리케이션별 단축키 지정</translation>
    </message>
    <message>
        <source>Hot Key</source>
        <translation>단축키</translation>
    </message>
    <message>
        <source>Click the keys area to set hotkey</source>
        <translation>키를 클릭하여 단축키를 설정하세요</translation>
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
        <source>Hotkey Preview</source>
        <translation>단축키 미리 보기</translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation>없음</translation>
    </message>
    <message>
        <source>Configuration saved</source>
        <translation>설정이 저장되었습니다</translation>
    </message>
</context>
<context>
    <name>VHotkeyPreviewDlg</name>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Hotkey Preview</source>
        <translation>단축키 미리 보기</translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation>없음</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>키</translation>
    </message>
    <message>
        <source>Dial</source>
        <translation>다이얼</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>동작</translation>
    </message>
    <message>
        <source>Touch</source>
        <translation>터치</translation>
    </message>
</context>
</TS>
