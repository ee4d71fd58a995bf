<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="en_US">
<context>
    <name>VActionSelectDlg</name>
    <message>
        <source>Keyboard</source>
        <translation>키보드</translation>
    </message>
    <message>
        <source>Text Mode</source>
        <translation>텍스트 모드</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>마우스</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>장치</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>애플리케이션</translation>
    </message>
    <message>
        <source>Application Path</source>
        <translation>애플리케이션 경로</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>찾아보기</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>미디어</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>없음</translation>
    </message>
    <message>
        <source>Do not perform any action</source>
        <translation>아무 동작도 하지 않음</translation>
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
        <source>Enter a shortcut key (e.g., Ctrl+Z):</source>
        <translation>단축키 입력(예: Ctrl+Z):</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>전환</translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation>없음</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>왼쪽 클릭</translation>
    </message>
    <message>
        <source>Middle Click</source>
        <translation>가운데 클릭</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>오른쪽 클릭</translation>
    </message>
    <message>
        <source>Left Double Click</source>
        <translation>왼쪽 더블 클릭</translation>
    </message>
    <message>
        <source>Wheel Up</source>
        <translation>휠 위로</translation>
    </message>
    <message>
        <source>Wheel Down</source>
        <translation>휠 아래로</translation>
    </message>
    <message>
        <source>Ctrl + Wheel Up</source>
        <translation>Ctrl + 휠 위로</translation>
    </message>
    <message>
        <source>Ctrl + Wheel Down</source>
        <translation>Ctrl + 휠 아래로</translation>
    </message>
    <message>
        <source>Switch Monitor</source>
        <translation>모니터 전환</translation>
    </message>
    <message>
        <source>Pen/Eraser</source>
        <translation>펜/지우개</translation>
    </message>
    <message>
        <source>Custom Tool</source>
        <translation>사용자 지정 도구</translation>
    </message>
    <message>
        <source>Change Dial Action</source>
        <translation>다이얼 동작 전환</translation>
    </message>
    <message>
        <source>Browser Back</source>
        <translation>브라우저 뒤로</translation>
    </message>
    <message>
        <source>Browser Forward</source>
        <translation>브라우저 앞으로</translation>
    </message>
    <message>
        <source>Browser Refresh</source>
        <translation>브라우저 새로 고침</translation>
    </message>
    <message>
        <source>Browser Home</source>
        <translation>브라우저 홈</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation>이전 트랙</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>다음 트랙</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>재생/일시 정지</translation>
    </message>
    <message>
        <source>Volume Mute</source>
        <translation>음소거</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>볼륨 -</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>볼륨 +</translation>
    </message>
</context>
<context>
    <name>VHotkeyOptionDlg</name>
    <message>
        <source>More Options</source>
        <translation>추가 옵션</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>애플리케이션</translation>
    </message>
    <message>
        <source>Hotkey specifies the application</source>
        <translation>애플리케이션별 단축키 지정</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>키</translation>
    </message>
    <message>
        <source>Use the tablet keys </source>
        <translation>태블릿 키 사용</translation>
    </message>
    <message>
        <source>Dial</source>
        <translation>다이얼</translation>
    </message>
    <message>
        <source>Use the tablet dial</source>
        <translation>태블릿 다이얼 사용</translation>
    </message>
    <message>
        <source>Dial Sensitivity</source>
        <translation>다이얼 감도</translation>
    </message>
    <message>
        <source>Adjust Sensitivity of the Dial on the Tablet</source>
        <translation>태블릿 다이얼 감도 조정</translation>
    </message>
    <message>
        <source>Touch</source>
        <translation>터치</translation>
    </message>
    <message>
        <source>Use the tablet touch</source>
        <translation>태블릿 터치 사용</translation>
    </message>
</context>
<context>
    <name>VMappingOptionDlg</name>
    <message>
        <source>More Options</source>
        <translation>추가 옵션</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>회전</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>화면</translation>
    </message>
    <message>
        <source>Screen Identify</source>
        <translation>화면 식별</translation>
    </message>
    <message>
        <source>Detect and identify screens</source>
        <translation>화면 감지 및 식별</translation>
    </message>
    <message>
        <source>Color Temperature</source>
        <translation>색온도</translation>
    </message>
    <message>
        <source>Adjust screen color</source>
        <translation>화면 색상 조정</translation>
    </message>
    <message>
        <source>The target screen is not supported</source>
        <translation>대상 화면이 지원되지 않습니다</translation>
    </message>
</context>
<context>
    <name>VPenOptionDlg</name>
    <message>
        <source>More Options</source>
        <translation>추가 옵션</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>애플리케이션</translation>
    </message>
    <message>
        <source>Hotkey specifies the application</source>
        <translation>애플리케이션별 단축키 지정</translation>
    </message>
    <message>
        <source>Pressure Curve</source>
        <translation>압력 곡선</translation>
    </message>
    <message>
        <source>Use the pressure curve panel</source>
        <translation>압력 곡선 패널 사용</translation>
    </message>
    <message>
        <source>FPS Game Support</source>
        <translation>FPS 게임 지원</translation>
    </message>
    <message>
        <source>Only available in mouse mode on Windows</source>
        <translation>Windows 마우스 모드에서만 사용 가능</translation>
    </message>
</context>
</TS>
