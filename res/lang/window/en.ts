<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name>MainWindow</name>
    <message>
        <source>Pen Tablet</source>
        <translation>Pen Tablet</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>Pen</translation>
    </message>
    <message>
        <source>Hot Key</source>
        <translation>Hot Key</translation>
    </message>
    <message>
        <source>Mapping</source>
        <translation>Mapping</translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation>Show Window</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Tablet Driver</source>
        <translation>Tablet Driver</translation>
    </message>
    <message>
        <source>This driver does not know the model &quot;%1&quot;: its settings cannot be shown or changed here.</source>
        <translation>This driver does not know the model &quot;%1&quot;: its settings cannot be shown or changed here.</translation>
    </message>
</context>
<context>
    <name>VHotkeyPanel</name>
    <message>
        <source>All Applications</source>
        <translation>All Applications</translation>
    </message>
    <message>
        <source>Edit Options...</source>
        <translation>Edit Options...</translation>
    </message>
</context>
<context>
    <name>VNotDetectedDlg</name>
    <message>
        <source>ZELVO Pen Tablet</source>
        <translation>ZELVO Pen Tablet</translation>
    </message>
    <message>
        <source>No available device detected, please check if the device USB cable is connected.</source>
        <translation>No available device detected, please check if the device USB cable is connected.</translation>
    </message>
</context>
<context>
    <name>VTitleBar</name>
    <message>
        <source>max</source>
        <translation>max</translation>
    </message>
    <message>
        <source>set</source>
        <translation>set</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>thumbtack</source>
        <translation>thumbtack</translation>
    </message>
</context>
</TS>
