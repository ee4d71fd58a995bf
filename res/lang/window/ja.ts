<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en_US">
<context>
    <name>MainWindow</name>
    <message>
        <source>Pen Tablet</source>
        <translation>ペンタブレット</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>モデル</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>ペン</translation>
    </message>
    <message>
        <source>Hot Key</source>
        <translation>ショートカット</translation>
    </message>
    <message>
        <source>Mapping</source>
        <translation>マッピング</translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation>ウィンドウを表示</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Tablet Driver</source>
        <translation>タブレットドライバー</translation>
    </message>
    <message>
        <source>This driver does not know the model &quot;%1&quot;: its settings cannot be shown or changed here.</source>
        <translation>このドライバーはモデル「%1」を認識できません。ここでは設定を表示することも変更することもできません。</translation>
    </message>
</context>
<context>
    <name>VHotkeyPanel</name>
    <message>
        <source>All Applications</source>
        <translation>すべてのアプリケーション</translation>
    </message>
    <message>
        <source>Edit Options...</source>
        <translation>オプションを編集...</translation>
    </message>
</context>
<context>
    <name>VNotDetectedDlg</name>
    <message>
        <source>ZELVO Pen Tablet</source>
        <translation>ZELVO ペンタブレット</translation>
    </message>
    <message>
        <source>No available device detected, please check if the device USB cable is connected.</source>
        <translation>使用可能なデバイスが検出されません。デバイスの USB ケーブルが接続されているか確認してください。</translation>
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
        <translation>最前面に固定</translation>
    </message>
</context>
</TS>
