<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_US">
<context>
    <name>MainWindow</name>
    <message>
        <source>Pen Tablet</source>
        <translation>Tablette graphique</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>Stylet</translation>
    </message>
    <message>
        <source>Hot Key</source>
        <translation>Touches express</translation>
    </message>
    <message>
        <source>Mapping</source>
        <translation>Mappage</translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation>Afficher la fenêtre</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Tablet Driver</source>
        <translation>Pilote de tablette</translation>
    </message>
    <message>
        <source>This driver does not know the model &quot;%1&quot;: its settings cannot be shown or changed here.</source>
        <translation>Ce pilote ne connaît pas le modèle « %1 » : ses réglages ne peuvent être ni affichés ni modifiés ici.</translation>
    </message>
</context>
<context>
    <name>VHotkeyPanel</name>
    <message>
        <source>All Applications</source>
        <translation>Toutes les applications</translation>
    </message>
    <message>
        <source>Edit Options...</source>
        <translation>Modifier les options...</translation>
    </message>
</context>
<context>
    <name>VNotDetectedDlg</name>
    <message>
        <source>ZELVO Pen Tablet</source>
        <translation>Tablette graphique ZELVO</translation>
    </message>
    <message>
        <source>No available device detected, please check if the device USB cable is connected.</source>
        <translation>Aucun appareil disponible détecté. Vérifiez que le câble USB de l’appareil est bien branché.</translation>
    </message>
</context>
<context>
    <name>VTitleBar</name>
    <message>
        <source>max</source>
        <translation>Agrandir</translation>
    </message>
    <message>
        <source>set</source>
        <translation>Régler</translation>
    </message>
    <message>
        <source>min</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>X</source>
        <translation>×</translation>
    </message>
    <message>
        <source>thumbtack</source>
        <translation>Épingler</translation>
    </message>
</context>
</TS>
