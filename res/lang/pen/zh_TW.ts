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
<context>
    <name>VHotkeyOptionDlg</name>
    <message>
        <source>More Options</source>
        <translation>更多選項</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>應用程式</translation>
    </message>
    <message>
        <source>Hotkey specifies the application</source>
        <translation>快速鍵依應用程式設定</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>按鍵</translation>
    </message>
    <message>
        <source>Use the tablet keys </source>
        <translation>使用繪圖板按鍵</translation>
    </message>
    <message>
        <source>Dial</source>
        <translation>滾輪</translation>
    </message>
    <message>
        <source>Use the tablet dial</source>
        <translation>使用繪圖板滾輪</translation>
    </message>
    <message>
        <source>Dial Sensitivity</source>
        <translation>滾輪靈敏度</translation>
    </message>
    <message>
        <source>Adjust Sensitivity of the Dial on the Tablet</source>
        <translation>調整繪圖板滾輪的靈敏度</translation>
    </message>
    <message>
        <source>Touch</source>
        <translation>觸控</translation>
    </message>
    <message>
        <source>Use the tablet touch</source>
        <translation>使用繪圖板觸控</translation>
    </message>
</context>
<context>
    <name>VMappingOptionDlg</name>
    <message>
        <source>More Options</source>
        <translation>更多選項</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>旋轉</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>螢幕</translation>
    </message>
    <message>
        <source>Screen Identify</source>
        <translation>識別螢幕</translation>
    </message>
    <message>
        <source>Detect and identify screens</source>
        <translation>偵測並識別螢幕</translation>
    </message>
    <message>
        <source>Color Temperature</source>
        <translation>色溫</translation>
    </message>
    <message>
        <source>Adjust screen color</source>
        <translation>調整螢幕色彩</translation>
    </message>
    <message>
        <source>The target screen is not supported</source>
        <translation>不支援目標螢幕</translation>
    </message>
</context>
<context>
    <name>VPenOptionDlg</name>
    <message>
        <source>More Options</source>
        <translation>更多選項</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>應用程式</translation>
    </message>
    <message>
        <source>Hotkey specifies the application</source>
        <translation>快速鍵依應用程式設定</translation>
    </message>
    <message>
        <source>Pressure Curve</source>
        <translation>壓力曲線</translation>
    </message>
    <message>
        <source>Use the pressure curve panel</source>
        <translation>使用壓力曲線面板</translation>
    </message>
    <message>
        <source>FPS Game Support</source>
        <translation>FPS 遊戲支援</translation>
    </message>
    <message>
        <source>Only available in mouse mode on Windows</source>
        <translation>僅在 Windows 滑鼠模式下可用</translation>
    </message>
</context>
</TS>
