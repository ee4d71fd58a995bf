<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en_US">
<context>
    <name>VLanguageItem</name>
    <message>
        <source>English</source>
        <translation>英語</translation>
    </message>
    <message>
        <source>French</source>
        <translation>法語</translation>
    </message>
    <message>
        <source>German</source>
        <translation>德語</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>義大利語</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日語</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>韓語</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>葡萄牙語</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>俄語</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>簡體中文</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>西班牙語</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>繁體中文</translation>
    </message>
    <message>
        <source>Use this language</source>
        <translation>使用此語言</translation>
    </message>
</context>
<context>
    <name>VSettingsPanel</name>
    <message>
        <source>Backup &amp; Restore</source>
        <translation>備份與還原</translation>
    </message>
    <message>
        <source>Backup current settings</source>
        <translation>備份目前的設定</translation>
    </message>
    <message>
        <source>Check the current data status of the tablet</source>
        <translation>檢查數位板目前的資料狀態</translation>
    </message>
    <message>
        <source>Diagnose</source>
        <translation>診斷</translation>
    </message>
    <message>
        <source>Export Settings</source>
        <translation>匯出設定</translation>
    </message>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>Hotkey description</source>
        <translation>快速鍵提示</translation>
    </message>
    <message>
        <source>Hotkey synchronized response</source>
        <translation>快速鍵同步回應</translation>
    </message>
    <message>
        <source>Import Settings</source>
        <translation>匯入設定</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>維護</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>No Settings are exported, please save them first</source>
        <translation>沒有可匯出的設定，請先儲存設定</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Pen Feature</source>
        <translation>筆功能</translation>
    </message>
    <message>
        <source>Pen tilt data</source>
        <translation>筆傾斜資料</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重設</translation>
    </message>
    <message>
        <source>Reset to default settings</source>
        <translation>還原為預設設定</translation>
    </message>
    <message>
        <source>Restore current settings</source>
        <translation>從備份還原設定</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Settings export abort</source>
        <translation>設定匯出失敗</translation>
    </message>
    <message>
        <source>Settings export completed</source>
        <translation>設定匯出完成</translation>
    </message>
    <message>
        <source>Settings import abort</source>
        <translation>設定匯入失敗</translation>
    </message>
    <message>
        <source>Settings import completed</source>
        <translation>設定匯入完成</translation>
    </message>
    <message>
        <source>Settings partly imported</source>
        <translation>設定僅部分匯入</translation>
    </message>
    <message>
        <source>Could not be written: %1</source>
        <translation>無法寫入：%1</translation>
    </message>
    <message>
        <source>Switch of hotkey description</source>
        <translation>開啟或關閉快速鍵提示</translation>
    </message>
    <message>
        <source>Syncs with user key actions</source>
        <translation>與使用者的按鍵動作同步</translation>
    </message>
    <message>
        <source>Tablet Feature</source>
        <translation>數位板功能</translation>
    </message>
    <message>
        <source>Tablet auto rotation</source>
        <translation>數位板自動旋轉</translation>
    </message>
    <message>
        <source>Tablet follows the OS screen orientation</source>
        <translation>數位板跟隨系統螢幕方向</translation>
    </message>
    <message>
        <source>This will reset all Settings to default, are you sure?</source>
        <translation>這會將所有設定還原為預設值，確定嗎？</translation>
    </message>
    <message>
        <source>When enabled, output pen tilt Angle data</source>
        <translation>啟用後，輸出筆的傾斜角度資料</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
</context>
</TS>
