<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en_US">
<context>
    <name>VMappingPanel</name>
    <message>
        <source>Screen</source>
        <translation>画面</translation>
    </message>
    <message>
        <source>Part</source>
        <translation>領域</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>全画面</translation>
    </message>
    <message>
        <source>Full Tablet</source>
        <translation>タブレット全体</translation>
    </message>
    <message>
        <source>Aspect Ratio</source>
        <translation>縦横比</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>回転</translation>
    </message>
    <message>
        <source>Calibrate</source>
        <translation>補正</translation>
    </message>
    <message>
        <source>Restore Default</source>
        <translation>既定値に戻す</translation>
    </message>
    <message>
        <source>More Options</source>
        <translation>その他のオプション</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>px</translation>
    </message>
    <message>
        <source>All</source>
        <translation>すべて</translation>
    </message>
    <message>
        <source>Configuration saved</source>
        <translation>設定を保存しました</translation>
    </message>
    <message>
        <source>Calibration failed: the pen missed the marks</source>
        <translation>キャリブレーション失敗：マークを外れました</translation>
    </message>
</context>
</TS>
