<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en_US">
<context>
    <name>VLanguageItem</name>
    <message>
        <source>English</source>
        <translation>英语</translation>
    </message>
    <message>
        <source>French</source>
        <translation>法语</translation>
    </message>
    <message>
        <source>German</source>
        <translation>德语</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>意大利语</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日语</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>韩语</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>葡萄牙语</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>俄语</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>简体中文</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>西班牙语</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>繁体中文</translation>
    </message>
    <message>
        <source>Use this language</source>
        <translation>使用此语言</translation>
    </message>
</context>
<context>
    <name>VSettingsPanel</name>
    <message>
        <source>Backup &amp; Restore</source>
        <translation>备份与恢复</translation>
    </message>
    <message>
        <source>Backup current settings</source>
        <translation>备份当前设置</translation>
    </message>
    <message>
        <source>Check the current data status of the tablet</source>
        <translation>检查数位板当前的数据状态</translation>
    </message>
    <message>
        <source>Diagnose</source>
        <translation>诊断</translation>
    </message>
    <message>
        <source>Export Settings</source>
        <translation>导出设置</translation>
    </message>
    <message>
        <source>General</source>
        <translation>通用</translation>
    </message>
    <message>
        <source>Hotkey description</source>
        <translation>快捷键提示</translation>
    </message>
    <message>
        <source>Hotkey synchronized response</source>
        <translation>快捷键同步响应</translation>
    </message>
    <message>
        <source>Import Settings</source>
        <translation>导入设置</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>维护</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>No Settings are exported, please save them first</source>
        <translation>没有可导出的设置，请先保存设置</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Pen Feature</source>
        <translation>笔功能</translation>
    </message>
    <message>
        <source>Pen tilt data</source>
        <translation>笔倾斜数据</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>Reset to default settings</source>
        <translation>恢复默认设置</translation>
    </message>
    <message>
        <source>Restore current settings</source>
        <translation>从备份恢复设置</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Settings export abort</source>
        <translation>设置导出失败</translation>
    </message>
    <message>
        <source>Settings export completed</source>
        <translation>设置导出完成</translation>
    </message>
    <message>
        <source>Settings import abort</source>
        <translation>设置导入失败</translation>
    </message>
    <message>
        <source>Settings import completed</source>
        <translation>设置导入完成</translation>
    </message>
    <message>
        <source>Settings partly imported</source>
        <translation>设置仅部分导入</translation>
    </message>
    <message>
        <source>Could not be written: %1</source>
        <translation>无法写入：%1</translation>
    </message>
    <message>
        <source>Switch of hotkey description</source>
        <translation>开启或关闭快捷键提示</translation>
    </message>
    <message>
        <source>Syncs with user key actions</source>
        <translation>与用户的按键动作同步</translation>
    </message>
    <message>
        <source>Tablet Feature</source>
        <translation>数位板功能</translation>
    </message>
    <message>
        <source>Tablet auto rotation</source>
        <translation>数位板自动旋转</translation>
    </message>
    <message>
        <source>Tablet follows the OS screen orientation</source>
        <translation>数位板跟随系统屏幕方向</translation>
    </message>
    <message>
        <source>This will reset all Settings to default, are you sure?</source>
        <translation>这将把所有设置恢复为默认值，确定吗？</translation>
    </message>
    <message>
        <source>When enabled, output pen tilt Angle data</source>
        <translation>启用后，输出笔的倾斜角度数据</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
</context>
</TS>
