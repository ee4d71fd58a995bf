<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en_US">
<context>
    <name>TabletLanguage</name>
    <message>
        <source>Zoom In</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Brush</source>
        <translation>Pincel</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Borrador</translation>
    </message>
    <message>
        <source>Hand Tool</source>
        <translation>Herramienta Mano</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>Lápiz</translation>
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
        <source>Pen/Eraser</source>
        <translation>Lápiz/Borrador</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clic derecho</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Teclado</translation>
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
        <source>Media</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>Change Dial Action</source>
        <translation>Cambiar acción del dial</translation>
    </message>
    <message>
        <source>Smaller Brush</source>
        <translation>Pincel más pequeño</translation>
    </message>
    <message>
        <source>Larger Brush</source>
        <translation>Pincel más grande</translation>
    </message>
    <message>
        <source>Pan</source>
        <translation>Desplazar</translation>
    </message>
    <message>
        <source>Middle Click</source>
        <translation>Clic central</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Switch Monitor</source>
        <translation>Cambiar de monitor</translation>
    </message>
    <message>
        <source>Eyedropper</source>
        <translation>Cuentagotas</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Hide Panels</source>
        <translation>Ocultar paneles</translation>
    </message>
    <message>
        <source>Tool Cycle</source>
        <translation>Cambiar de herramienta</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Mayús</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation>Pista anterior</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Reproducir/Pausa</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>Pista siguiente</translation>
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
    <message>
        <source>Browser Back</source>
        <translation>Navegador: atrás</translation>
    </message>
    <message>
        <source>Browser Forward</source>
        <translation>Navegador: adelante</translation>
    </message>
    <message>
        <source>Browser Home</source>
        <translation>Navegador: inicio</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculadora</translation>
    </message>
</context>
<context>
    <name>TabletExecAction</name>
    <message>
        <source>Execute</source>
        <translation>Ejecutar</translation>
    </message>
</context>
<context>
    <name>TabletKeyboardAction</name>
    <message>
        <source>Invalid</source>
        <translation>No válido</translation>
    </message>
</context>
<context>
    <name>TabletMediaAction</name>
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
        <translation>Reproducir/Pausa</translation>
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
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
</context>
<context>
    <name>TabletMiscAction</name>
    <message>
        <source>Switch Monitor</source>
        <translation>Cambiar de monitor</translation>
    </message>
    <message>
        <source>Pen/Eraser</source>
        <translation>Lápiz/Borrador</translation>
    </message>
    <message>
        <source>Custom Tool</source>
        <translation>Herramienta personalizada</translation>
    </message>
    <message>
        <source>Change Dial Action</source>
        <translation>Cambiar acción del dial</translation>
    </message>
</context>
<context>
    <name>TabletMouseAction</name>
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
        <source>Undefined</source>
        <translation>Sin definir</translation>
    </message>
</context>
<context>
    <name>ThirdPartyProfiles</name>
    <message>
        <source>Pen</source>
        <translation>Lápiz</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Borrador</translation>
    </message>
</context>
</TS>
