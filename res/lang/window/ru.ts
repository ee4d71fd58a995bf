<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en_US">
<context>
    <name>MainWindow</name>
    <message>
        <source>Pen Tablet</source>
        <translation>Графический планшет</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Модель</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>Перо</translation>
    </message>
    <message>
        <source>Hot Key</source>
        <translation>Клавиши</translation>
    </message>
    <message>
        <source>Mapping</source>
        <translation>Сопоставление</translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation>Показать окно</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Tablet Driver</source>
        <translation>Драйвер планшета</translation>
    </message>
    <message>
        <source>This driver does not know the model &quot;%1&quot;: its settings cannot be shown or changed here.</source>
        <translation>Этот драйвер не знает модель «%1»: её настройки нельзя ни показать, ни изменить здесь.</translation>
    </message>
</context>
<context>
    <name>VHotkeyPanel</name>
    <message>
        <source>All Applications</source>
        <translation>Все приложения</translation>
    </message>
    <message>
        <source>Edit Options...</source>
        <translation>Изменить параметры...</translation>
    </message>
</context>
<context>
    <name>VNotDetectedDlg</name>
    <message>
        <source>ZELVO Pen Tablet</source>
        <translation>Графический планшет ZELVO</translation>
    </message>
    <message>
        <source>No available device detected, please check if the device USB cable is connected.</source>
        <translation>Доступное устройство не обнаружено. Проверьте, подключён ли USB-кабель устройства.</translation>
    </message>
</context>
<context>
    <name>VTitleBar</name>
    <message>
        <source>max</source>
        <translation>Развернуть</translation>
    </message>
    <message>
        <source>set</source>
        <translation>Настроить</translation>
    </message>
    <message>
        <source>min</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>X</source>
        <translation>×</translation>
    </message>
    <message>
        <source>thumbtack</source>
        <translation>Закрепить</translation>
    </message>
</context>
</TS>
