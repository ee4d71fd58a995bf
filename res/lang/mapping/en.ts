<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name>VMappingPanel</name>
    <message>
        <source>Screen</source>
        <translation>Screen</translation>
    </message>
    <message>
        <source>Part</source>
        <translation>Part</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Full Screen</translation>
    </message>
    <message>
        <source>Full Tablet</source>
        <translation>Full Tablet</translation>
    </message>
    <message>
        <source>Aspect Ratio</source>
        <translation>Aspect Ratio</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>Calibrate</source>
        <translation>Calibrate</translation>
    </message>
    <message>
        <source>Restore Default</source>
        <translation>Restore Default</translation>
    </message>
    <message>
        <source>More Options</source>
        <translation>More Options</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>pixels</translation>
    </message>
    <message>
        <source>All</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Configuration saved</source>
        <translation>Configuration saved</translation>
    </message>
    <message>
        <source>Calibration failed: the pen missed the marks</source>
        <translation>Calibration failed: the pen missed the marks</translation>
    </message>
</context>
</TS>
