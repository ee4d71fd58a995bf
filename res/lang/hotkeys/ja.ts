<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en_US">
<context>
    <name>VAppSelectDlg</name>
    <message>
        <source>More Options</source>
        <translation>その他のオプション</translation>
    </message>
    <message>
        <source>Specify applications</source>
        <translation>指定したアプリケーション</translation>
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
        <source>Running applications</source>
        <translation>実行中のアプリケーション</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>パス</translation>
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
        <source>Application</source>
        <translation>アプリケーション</translation>
    </message>
</context>
<context>
    <name>VDialActionDlg</name>
    <message>
        <source>Left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右</translation>
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
        <source>Invalid</source>
        <translation>無効</translation>
    </message>
</context>
<context>
    <name>VHotkeyPanel</name>
    <message>
        <source>Hotkey specifies the application</source>
        <translation>アプリケーションごとにキーを設定</translation>
    </message>
    <message>
        <source>Hot Key</source>
        <translation>ショートカットキー</translation>
    </message>
    <message>
        <source>Click the keys area to set hotkey</source>
        <translation>キーをクリックして割り当てを設定します</translation>
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
        <source>Hotkey Preview</source>
        <translation>ショートカットキーの一覧</translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation>無効</translation>
    </message>
    <message>
        <source>Configuration saved</source>
        <translation>設定を保存しました</translation>
    </message>
</context>
<context>
    <name>VHotkeyPreviewDlg</name>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Hotkey Preview</source>
        <translation>ショートカットキーの一覧</translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation>無効</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>キー</translation>
    </message>
    <message>
        <source>Dial</source>
        <translation>ダイヤル</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>動作</translation>
    </message>
    <message>
        <source>Touch</source>
        <translation>タッチ</translation>
    </message>
</context>
</TS>
