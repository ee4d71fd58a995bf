<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en_US">
<context>
    <name>VMappingPanel</name>
    <message>
        <source>Screen</source>
        <translation>Экран</translation>
    </message>
    <message>
        <source>Part</source>
        <translation>Область</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Весь экран</translation>
    </message>
    <message>
        <source>Full Tablet</source>
        <translation>Весь планшет</translation>
    </message>
    <message>
        <source>Aspect Ratio</source>
        <translation>Пропорции</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>Поворот</translation>
    </message>
    <message>
        <source>Calibrate</source>
        <translation>Калибровка</translation>
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
        <source>pixels</source>
        <translation>пикс.</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message>
        <source>Configuration saved</source>
        <translation>Конфигурация сохранена</translation>
    </message>
    <message>
        <source>Calibration failed: the pen missed the marks</source>
        <translation>Калибровка не удалась: мимо меток</translation>
    </message>
</context>
</TS>
