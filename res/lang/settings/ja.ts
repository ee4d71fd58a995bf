<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en_US">
<context>
    <name>VLanguageItem</name>
    <message>
        <source>English</source>
        <translation>英語</translation>
    </message>
    <message>
        <source>French</source>
        <translation>フランス語</translation>
    </message>
    <message>
        <source>German</source>
        <translation>ドイツ語</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>イタリア語</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日本語</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>韓国語</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>ポルトガル語</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>ロシア語</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>中国語（簡体字）</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>スペイン語</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>中国語（繁体字）</translation>
    </message>
    <message>
        <source>Use this language</source>
        <translation>この言語を使用</translation>
    </message>
</context>
<context>
    <name>VSettingsPanel</name>
    <message>
        <source>Backup &amp; Restore</source>
        <translation>バックアップと復元</translation>
    </message>
    <message>
        <source>Backup current settings</source>
        <translation>現在の設定をバックアップします</translation>
    </message>
    <message>
        <source>Check the current data status of the tablet</source>
        <translation>タブレットの現在のデータ状態を確認します</translation>
    </message>
    <message>
        <source>Diagnose</source>
        <translation>診断</translation>
    </message>
    <message>
        <source>Export Settings</source>
        <translation>設定のエクスポート</translation>
    </message>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>Hotkey description</source>
        <translation>ショートカットキーの説明</translation>
    </message>
    <message>
        <source>Hotkey synchronized response</source>
        <translation>ショートカットキーの同期応答</translation>
    </message>
    <message>
        <source>Import Settings</source>
        <translation>設定のインポート</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>メンテナンス</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>No Settings are exported, please save them first</source>
        <translation>エクスポートする設定がありません。先に設定を保存してください</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Pen Feature</source>
        <translation>ペン機能</translation>
    </message>
    <message>
        <source>Pen tilt data</source>
        <translation>ペンの傾きデータ</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Reset to default settings</source>
        <translation>既定の設定に戻します</translation>
    </message>
    <message>
        <source>Restore current settings</source>
        <translation>バックアップから設定を復元します</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Settings export abort</source>
        <translation>設定のエクスポートを中止しました</translation>
    </message>
    <message>
        <source>Settings export completed</source>
        <translation>設定のエクスポートが完了しました</translation>
    </message>
    <message>
        <source>Settings import abort</source>
        <translation>設定のインポートを中止しました</translation>
    </message>
    <message>
        <source>Settings import completed</source>
        <translation>設定のインポートが完了しました</translation>
    </message>
    <message>
        <source>Settings partly imported</source>
        <translation>設定の一部のみをインポートしました</translation>
    </message>
    <message>
        <source>Could not be written: %1</source>
        <translation>書き込めませんでした: %1</translation>
    </message>
    <message>
        <source>Switch of hotkey description</source>
        <translation>ショートカットキーの説明の表示を切り替えます</translation>
    </message>
    <message>
        <source>Syncs with user key actions</source>
        <translation>ユーザーのキー操作と同期します</translation>
    </message>
    <message>
        <source>Tablet Feature</source>
        <translation>タブレット機能</translation>
    </message>
    <message>
        <source>Tablet auto rotation</source>
        <translation>タブレットの自動回転</translation>
    </message>
    <message>
        <source>Tablet follows the OS screen orientation</source>
        <translation>タブレットが OS の画面の向きに合わせて回転します</translation>
    </message>
    <message>
        <source>This will reset all Settings to default, are you sure?</source>
        <translation>すべての設定を既定値に戻します。よろしいですか？</translation>
    </message>
    <message>
        <source>When enabled, output pen tilt Angle data</source>
        <translation>有効にすると、ペンの傾き角度のデータを出力します</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
</context>
</TS>
