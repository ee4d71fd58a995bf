<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en_US">
<context>
    <name>VActionSelectDlg</name>
    <message>
        <source>Keyboard</source>
        <translation>キーボード</translation>
    </message>
    <message>
        <source>Text Mode</source>
        <translation>テキストモード</translation>
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
        <source>Application Path</source>
        <translation>アプリケーションのパス</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>参照</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>メディア</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Do not perform any action</source>
        <translation>何も実行しない</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>すべてクリア</translation>
    </message>
    <message>
        <source>Enter a shortcut key (e.g., Ctrl+Z):</source>
        <translation>ショートカットキーを入力（例: Ctrl+Z）:</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>切り替え</translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation>無効</translation>
    </message>
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
        <source>Switch Monitor</source>
        <translation>モニター切り替え</translation>
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
    <message>
        <source>Browser Back</source>
        <translation>ブラウザー: 戻る</translation>
    </message>
    <message>
        <source>Browser Forward</source>
        <translation>ブラウザー: 進む</translation>
    </message>
    <message>
        <source>Browser Refresh</source>
        <translation>ブラウザー: 更新</translation>
    </message>
    <message>
        <source>Browser Home</source>
        <translation>ブラウザー: ホーム</translation>
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
</context>
<context>
    <name>VHotkeyOptionDlg</name>
    <message>
        <source>More Options</source>
        <translation>その他のオプション</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>アプリケーション</translation>
    </message>
    <message>
        <source>Hotkey specifies the application</source>
        <translation>アプリケーションごとにキーを設定</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>キー</translation>
    </message>
    <message>
        <source>Use the tablet keys </source>
        <translation>タブレットのキーを使用する</translation>
    </message>
    <message>
        <source>Dial</source>
        <translation>ダイヤル</translation>
    </message>
    <message>
        <source>Use the tablet dial</source>
        <translation>タブレットのダイヤルを使用する</translation>
    </message>
    <message>
        <source>Dial Sensitivity</source>
        <translation>ダイヤルの感度</translation>
    </message>
    <message>
        <source>Adjust Sensitivity of the Dial on the Tablet</source>
        <translation>タブレットのダイヤル感度を調整する</translation>
    </message>
    <message>
        <source>Touch</source>
        <translation>タッチ</translation>
    </message>
    <message>
        <source>Use the tablet touch</source>
        <translation>タブレットのタッチを使用する</translation>
    </message>
</context>
<context>
    <name>VMappingOptionDlg</name>
    <message>
        <source>More Options</source>
        <translation>その他のオプション</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>回転</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>画面</translation>
    </message>
    <message>
        <source>Screen Identify</source>
        <translation>画面の識別</translation>
    </message>
    <message>
        <source>Detect and identify screens</source>
        <translation>画面を検出して識別する</translation>
    </message>
    <message>
        <source>Color Temperature</source>
        <translation>色温度</translation>
    </message>
    <message>
        <source>Adjust screen color</source>
        <translation>画面の色を調整する</translation>
    </message>
    <message>
        <source>The target screen is not supported</source>
        <translation>対象の画面はサポートされていません</translation>
    </message>
</context>
<context>
    <name>VPenOptionDlg</name>
    <message>
        <source>More Options</source>
        <translation>その他のオプション</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>アプリケーション</translation>
    </message>
    <message>
        <source>Hotkey specifies the application</source>
        <translation>アプリケーションごとにキーを設定</translation>
    </message>
    <message>
        <source>Pressure Curve</source>
        <translation>筆圧カーブ</translation>
    </message>
    <message>
        <source>Use the pressure curve panel</source>
        <translation>筆圧カーブを使用する</translation>
    </message>
    <message>
        <source>FPS Game Support</source>
        <translation>FPS ゲーム対応</translation>
    </message>
    <message>
        <source>Only available in mouse mode on Windows</source>
        <translation>Windows のマウスモードでのみ使用可能</translation>
    </message>
</context>
</TS>
