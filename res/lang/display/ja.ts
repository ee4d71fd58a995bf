<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en_US">
<context>
    <name>VDDCControlDlg</name>
    <message>
        <source>Luminance</source>
        <translation>輝度</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>コントラスト</translation>
    </message>
    <message>
        <source>Color Temperature</source>
        <translation>色温度</translation>
    </message>
    <message>
        <source>RGB Gain</source>
        <translation>RGB ゲイン</translation>
    </message>
    <message>
        <source>User</source>
        <translation>ユーザー</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>デフォルト</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>Display color temperature</source>
        <translation>ディスプレイの色温度</translation>
    </message>
    <message>
        <source>Display adapter/slot not supported</source>
        <translation>このディスプレイアダプター/スロットはサポートされていません</translation>
    </message>
    <message>
        <source>The display could not be found; its picture cannot be adjusted.</source>
        <translation>ディスプレイが見つからないため、画質を調整できません。</translation>
    </message>
</context>
<context>
    <name>VScreenCalibrateDlg</name>
    <message>
        <source>Calibrate</source>
        <translation>キャリブレーション</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Adjust your pen grip and use the pen tip (not the cursor arrow) to click on the mark points</source>
        <translation>ペンの持ち方を整え、（カーソルの矢印ではなく）ペン先でマークをタップしてください</translation>
    </message>
</context>
</TS>
