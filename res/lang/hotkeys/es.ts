<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en_US">
<context>
    <name>VAppSelectDlg</name>
    <message>
        <source>More Options</source>
        <translation>Más opciones</translation>
    </message>
    <message>
        <source>Specify applications</source>
        <translation>Aplicaciones específicas</translation>
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
        <source>Running applications</source>
        <translation>Aplicaciones en ejecución</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Ruta</translation>
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
        <source>Application</source>
        <translation>Aplicación</translation>
    </message>
</context>
<context>
    <name>VDialActionDlg</name>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
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
        <source>Invalid</source>
        <translation>Ninguna</translation>
    </message>
</context>
<context>
    <name>VHotkeyPanel</name>
    <message>
        <source>Hotkey specifies the application</source>
        <translation>Teclas específicas por aplicación</translation>
    </message>
    <message>
        <source>Hot Key</source>
        <translation>Teclas rápidas</translation>
    </message>
    <message>
        <source>Click the keys area to set hotkey</source>
        <translation>Haga clic en una tecla para asignarla</translation>
    </message>
    <message>
        <source>Restore Default</source>
        <translation>Restaurar valores predeterminados</translation>
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
        <source>Hotkey Preview</source>
        <translation>Vista previa de teclas</translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Configuration saved</source>
        <translation>Configuración guardada</translation>
    </message>
</context>
<context>
    <name>VHotkeyPreviewDlg</name>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Hotkey Preview</source>
        <translation>Vista previa de teclas</translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>Dial</source>
        <translation>Dial</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Acción</translation>
    </message>
    <message>
        <source>Touch</source>
        <translation>Táctil</translation>
    </message>
</context>
</TS>
