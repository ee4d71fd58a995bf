<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="en_US">
<context>
    <name>TabletLanguage</name>
    <message>
        <source>Zoom In</source>
        <translation>확대</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>축소</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>실행 취소</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>다시 실행</translation>
    </message>
    <message>
        <source>Brush</source>
        <translation>브러시</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>지우개</translation>
    </message>
    <message>
        <source>Hand Tool</source>
        <translation>손 도구</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>펜</translation>
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
        <source>Pen/Eraser</source>
        <translation>펜/지우개</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>오른쪽 클릭</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>키보드</translation>
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
        <translation>응용 프로그램</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>미디어</translation>
    </message>
    <message>
        <source>Change Dial Action</source>
        <translation>다이얼 동작 전환</translation>
    </message>
    <message>
        <source>Smaller Brush</source>
        <translation>브러시 작게</translation>
    </message>
    <message>
        <source>Larger Brush</source>
        <translation>브러시 크게</translation>
    </message>
    <message>
        <source>Pan</source>
        <translation>이동</translation>
    </message>
    <message>
        <source>Middle Click</source>
        <translation>가운데 클릭</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Switch Monitor</source>
        <translation>모니터 전환</translation>
    </message>
    <message>
        <source>Eyedropper</source>
        <translation>스포이트</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>모두 선택</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>복사</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>잘라내기</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>붙여넣기</translation>
    </message>
    <message>
        <source>Hide Panels</source>
        <translation>패널 숨기기</translation>
    </message>
    <message>
        <source>Tool Cycle</source>
        <translation>도구 전환</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation>이전 트랙</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>재생/일시 정지</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>다음 트랙</translation>
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
    <message>
        <source>Browser Back</source>
        <translation>브라우저 뒤로</translation>
    </message>
    <message>
        <source>Browser Forward</source>
        <translation>브라우저 앞으로</translation>
    </message>
    <message>
        <source>Browser Home</source>
        <translation>브라우저 홈</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>계산기</translation>
    </message>
</context>
<context>
    <name>TabletExecAction</name>
    <message>
        <source>Execute</source>
        <translation>실행</translation>
    </message>
</context>
<context>
    <name>TabletKeyboardAction</name>
    <message>
        <source>Invalid</source>
        <translation>유효하지 않음</translation>
    </message>
</context>
<context>
    <name>TabletMediaAction</name>
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
    <message>
        <source>Unknown</source>
        <translation>알 수 없음</translation>
    </message>
</context>
<context>
    <name>TabletMiscAction</name>
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
</context>
<context>
    <name>TabletMouseAction</name>
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
        <source>Undefined</source>
        <translation>정의되지 않음</translation>
    </message>
</context>
<context>
    <name>ThirdPartyProfiles</name>
    <message>
        <source>Pen</source>
        <translation>펜</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>지우개</translation>
    </message>
</context>
</TS>
