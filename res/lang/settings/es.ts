<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en_US">
<context>
    <name>VLanguageItem</name>
    <message>
        <source>English</source>
        <translation>Inglés</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francés</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Alemán</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonés</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coreano</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugués</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Ruso</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Chino simplificado</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Chino tradicional</translation>
    </message>
    <message>
        <source>Use this language</source>
        <translation>Usar este idioma</translation>
    </message>
</context>
<context>
    <name>VSettingsPanel</name>
    <message>
        <source>Backup &amp; Restore</source>
        <translation>Copia de seguridad y restauración</translation>
    </message>
    <message>
        <source>Backup current settings</source>
        <translation>Guarda una copia de la configuración actual</translation>
    </message>
    <message>
        <source>Check the current data status of the tablet</source>
        <translation>Comprueba el estado actual de los datos de la tableta</translation>
    </message>
    <message>
        <source>Diagnose</source>
        <translation>Diagnóstico</translation>
    </message>
    <message>
        <source>Export Settings</source>
        <translation>Exportar configuración</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Hotkey description</source>
        <translation>Descripción de las teclas rápidas</translation>
    </message>
    <message>
        <source>Hotkey synchronized response</source>
        <translation>Respuesta sincronizada de las teclas rápidas</translation>
    </message>
    <message>
        <source>Import Settings</source>
        <translation>Importar configuración</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>Mantenimiento</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>No Settings are exported, please save them first</source>
        <translation>No hay configuración que exportar; guárdela primero</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Pen Feature</source>
        <translation>Funciones del lápiz</translation>
    </message>
    <message>
        <source>Pen tilt data</source>
        <translation>Datos de inclinación del lápiz</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Reset to default settings</source>
        <translation>Vuelve a la configuración predeterminada</translation>
    </message>
    <message>
        <source>Restore current settings</source>
        <translation>Restaura la configuración desde una copia</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Settings export abort</source>
        <translation>Se interrumpió la exportación de la configuración</translation>
    </message>
    <message>
        <source>Settings export completed</source>
        <translation>Exportación de la configuración completada</translation>
    </message>
    <message>
        <source>Settings import abort</source>
        <translation>Se interrumpió la importación de la configuración</translation>
    </message>
    <message>
        <source>Settings import completed</source>
        <translation>Importación de la configuración completada</translation>
    </message>
    <message>
        <source>Settings partly imported</source>
        <translation>La configuración se importó solo en parte</translation>
    </message>
    <message>
        <source>Could not be written: %1</source>
        <translation>No se pudo escribir: %1</translation>
    </message>
    <message>
        <source>Switch of hotkey description</source>
        <translation>Muestra u oculta la descripción de las teclas rápidas</translation>
    </message>
    <message>
        <source>Syncs with user key actions</source>
        <translation>Se sincroniza con las pulsaciones del usuario</translation>
    </message>
    <message>
        <source>Tablet Feature</source>
        <translation>Funciones de la tableta</translation>
    </message>
    <message>
        <source>Tablet auto rotation</source>
        <translation>Rotación automática de la tableta</translation>
    </message>
    <message>
        <source>Tablet follows the OS screen orientation</source>
        <translation>La tableta sigue la orientación de la pantalla del sistema</translation>
    </message>
    <message>
        <source>This will reset all Settings to default, are you sure?</source>
        <translation>Toda la configuración volverá a los valores predeterminados. ¿Está seguro?</translation>
    </message>
    <message>
        <source>When enabled, output pen tilt Angle data</source>
        <translation>Si está activado, envía el ángulo de inclinación del lápiz</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
</context>
</TS>
