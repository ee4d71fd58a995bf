<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en_US">
<context>
    <name>VAppSelectDlg</name>
    <message>
        <source>More Options</source>
        <translation>Дополнительно</translation>
    </message>
    <message>
        <source>Specify applications</source>
        <translation>Выбранные приложения</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Очистить всё</translation>
    </message>
    <message>
        <source>Running applications</source>
        <translation>Запущенные приложения</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Путь</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Приложение</translation>
    </message>
</context>
<context>
    <name>VDialActionDlg</name>
    <message>
        <source>Left</source>
        <translation>Влево</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Вправо</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation>Нет</translation>
    </message>
</context>
<context>
    <name>VHotkeyPanel</name>
    <message>
        <source>Hotkey specifies the application</source>
        <translation>Свои клавиши для каждого приложения</translation>
    </message>
    <message>
        <source>Hot Key</source>
        <translation>Горячие клавиши</translation>
    </message>
    <message>
        <source>Click the keys area to set hotkey</source>
        <translation>Щёлкните клавишу, чтобы назначить ей действие</translation>
    </message>
    <message>
        <source>Restore Default</source>
        <translation>Восстановить по умолчанию</translation>
    </message>
    <message>
        <source>More Options</source>
        <translation>Дополнительно</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Hotkey Preview</source>
        <translation>Обзор назначений</translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Configuration saved</source>
        <translation>Настройки сохранены</translation>
    </message>
</context>
<context>
    <name>VHotkeyPreviewDlg</name>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Hotkey Preview</source>
        <translation>Обзор назначений</translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Клавиши</translation>
    </message>
    <message>
        <source>Dial</source>
        <translation>Диск</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Действие</translation>
    </message>
    <message>
        <source>Touch</source>
        <translation>Сенсор</translation>
    </message>
</context>
</TS>
