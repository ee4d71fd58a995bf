<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en_US">
<context>
    <name>MainWindow</name>
    <message>
        <source>Pen Tablet</source>
        <translation>Tavoletta grafica</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modello</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>Penna</translation>
    </message>
    <message>
        <source>Hot Key</source>
        <translation>Tasti rapidi</translation>
    </message>
    <message>
        <source>Mapping</source>
        <translation>Mappatura</translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation>Mostra finestra</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Tablet Driver</source>
        <translation>Driver della tavoletta</translation>
    </message>
    <message>
        <source>This driver does not know the model &quot;%1&quot;: its settings cannot be shown or changed here.</source>
        <translation>Questo driver non conosce il modello «%1»: le sue impostazioni non possono essere mostrate né modificate qui.</translation>
    </message>
</context>
<context>
    <name>VHotkeyPanel</name>
    <message>
        <source>All Applications</source>
        <translation>Tutte le applicazioni</translation>
    </message>
    <message>
        <source>Edit Options...</source>
        <translation>Modifica opzioni...</translation>
    </message>
</context>
<context>
    <name>VNotDetectedDlg</name>
    <message>
        <source>ZELVO Pen Tablet</source>
        <translation>Tavoletta grafica ZELVO</translation>
    </message>
    <message>
        <source>No available device detected, please check if the device USB cable is connected.</source>
        <translation>Nessun dispositivo disponibile rilevato. Verifica che il cavo USB del dispositivo sia collegato.</translation>
    </message>
</context>
<context>
    <name>VTitleBar</name>
    <message>
        <source>max</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>set</source>
        <translation>Imposta</translation>
    </message>
    <message>
        <source>min</source>
        <translation>Riduci</translation>
    </message>
    <message>
        <source>X</source>
        <translation>×</translation>
    </message>
    <message>
        <source>thumbtack</source>
        <translation>Fissa in primo piano</translation>
    </message>
</context>
</TS>
