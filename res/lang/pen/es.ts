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
<context>
    <name>VHotkeyOptionDlg</name>
    <message>
        <source>More Options</source>
        <translation>Más opciones</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Aplicación</translation>
    </message>
    <message>
        <source>Hotkey specifies the application</source>
        <translation>Teclas específicas por aplicación</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>Use the tablet keys </source>
        <translation>Usar las teclas de la tableta</translation>
    </message>
    <message>
        <source>Dial</source>
        <translation>Dial</translation>
    </message>
    <message>
        <source>Use the tablet dial</source>
        <translation>Usar el dial de la tableta</translation>
    </message>
    <message>
        <source>Dial Sensitivity</source>
        <translation>Sensibilidad del dial</translation>
    </message>
    <message>
        <source>Adjust Sensitivity of the Dial on the Tablet</source>
        <translation>Ajustar la sensibilidad del dial</translation>
    </message>
    <message>
        <source>Touch</source>
        <translation>Táctil</translation>
    </message>
    <message>
        <source>Use the tablet touch</source>
        <translation>Usar el control táctil de la tableta</translation>
    </message>
</context>
<context>
    <name>VMappingOptionDlg</name>
    <message>
        <source>More Options</source>
        <translation>Más opciones</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>Rotación</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Pantalla</translation>
    </message>
    <message>
        <source>Screen Identify</source>
        <translation>Identificar pantallas</translation>
    </message>
    <message>
        <source>Detect and identify screens</source>
        <translation>Detectar e identificar pantallas</translation>
    </message>
    <message>
        <source>Color Temperature</source>
        <translation>Temperatura de color</translation>
    </message>
    <message>
        <source>Adjust screen color</source>
        <translation>Ajustar el color de la pantalla</translation>
    </message>
    <message>
        <source>The target screen is not supported</source>
        <translation>La pantalla de destino no es compatible</translation>
    </message>
</context>
<context>
    <name>VPenOptionDlg</name>
    <message>
        <source>More Options</source>
        <translation>Más opciones</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Aplicación</translation>
    </message>
    <message>
        <source>Hotkey specifies the application</source>
        <translation>Teclas específicas por aplicación</translation>
    </message>
    <message>
        <source>Pressure Curve</source>
        <translation>Curva de presión</translation>
    </message>
    <message>
        <source>Use the pressure curve panel</source>
        <translation>Usar el panel de curva de presión</translation>
    </message>
    <message>
        <source>FPS Game Support</source>
        <translation>Compatibilidad con juegos FPS</translation>
    </message>
    <message>
        <source>Only available in mouse mode on Windows</source>
        <translation>Solo en modo ratón en Windows</translation>
    </message>
</context>
</TS>
