<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en_US">
<context>
    <name>VMacAccessibilityBanner</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>The driver may not function properly, and you need to correctly configure the driver permissions.</source>
        <translation>Драйвер может работать неправильно: необходимо правильно настроить его разрешения.</translation>
    </message>
    <message>
        <source>Accessibility</source>
        <translation>Универсальный доступ</translation>
    </message>
    <message>
        <source>Screen Recording</source>
        <translation>Запись экрана</translation>
    </message>
</context>
</TS>
