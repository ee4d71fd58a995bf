<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
<context>
    <name>VDDCControlDlg</name>
    <message>
        <source>Luminance</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Kontrast</translation>
    </message>
    <message>
        <source>Color Temperature</source>
        <translation>Farbtemperatur</translation>
    </message>
    <message>
        <source>RGB Gain</source>
        <translation>RGB-Verstärkung</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Display color temperature</source>
        <translation>Farbtemperatur des Bildschirms</translation>
    </message>
    <message>
        <source>Display adapter/slot not supported</source>
        <translation>Grafikadapter oder Anschluss nicht unterstützt</translation>
    </message>
    <message>
        <source>The display could not be found; its picture cannot be adjusted.</source>
        <translation>Der Bildschirm wurde nicht gefunden; sein Bild kann nicht eingestellt werden.</translation>
    </message>
</context>
<context>
    <name>VScreenCalibrateDlg</name>
    <message>
        <source>Calibrate</source>
        <translation>Kalibrieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Adjust your pen grip and use the pen tip (not the cursor arrow) to click on the mark points</source>
        <translation>Halten Sie den Stift wie gewohnt und tippen Sie mit der Stiftspitze (nicht mit dem Mauszeiger) auf die Markierungen</translation>
    </message>
</context>
</TS>
