<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en_US">
<context>
    <name>VActionSelectDlg</name>
    <message>
        <source>Keyboard</source>
        <translation>键盘</translation>
    </message>
    <message>
        <source>Text Mode</source>
        <translation>文本模式</translation>
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
        <source>Application Path</source>
        <translation>应用程序路径</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>浏览</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>媒体</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Do not perform any action</source>
        <translation>不执行任何操作</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
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
        <translation>输入快捷键（例如 Ctrl+Z）：</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>切换</translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation>无效</translation>
    </message>
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
        <translation>切换滚轮功能</translation>
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
</context>
<context>
    <name>VHotkeyOptionDlg</name>
    <message>
        <source>More Options</source>
        <translation>更多选项</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>应用程序</translation>
    </message>
    <message>
        <source>Hotkey specifies the application</source>
        <translation>快捷键按应用程序设置</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>按键</translation>
    </message>
    <message>
        <source>Use the tablet keys </source>
        <translation>使用数位板按键</translation>
    </message>
    <message>
        <source>Dial</source>
        <translation>滚轮</translation>
    </message>
    <message>
        <source>Use the tablet dial</source>
        <translation>使用数位板滚轮</translation>
    </message>
    <message>
        <source>Dial Sensitivity</source>
        <translation>滚轮灵敏度</translation>
    </message>
    <message>
        <source>Adjust Sensitivity of the Dial on the Tablet</source>
        <translation>调整数位板滚轮的灵敏度</translation>
    </message>
    <message>
        <source>Touch</source>
        <translation>触控</translation>
    </message>
    <message>
        <source>Use the tablet touch</source>
        <translation>使用数位板触控</translation>
    </message>
</context>
<context>
    <name>VMappingOptionDlg</name>
    <message>
        <source>More Options</source>
        <translation>更多选项</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>旋转</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>屏幕</translation>
    </message>
    <message>
        <source>Screen Identify</source>
        <translation>识别屏幕</translation>
    </message>
    <message>
        <source>Detect and identify screens</source>
        <translation>检测并识别屏幕</translation>
    </message>
    <message>
        <source>Color Temperature</source>
        <translation>色温</translation>
    </message>
    <message>
        <source>Adjust screen color</source>
        <translation>调整屏幕颜色</translation>
    </message>
    <message>
        <source>The target screen is not supported</source>
        <translation>不支持目标屏幕</translation>
    </message>
</context>
<context>
    <name>VPenOptionDlg</name>
    <message>
        <source>More Options</source>
        <translation>更多选项</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>应用程序</translation>
    </message>
    <message>
        <source>Hotkey specifies the application</source>
        <translation>快捷键按应用程序设置</translation>
    </message>
    <message>
        <source>Pressure Curve</source>
        <translation>压力曲线</translation>
    </message>
    <message>
        <source>Use the pressure curve panel</source>
        <translation>使用压力曲线面板</translation>
    </message>
    <message>
        <source>FPS Game Support</source>
        <translation>FPS 游戏支持</translation>
    </message>
    <message>
        <source>Only available in mouse mode on Windows</source>
        <translation>仅在 Windows 鼠标模式下可用</translation>
    </message>
</context>
</TS>
