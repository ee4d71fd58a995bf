<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en_US">
<context>
    <name>VDDCControlDlg</name>
    <message>
        <source>Luminance</source>
        <translation>Luminosidad</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>Color Temperature</source>
        <translation>Temperatura de color</translation>
    </message>
    <message>
        <source>RGB Gain</source>
        <translation>Ganancia RGB</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Display color temperature</source>
        <translation>Temperatura de color de la pantalla</translation>
    </message>
    <message>
        <source>Display adapter/slot not supported</source>
        <translation>Adaptador o puerto de pantalla no compatible</translation>
    </message>
    <message>
        <source>The display could not be found; its picture cannot be adjusted.</source>
        <translation>No se encuentra la pantalla; no se puede ajustar su imagen.</translation>
    </message>
</context>
<context>
    <name>VScreenCalibrateDlg</name>
    <message>
        <source>Calibrate</source>
        <translation>Calibrar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Adjust your pen grip and use the pen tip (not the cursor arrow) to click on the mark points</source>
        <translation>Sujete el lápiz como de costumbre y toque las marcas con la punta del lápiz (no con la flecha del cursor)</translation>
    </message>
</context>
</TS>
