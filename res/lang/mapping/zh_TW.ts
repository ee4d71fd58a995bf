<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en_US">
<context>
    <name>VMappingPanel</name>
    <message>
        <source>Screen</source>
        <translation>螢幕</translation>
    </message>
    <message>
        <source>Part</source>
        <translation>區域</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>全螢幕</translation>
    </message>
    <message>
        <source>Full Tablet</source>
        <translation>整個數位板</translation>
    </message>
    <message>
        <source>Aspect Ratio</source>
        <translation>長寬比</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>旋轉</translation>
    </message>
    <message>
        <source>Calibrate</source>
        <translation>校正</translation>
    </message>
    <message>
        <source>Restore Default</source>
        <translation>還原預設值</translation>
    </message>
    <message>
        <source>More Options</source>
        <translation>更多選項</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>像素</translation>
    </message>
    <message>
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message>
        <source>Configuration saved</source>
        <translation>設定已儲存</translation>
    </message>
    <message>
        <source>Calibration failed: the pen missed the marks</source>
        <translation>校正失敗：筆尖未點中標記點</translation>
    </message>
</context>
</TS>
