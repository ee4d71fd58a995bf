<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en_US">
<context>
    <name>VActionSelectDlg</name>
    <message>
        <source>Keyboard</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>Text Mode</source>
        <translation>Modo de texto</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Ratón</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Aplicación</translation>
    </message>
    <message>
        <source>Application Path</source>
        <translation>Ruta de la aplicación</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Examinar</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Nada</translation>
    </message>
    <message>
        <source>Do not perform any action</source>
        <translation>No realizar ninguna acción</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Borrar todo</translation>
    </message>
    <message>
        <source>Enter a shortcut key (e.g., Ctrl+Z):</source>
        <translation>Introduzca un atajo (p. ej., Ctrl+Z):</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Clic izquierdo</translation>
    </message>
    <message>
        <source>Middle Click</source>
        <translation>Clic central</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clic derecho</translation>
    </message>
    <message>
        <source>Left Double Click</source>
        <translation>Doble clic izquierdo</translation>
    </message>
    <message>
        <source>Wheel Up</source>
        <translation>Rueda arriba</translation>
    </message>
    <message>
        <source>Wheel Down</source>
        <translation>Rueda abajo</translation>
    </message>
    <message>
        <source>Ctrl + Wheel Up</source>
        <translation>Ctrl + rueda arriba</translation>
    </message>
    <message>
        <source>Ctrl + Wheel Down</source>
        <translation>Ctrl + rueda abajo</translation>
    </message>
    <message>
        <source>Switch Monitor</source>
        <translation>Cambiar de monitor</translation>
    </message>
    <message>
        <source>Pen/Eraser</source>
        <translation>Lápiz/borrador</translation>
    </message>
    <message>
        <source>Custom Tool</source>
        <translation>Herramienta personalizada</translation>
    </message>
    <message>
        <source>Change Dial Action</source>
        <translation>Cambiar acción del dial</translation>
    </message>
    <message>
        <source>Browser Back</source>
        <translation>Navegador: atrás</translation>
    </message>
    <message>
        <source>Browser Forward</source>
        <translation>Navegador: adelante</translation>
    </message>
    <message>
        <source>Browser Refresh</source>
        <translation>Navegador: actualizar</translation>
    </message>
    <message>
        <source>Browser Home</source>
        <translation>Navegador: inicio</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation>Pista anterior</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>Pista siguiente</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Reproducir/pausa</translation>
    </message>
    <message>
        <source>Volume Mute</source>
        <translation>Silenciar</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>Volumen -</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>Volumen +</translation>
    </message>
</context>
</TS>
