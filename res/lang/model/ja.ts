<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en_US">
<context>
    <name>TabletLanguage</name>
    <message>
        <source>Zoom In</source>
        <translation>拡大</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>縮小</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>やり直し</translation>
    </message>
    <message>
        <source>Brush</source>
        <translation>ブラシ</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>消しゴム</translation>
    </message>
    <message>
        <source>Hand Tool</source>
        <translation>手のひらツール</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>ペン</translation>
    </message>
    <message>
        <source>Wheel Up</source>
        <translation>ホイール上</translation>
    </message>
    <message>
        <source>Wheel Down</source>
        <translation>ホイール下</translation>
    </message>
    <message>
        <source>Pen/Eraser</source>
        <translation>ペン/消しゴム</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>右クリック</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>キーボード</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>マウス</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>デバイス</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>アプリケーション</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>メディア</translation>
    </message>
    <message>
        <source>Change Dial Action</source>
        <translation>ダイヤル機能の切り替え</translation>
    </message>
    <message>
        <source>Smaller Brush</source>
        <translation>ブラシを小さく</translation>
    </message>
    <message>
        <source>Larger Brush</source>
        <translation>ブラシを大きく</translation>
    </message>
    <message>
        <source>Pan</source>
        <translation>パン</translation>
    </message>
    <message>
        <source>Middle Click</source>
        <translation>中クリック</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Switch Monitor</source>
        <translation>モニターの切り替え</translation>
    </message>
    <message>
        <source>Eyedropper</source>
        <translation>スポイト</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>すべて選択</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>切り取り</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>Hide Panels</source>
        <translation>パネルを隠す</translation>
    </message>
    <message>
        <source>Tool Cycle</source>
        <translation>ツールの切り替え</translation>
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
        <translation>前のトラック</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>再生/一時停止</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>次のトラック</translation>
    </message>
    <message>
        <source>Volume Mute</source>
        <translation>ミュート</translation>
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
        <translation>ブラウザーの戻る</translation>
    </message>
    <message>
        <source>Browser Forward</source>
        <translation>ブラウザーの進む</translation>
    </message>
    <message>
        <source>Browser Home</source>
        <translation>ブラウザーのホーム</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>電卓</translation>
    </message>
</context>
<context>
    <name>TabletExecAction</name>
    <message>
        <source>Execute</source>
        <translation>実行</translation>
    </message>
</context>
<context>
    <name>TabletKeyboardAction</name>
    <message>
        <source>Invalid</source>
        <translation>無効</translation>
    </message>
</context>
<context>
    <name>TabletMediaAction</name>
    <message>
        <source>Browser Back</source>
        <translation>ブラウザーの戻る</translation>
    </message>
    <message>
        <source>Browser Forward</source>
        <translation>ブラウザーの進む</translation>
    </message>
    <message>
        <source>Browser Refresh</source>
        <translation>ブラウザーの更新</translation>
    </message>
    <message>
        <source>Browser Home</source>
        <translation>ブラウザーのホーム</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation>前のトラック</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>次のトラック</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>再生/一時停止</translation>
    </message>
    <message>
        <source>Volume Mute</source>
        <translation>ミュート</translation>
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
        <translation>不明</translation>
    </message>
</context>
<context>
    <name>TabletMiscAction</name>
    <message>
        <source>Switch Monitor</source>
        <translation>モニターの切り替え</translation>
    </message>
    <message>
        <source>Pen/Eraser</source>
        <translation>ペン/消しゴム</translation>
    </message>
    <message>
        <source>Custom Tool</source>
        <translation>カスタムツール</translation>
    </message>
    <message>
        <source>Change Dial Action</source>
        <translation>ダイヤル機能の切り替え</translation>
    </message>
</context>
<context>
    <name>TabletMouseAction</name>
    <message>
        <source>Left Click</source>
        <translation>左クリック</translation>
    </message>
    <message>
        <source>Middle Click</source>
        <translation>中クリック</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>右クリック</translation>
    </message>
    <message>
        <source>Left Double Click</source>
        <translation>左ダブルクリック</translation>
    </message>
    <message>
        <source>Wheel Up</source>
        <translation>ホイール上</translation>
    </message>
    <message>
        <source>Wheel Down</source>
        <translation>ホイール下</translation>
    </message>
    <message>
        <source>Ctrl + Wheel Up</source>
        <translation>Ctrl + ホイール上</translation>
    </message>
    <message>
        <source>Ctrl + Wheel Down</source>
        <translation>Ctrl + ホイール下</translation>
    </message>
    <message>
        <source>Undefined</source>
        <translation>未定義</translation>
    </message>
</context>
<context>
    <name>ThirdPartyProfiles</name>
    <message>
        <source>Pen</source>
        <translation>ペン</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>消しゴム</translation>
    </message>
</context>
</TS>
