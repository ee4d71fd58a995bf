<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en_US">
<context>
    <name>MainWindow</name>
    <message>
        <source>Pen Tablet</source>
        <translation>Tableta gráfica</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>Lápiz</translation>
    </message>
    <message>
        <source>Hot Key</source>
        <translation>Teclas rápidas</translation>
    </message>
    <message>
        <source>Mapping</source>
        <translation>Asignación</translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation>Mostrar ventana</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Tablet Driver</source>
        <translation>Controlador de tableta</translation>
    </message>
    <message>
        <source>This driver does not know the model &quot;%1&quot;: its settings cannot be shown or changed here.</source>
        <translation>Este controlador no conoce el modelo «%1»: su configuración no se puede mostrar ni cambiar aquí.</translation>
    </message>
</context>
<context>
    <name>VHotkeyPanel</name>
    <message>
        <source>All Applications</source>
        <translation>Todas las aplicaciones</translation>
    </message>
    <message>
        <source>Edit Options...</source>
        <translation>Editar opciones...</translation>
    </message>
</context>
<context>
    <name>VNotDetectedDlg</name>
    <message>
        <source>ZELVO Pen Tablet</source>
        <translation>Tableta gráfica ZELVO</translation>
    </message>
    <message>
        <source>No available device detected, please check if the device USB cable is connected.</source>
        <translation>No se ha detectado ningún dispositivo disponible. Compruebe que el cable USB del dispositivo esté conectado.</translation>
    </message>
</context>
<context>
    <name>VTitleBar</name>
    <message>
        <source>max</source>
        <translation>Maximizar</translation>
    </message>
    <message>
        <source>set</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>min</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>X</source>
        <translation>×</translation>
    </message>
    <message>
        <source>thumbtack</source>
        <translation>Fijar</translation>
    </message>
</context>
</TS>
