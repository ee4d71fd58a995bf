<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_US">
<context>
    <name>VMappingPanel</name>
    <message>
        <source>Screen</source>
        <translation>Écran</translation>
    </message>
    <message>
        <source>Part</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>Full Tablet</source>
        <translation>Tablette entière</translation>
    </message>
    <message>
        <source>Aspect Ratio</source>
        <translation>Proportions</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>Calibrate</source>
        <translation>Calibrer</translation>
    </message>
    <message>
        <source>Restore Default</source>
        <translation>Rétablir les valeurs par défaut</translation>
    </message>
    <message>
        <source>More Options</source>
        <translation>Plus d'options</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>pixels</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tous</translation>
    </message>
    <message>
        <source>Configuration saved</source>
        <translation>Configuration enregistrée</translation>
    </message>
    <message>
        <source>Calibration failed: the pen missed the marks</source>
        <translation>Échec de l'étalonnage : repères manqués</translation>
    </message>
</context>
</TS>
