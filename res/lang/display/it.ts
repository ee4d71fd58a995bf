<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en_US">
<context>
    <name>VDDCControlDlg</name>
    <message>
        <source>Luminance</source>
        <translation>Luminosità</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contrasto</translation>
    </message>
    <message>
        <source>Color Temperature</source>
        <translation>Temperatura colore</translation>
    </message>
    <message>
        <source>RGB Gain</source>
        <translation>Guadagno RGB</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Utente</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predefinito</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>Display color temperature</source>
        <translation>Temperatura colore dello schermo</translation>
    </message>
    <message>
        <source>Display adapter/slot not supported</source>
        <translation>Scheda video o porta non supportata</translation>
    </message>
    <message>
        <source>The display could not be found; its picture cannot be adjusted.</source>
        <translation>Impossibile trovare lo schermo; la sua immagine non può essere regolata.</translation>
    </message>
</context>
<context>
    <name>VScreenCalibrateDlg</name>
    <message>
        <source>Calibrate</source>
        <translation>Calibra</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Adjust your pen grip and use the pen tip (not the cursor arrow) to click on the mark points</source>
        <translation>Impugna la penna come di consueto e tocca i segni con la punta della penna (non con la freccia del cursore)</translation>
    </message>
</context>
</TS>
