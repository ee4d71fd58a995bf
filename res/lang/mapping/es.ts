<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en_US">
<context>
    <name>VMappingPanel</name>
    <message>
        <source>Screen</source>
        <translation>Pantalla</translation>
    </message>
    <message>
        <source>Part</source>
        <translation>Área</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>Full Tablet</source>
        <translation>Tableta completa</translation>
    </message>
    <message>
        <source>Aspect Ratio</source>
        <translation>Proporción</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>Rotación</translation>
    </message>
    <message>
        <source>Calibrate</source>
        <translation>Calibrar</translation>
    </message>
    <message>
        <source>Restore Default</source>
        <translation>Restaurar predeterminados</translation>
    </message>
    <message>
        <source>More Options</source>
        <translation>Más opciones</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>px</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todas</translation>
    </message>
    <message>
        <source>Configuration saved</source>
        <translation>Configuración guardada</translation>
    </message>
    <message>
        <source>Calibration failed: the pen missed the marks</source>
        <translation>Calibración fallida: toques fuera de las marcas</translation>
    </message>
</context>
</TS>
