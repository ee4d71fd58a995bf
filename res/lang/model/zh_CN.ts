<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en_US">
<context>
    <name>TabletLanguage</name>
    <message>
        <source>Zoom In</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>缩小</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>Brush</source>
        <translation>画笔</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>橡皮擦</translation>
    </message>
    <message>
        <source>Hand Tool</source>
        <translation>抓手工具</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>笔</translation>
    </message>
    <message>
        <source>Wheel Up</source>
        <translation>滚轮向上</translation>
    </message>
    <message>
        <source>Wheel Down</source>
        <translation>滚轮向下</translation>
    </message>
    <message>
        <source>Pen/Eraser</source>
        <translation>笔/橡皮擦</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>右键单击</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>键盘</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>鼠标</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>设备</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>应用程序</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>媒体</translation>
    </message>
    <message>
        <source>Change Dial Action</source>
        <translation>切换拨轮功能</translation>
    </message>
    <message>
        <source>Smaller Brush</source>
        <translation>缩小画笔</translation>
    </message>
    <message>
        <source>Larger Brush</source>
        <translation>放大画笔</translation>
    </message>
    <message>
        <source>Pan</source>
        <translation>平移</translation>
    </message>
    <message>
        <source>Middle Click</source>
        <translation>中键单击</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Switch Monitor</source>
        <translation>切换显示器</translation>
    </message>
    <message>
        <source>Eyedropper</source>
        <translation>吸管</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>Hide Panels</source>
        <translation>隐藏面板</translation>
    </message>
    <message>
        <source>Tool Cycle</source>
        <translation>切换工具</translation>
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
        <translation>上一曲</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>播放/暂停</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>下一曲</translation>
    </message>
    <message>
        <source>Volume Mute</source>
        <translation>静音</translation>
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
        <translation>浏览器后退</translation>
    </message>
    <message>
        <source>Browser Forward</source>
        <translation>浏览器前进</translation>
    </message>
    <message>
        <source>Browser Home</source>
        <translation>浏览器主页</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>计算器</translation>
    </message>
</context>
<context>
    <name>TabletExecAction</name>
    <message>
        <source>Execute</source>
        <translation>执行</translation>
    </message>
</context>
<context>
    <name>TabletKeyboardAction</name>
    <message>
        <source>Invalid</source>
        <translation>无效</translation>
    </message>
</context>
<context>
    <name>TabletMediaAction</name>
    <message>
        <source>Browser Back</source>
        <translation>浏览器后退</translation>
    </message>
    <message>
        <source>Browser Forward</source>
        <translation>浏览器前进</translation>
    </message>
    <message>
        <source>Browser Refresh</source>
        <translation>浏览器刷新</translation>
    </message>
    <message>
        <source>Browser Home</source>
        <translation>浏览器主页</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation>上一曲</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>下一曲</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>播放/暂停</translation>
    </message>
    <message>
        <source>Volume Mute</source>
        <translation>静音</translation>
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
        <translation>切换显示器</translation>
    </message>
    <message>
        <source>Pen/Eraser</source>
        <translation>笔/橡皮擦</translation>
    </message>
    <message>
        <source>Custom Tool</source>
        <translation>自定义工具</translation>
    </message>
    <message>
        <source>Change Dial Action</source>
        <translation>切换拨轮功能</translation>
    </message>
</context>
<context>
    <name>TabletMouseAction</name>
    <message>
        <source>Left Click</source>
        <translation>左键单击</translation>
    </message>
    <message>
        <source>Middle Click</source>
        <translation>中键单击</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>右键单击</translation>
    </message>
    <message>
        <source>Left Double Click</source>
        <translation>左键双击</translation>
    </message>
    <message>
        <source>Wheel Up</source>
        <translation>滚轮向上</translation>
    </message>
    <message>
        <source>Wheel Down</source>
        <translation>滚轮向下</translation>
    </message>
    <message>
        <source>Ctrl + Wheel Up</source>
        <translation>Ctrl + 滚轮向上</translation>
    </message>
    <message>
        <source>Ctrl + Wheel Down</source>
        <translation>Ctrl + 滚轮向下</translation>
    </message>
    <message>
        <source>Undefined</source>
        <translation>未定义</translation>
    </message>
</context>
<context>
    <name>ThirdPartyProfiles</name>
    <message>
        <source>Pen</source>
        <translation>笔</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>橡皮擦</translation>
    </message>
</context>
</TS>
