<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en_US">
<context>
    <name>VActionSelectDlg</name>
    <message>
        <source>Keyboard</source>
        <translation>鍵盤</translation>
    </message>
    <message>
        <source>Text Mode</source>
        <translation>文字模式</translation>
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
        <source>Application Path</source>
        <translation>應用程式路徑</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>瀏覽</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>媒體</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>無</translation>
    </message>
    <message>
        <source>Do not perform any action</source>
        <translation>不執行任何動作</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>全部清除</translation>
    </message>
    <message>
        <source>Enter a shortcut key (e.g., Ctrl+Z):</source>
        <translation>輸入快速鍵（例如 Ctrl+Z）：</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>切換</translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation>無效</translation>
    </message>
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
        <source>Switch Monitor</source>
        <translation>切換顯示器</translation>
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
        <translation>切換滾輪功能</translation>
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
</context>
</TS>
