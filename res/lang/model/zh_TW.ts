<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en_US">
<context>
    <name>TabletLanguage</name>
    <message>
        <source>Zoom In</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>縮小</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>復原</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>取消復原</translation>
    </message>
    <message>
        <source>Brush</source>
        <translation>筆刷</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>橡皮擦</translation>
    </message>
    <message>
        <source>Hand Tool</source>
        <translation>手形工具</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>筆</translation>
    </message>
    <message>
        <source>Wheel Up</source>
        <translation>滾輪向上</translation>
    </message>
    <message>
        <source>Wheel Down</source>
        <translation>滾輪向下</translation>
    </message>
    <message>
        <source>Pen/Eraser</source>
        <translation>筆/橡皮擦</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>右鍵按一下</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>鍵盤</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>滑鼠</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>裝置</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>應用程式</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>媒體</translation>
    </message>
    <message>
        <source>Change Dial Action</source>
        <translation>切換轉盤功能</translation>
    </message>
    <message>
        <source>Smaller Brush</source>
        <translation>縮小筆刷</translation>
    </message>
    <message>
        <source>Larger Brush</source>
        <translation>放大筆刷</translation>
    </message>
    <message>
        <source>Pan</source>
        <translation>平移</translation>
    </message>
    <message>
        <source>Middle Click</source>
        <translation>中鍵按一下</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Switch Monitor</source>
        <translation>切換螢幕</translation>
    </message>
    <message>
        <source>Eyedropper</source>
        <translation>滴管</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全選</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪下</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼上</translation>
    </message>
    <message>
        <source>Hide Panels</source>
        <translation>隱藏面板</translation>
    </message>
    <message>
        <source>Tool Cycle</source>
        <translation>切換工具</translation>
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
        <translation>上一首</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>播放/暫停</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>下一首</translation>
    </message>
    <message>
        <source>Volume Mute</source>
        <translation>靜音</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>音量 -</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>音量 +</translation>
    </message>
    <message>
        <source>Browser Back</source>
        <translation>瀏覽器上一頁</translation>
    </message>
    <message>
        <source>Browser Forward</source>
        <translation>瀏覽器下一頁</translation>
    </message>
    <message>
        <source>Browser Home</source>
        <translation>瀏覽器首頁</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>小算盤</translation>
    </message>
</context>
<context>
    <name>TabletExecAction</name>
    <message>
        <source>Execute</source>
        <translation>執行</translation>
    </message>
</context>
<context>
    <name>TabletKeyboardAction</name>
    <message>
        <source>Invalid</source>
        <translation>無效</translation>
    </message>
</context>
<context>
    <name>TabletMediaAction</name>
    <message>
        <source>Browser Back</source>
        <translation>瀏覽器上一頁</translation>
    </message>
    <message>
        <source>Browser Forward</source>
        <translation>瀏覽器下一頁</translation>
    </message>
    <message>
        <source>Browser Refresh</source>
        <translation>瀏覽器重新整理</translation>
    </message>
    <message>
        <source>Browser Home</source>
        <translation>瀏覽器首頁</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation>上一首</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>下一首</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>播放/暫停</translation>
    </message>
    <message>
        <source>Volume Mute</source>
        <translation>靜音</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>音量 -</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>音量 +</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>未知</translation>
    </message>
</context>
<context>
    <name>TabletMiscAction</name>
    <message>
        <source>Switch Monitor</source>
        <translation>切換螢幕</translation>
    </message>
    <message>
        <source>Pen/Eraser</source>
        <translation>筆/橡皮擦</translation>
    </message>
    <message>
        <source>Custom Tool</source>
        <translation>自訂工具</translation>
    </message>
    <message>
        <source>Change Dial Action</source>
        <translation>切換轉盤功能</translation>
    </message>
</context>
<context>
    <name>TabletMouseAction</name>
    <message>
        <source>Left Click</source>
        <translation>左鍵按一下</translation>
    </message>
    <message>
        <source>Middle Click</source>
        <translation>中鍵按一下</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>右鍵按一下</translation>
    </message>
    <message>
        <source>Left Double Click</source>
        <translation>左鍵按兩下</translation>
    </message>
    <message>
        <source>Wheel Up</source>
        <translation>滾輪向上</translation>
    </message>
    <message>
        <source>Wheel Down</source>
        <translation>滾輪向下</translation>
    </message>
    <message>
        <source>Ctrl + Wheel Up</source>
        <translation>Ctrl + 滾輪向上</translation>
    </message>
    <message>
        <source>Ctrl + Wheel Down</source>
        <translation>Ctrl + 滾輪向下</translation>
    </message>
    <message>
        <source>Undefined</source>
        <translation>未定義</translation>
    </message>
</context>
<context>
    <name>ThirdPartyProfiles</name>
    <message>
        <source>Pen</source>
        <translation>筆</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>橡皮擦</translation>
    </message>
</context>
</TS>
