<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en_US">
<context>
    <name>MainWindow</name>
    <message>
        <source>Pen Tablet</source>
        <translation>数位板</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>型号</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>笔</translation>
    </message>
    <message>
        <source>Hot Key</source>
        <translation>快捷键</translation>
    </message>
    <message>
        <source>Mapping</source>
        <translation>映射</translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation>显示窗口</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Tablet Driver</source>
        <translation>数位板驱动</translation>
    </message>
    <message>
        <source>This driver does not know the model &quot;%1&quot;: its settings cannot be shown or changed here.</source>
        <translation>此驱动程序无法识别型号“%1”：无法在此显示或更改其设置。</translation>
    </message>
</context>
<context>
    <name>VHotkeyPanel</name>
    <message>
        <source>All Applications</source>
        <translation>所有应用程序</translation>
    </message>
    <message>
        <source>Edit Options...</source>
        <translation>编辑选项...</translation>
    </message>
</context>
<context>
    <name>VNotDetectedDlg</name>
    <message>
        <source>ZELVO Pen Tablet</source>
        <translation>ZELVO 数位板</translation>
    </message>
    <message>
        <source>No available device detected, please check if the device USB cable is connected.</source>
        <translation>未检测到可用设备，请检查设备的 USB 线是否已连接。</translation>
    </message>
</context>
<context>
    <name>VTitleBar</name>
    <message>
        <source>max</source>
        <translation>最大化</translation>
    </message>
    <message>
        <source>set</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>min</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>X</source>
        <translation>×</translation>
    </message>
    <message>
        <source>thumbtack</source>
        <translation>置顶</translation>
    </message>
</context>
</TS>
