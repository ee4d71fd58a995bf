<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en_US">
<context>
    <name>VDDCControlDlg</name>
    <message>
        <source>Luminance</source>
        <translation>Яркость</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Контраст</translation>
    </message>
    <message>
        <source>Color Temperature</source>
        <translation>Цветовая температура</translation>
    </message>
    <message>
        <source>RGB Gain</source>
        <translation>Усиление RGB</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Своя</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Подтвердить</translation>
    </message>
    <message>
        <source>Display color temperature</source>
        <translation>Цветовая температура дисплея</translation>
    </message>
    <message>
        <source>Display adapter/slot not supported</source>
        <translation>Видеоадаптер или разъём не поддерживается</translation>
    </message>
    <message>
        <source>The display could not be found; its picture cannot be adjusted.</source>
        <translation>Дисплей не найден; его изображение нельзя настроить.</translation>
    </message>
</context>
<context>
    <name>VScreenCalibrateDlg</name>
    <message>
        <source>Calibrate</source>
        <translation>Калибровка</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Adjust your pen grip and use the pen tip (not the cursor arrow) to click on the mark points</source>
        <translation>Держите перо как обычно и касайтесь меток кончиком пера (а не стрелкой курсора)</translation>
    </message>
</context>
</TS>
