<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en_US">
<context>
    <name>VLanguageItem</name>
    <message>
        <source>English</source>
        <translation>Английский</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Французский</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Немецкий</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Итальянский</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Японский</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Корейский</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Португальский</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Русский</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Китайский (упрощённый)</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Испанский</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Китайский (традиционный)</translation>
    </message>
    <message>
        <source>Use this language</source>
        <translation>Использовать этот язык</translation>
    </message>
</context>
<context>
    <name>VSettingsPanel</name>
    <message>
        <source>Backup &amp; Restore</source>
        <translation>Архивация и восстановление</translation>
    </message>
    <message>
        <source>Backup current settings</source>
        <translation>Сохранить копию текущих настроек</translation>
    </message>
    <message>
        <source>Check the current data status of the tablet</source>
        <translation>Проверить текущее состояние данных планшета</translation>
    </message>
    <message>
        <source>Diagnose</source>
        <translation>Диагностика</translation>
    </message>
    <message>
        <source>Export Settings</source>
        <translation>Экспорт настроек</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>Hotkey description</source>
        <translation>Описание горячих клавиш</translation>
    </message>
    <message>
        <source>Hotkey synchronized response</source>
        <translation>Синхронный отклик горячих клавиш</translation>
    </message>
    <message>
        <source>Import Settings</source>
        <translation>Импорт настроек</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>Обслуживание</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>No Settings are exported, please save them first</source>
        <translation>Нет настроек для экспорта. Сначала сохраните их</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Pen Feature</source>
        <translation>Функции пера</translation>
    </message>
    <message>
        <source>Pen tilt data</source>
        <translation>Данные наклона пера</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сброс</translation>
    </message>
    <message>
        <source>Reset to default settings</source>
        <translation>Вернуть настройки по умолчанию</translation>
    </message>
    <message>
        <source>Restore current settings</source>
        <translation>Восстановить настройки из копии</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Settings export abort</source>
        <translation>Экспорт настроек прерван</translation>
    </message>
    <message>
        <source>Settings export completed</source>
        <translation>Экспорт настроек завершён</translation>
    </message>
    <message>
        <source>Settings import abort</source>
        <translation>Импорт настроек прерван</translation>
    </message>
    <message>
        <source>Settings import completed</source>
        <translation>Импорт настроек завершён</translation>
    </message>
    <message>
        <source>Settings partly imported</source>
        <translation>Настройки импортированы частично</translation>
    </message>
    <message>
        <source>Could not be written: %1</source>
        <translation>Не удалось записать: %1</translation>
    </message>
    <message>
        <source>Switch of hotkey description</source>
        <translation>Показывать или скрывать описание горячих клавиш</translation>
    </message>
    <message>
        <source>Syncs with user key actions</source>
        <translation>Следует нажатиям клавиш пользователя</translation>
    </message>
    <message>
        <source>Tablet Feature</source>
        <translation>Функции планшета</translation>
    </message>
    <message>
        <source>Tablet auto rotation</source>
        <translation>Автоповорот планшета</translation>
    </message>
    <message>
        <source>Tablet follows the OS screen orientation</source>
        <translation>Планшет следует ориентации экрана системы</translation>
    </message>
    <message>
        <source>This will reset all Settings to default, are you sure?</source>
        <translation>Все настройки будут сброшены к значениям по умолчанию. Продолжить?</translation>
    </message>
    <message>
        <source>When enabled, output pen tilt Angle data</source>
        <translation>Если включено, передаётся угол наклона пера</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
</context>
</TS>
