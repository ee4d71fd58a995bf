<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en_US">
<context>
    <name>VMacAccessibilityBanner</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>The driver may not function properly, and you need to correctly configure the driver permissions.</source>
        <translation>Il driver potrebbe non funzionare correttamente: è necessario configurarne correttamente le autorizzazioni.</translation>
    </message>
    <message>
        <source>Accessibility</source>
        <translation>Accessibilità</translation>
    </message>
    <message>
        <source>Screen Recording</source>
        <translation>Registrazione schermo</translation>
    </message>
</context>
</TS>
