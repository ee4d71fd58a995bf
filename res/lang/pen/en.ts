<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name>VActionSelectDlg</name>
    <message>
        <source>Keyboard</source>
        <translation>Keyboard</translation>
    </message>
    <message>
        <source>Text Mode</source>
        <translation>Text Mode</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Application</translation>
    </message>
    <message>
        <source>Application Path</source>
        <translation>Application Path</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Browse</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Nothing</translation>
    </message>
    <message>
        <source>Do not perform any action</source>
        <translation>Do not perform any action</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Clear all</translation>
    </message>
    <message>
        <source>Enter a shortcut key (e.g., Ctrl+Z):</source>
        <translation>Enter a shortcut key (e.g., Ctrl+Z):</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Switch</translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation>Invalid</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Left Click</translation>
    </message>
    <message>
        <source>Middle Click</source>
        <translation>Middle Click</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Right Click</translation>
    </message>
    <message>
        <source>Left Double Click</source>
        <translation>Left Double Click</translation>
    </message>
    <message>
        <source>Wheel Up</source>
        <translation>Wheel Up</translation>
    </message>
    <message>
        <source>Wheel Down</source>
        <translation>Wheel Down</translation>
    </message>
    <message>
        <source>Ctrl + Wheel Up</source>
        <translation>Ctrl + Wheel Up</translation>
    </message>
    <message>
        <source>Ctrl + Wheel Down</source>
        <translation>Ctrl + Wheel Down</translation>
    </message>
    <message>
        <source>Switch Monitor</source>
        <translation>Switch Monitor</translation>
    </message>
    <message>
        <source>Pen/Eraser</source>
        <translation>Pen/Eraser</translation>
    </message>
    <message>
        <source>Custom Tool</source>
        <translation>Custom Tool</translation>
    </message>
    <message>
        <source>Change Dial Action</source>
        <translation>Change Dial Action</translation>
    </message>
    <message>
        <source>Browser Back</source>
        <translation>Browser Back</translation>
    </message>
    <message>
        <source>Browser Forward</source>
        <translation>Browser Forward</translation>
    </message>
    <message>
        <source>Browser Refresh</source>
        <translation>Browser Refresh</translation>
    </message>
    <message>
        <source>Browser Home</source>
        <translation>Browser Home</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation>Previous Track</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>Next Track</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Play/Pause</translation>
    </message>
    <message>
        <source>Volume Mute</source>
        <translation>Volume Mute</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>Volume -</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>Volume +</translation>
    </message>
</context>
<context>
    <name>VHotkeyOptionDlg</name>
    <message>
        <source>More Options</source>
        <translation>More Options</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Application</translation>
    </message>
    <message>
        <source>Hotkey specifies the application</source>
        <translation>Hotkey specifies the application</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>Use the tablet keys </source>
        <translation>Use the tablet keys </translation>
    </message>
    <message>
        <source>Dial</source>
        <translation>Dial</translation>
    </message>
    <message>
        <source>Use the tablet dial</source>
        <translation>Use the tablet dial</translation>
    </message>
    <message>
        <source>Dial Sensitivity</source>
        <translation>Dial Sensitivity</translation>
    </message>
    <message>
        <source>Adjust Sensitivity of the Dial on the Tablet</source>
        <translation>Adjust Sensitivity of the Dial on the Tablet</translation>
    </message>
    <message>
        <source>Touch</source>
        <translation>Touch</translation>
    </message>
    <message>
        <source>Use the tablet touch</source>
        <translation>Use the tablet touch</translation>
    </message>
</context>
<context>
    <name>VMappingOptionDlg</name>
    <message>
        <source>More Options</source>
        <translation>More Options</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Screen</translation>
    </message>
    <message>
        <source>Screen Identify</source>
        <translation>Screen Identify</translation>
    </message>
    <message>
        <source>Detect and identify screens</source>
        <translation>Detect and identify screens</translation>
    </message>
    <message>
        <source>Color Temperature</source>
        <translation>Color Temperature</translation>
    </message>
    <message>
        <source>Adjust screen color</source>
        <translation>Adjust screen color</translation>
    </message>
    <message>
        <source>The target screen is not supported</source>
        <translation>The target screen is not supported</translation>
    </message>
</context>
<context>
    <name>VPenOptionDlg</name>
    <message>
        <source>More Options</source>
        <translation>More Options</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Application</translation>
    </message>
    <message>
        <source>Hotkey specifies the application</source>
        <translation>Hotkey specifies the application</translation>
    </message>
    <message>
        <source>Pressure Curve</source>
        <translation>Pressure Curve</translation>
    </message>
    <message>
        <source>Use the pressure curve panel</source>
        <translation>Use the pressure curve panel</translation>
    </message>
    <message>
        <source>FPS Game Support</source>
        <translation>FPS Game Support</translation>
    </message>
    <message>
        <source>Only available in mouse mode on Windows</source>
        <translation>Only available in mouse mode on Windows</translation>
    </message>
</context>
</TS>
