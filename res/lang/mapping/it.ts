<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en_US">
<context>
    <name>VMappingPanel</name>
    <message>
        <source>Screen</source>
        <translation>Schermo</translation>
    </message>
    <message>
        <source>Part</source>
        <translation>Area</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Schermo intero</translation>
    </message>
    <message>
        <source>Full Tablet</source>
        <translation>Tavoletta intera</translation>
    </message>
    <message>
        <source>Aspect Ratio</source>
        <translation>Proporzioni</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>Rotazione</translation>
    </message>
    <message>
        <source>Calibrate</source>
        <translation>Calibra</translation>
    </message>
    <message>
        <source>Restore Default</source>
        <translation>Ripristina predefiniti</translation>
    </message>
    <message>
        <source>More Options</source>
        <translation>Altre opzioni</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>pixel</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tutti</translation>
    </message>
    <message>
        <source>Configuration saved</source>
        <translation>Configurazione salvata</translation>
    </message>
    <message>
        <source>Calibration failed: the pen missed the marks</source>
        <translation>Calibrazione non riuscita: segni mancati</translation>
    </message>
</context>
</TS>
