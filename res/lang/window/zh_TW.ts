<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en_US">
<context>
    <name>MainWindow</name>
    <message>
        <source>Pen Tablet</source>
        <translation>數位板</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>型號</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>筆</translation>
    </message>
    <message>
        <source>Hot Key</source>
        <translation>快速鍵</translation>
    </message>
    <message>
        <source>Mapping</source>
        <translation>映射</translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation>顯示視窗</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>Tablet Driver</source>
        <translation>數位板驅動程式</translation>
    </message>
    <message>
        <source>This driver does not know the model &quot;%1&quot;: its settings cannot be shown or changed here.</source>
        <translation>此驅動程式無法識別型號「%1」：無法在此顯示或變更其設定。</translation>
    </message>
</context>
<context>
    <name>VHotkeyPanel</name>
    <message>
        <source>All Applications</source>
        <translation>所有應用程式</translation>
    </message>
    <message>
        <source>Edit Options...</source>
        <translation>編輯選項...</translation>
    </message>
</context>
<context>
    <name>VNotDetectedDlg</name>
    <message>
        <source>ZELVO Pen Tablet</source>
        <translation>ZELVO 數位板</translation>
    </message>
    <message>
        <source>No available device detected, please check if the device USB cable is connected.</source>
        <translation>未偵測到可用的裝置，請檢查裝置的 USB 線是否已連接。</translation>
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
        <translation>設定</translation>
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
        <translation>置頂</translation>
    </message>
</context>
</TS>
