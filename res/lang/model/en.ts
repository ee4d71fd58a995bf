<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name>TabletLanguage</name>
    <message>
        <source>Zoom In</source>
        <translation>Zoom In</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom Out</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Brush</source>
        <translation>Brush</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Eraser</translation>
    </message>
    <message>
        <source>Hand Tool</source>
        <translation>Hand Tool</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>Pen</translation>
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
        <source>Pen/Eraser</source>
        <translation>Pen/Eraser</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Right Click</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Keyboard</translation>
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
        <source>Media</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Change Dial Action</source>
        <translation>Change Dial Action</translation>
    </message>
    <message>
        <source>Smaller Brush</source>
        <translation>Smaller Brush</translation>
    </message>
    <message>
        <source>Larger Brush</source>
        <translation>Larger Brush</translation>
    </message>
    <message>
        <source>Pan</source>
        <translation>Pan</translation>
    </message>
    <message>
        <source>Middle Click</source>
        <translation>Middle Click</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Switch Monitor</source>
        <translation>Switch Monitor</translation>
    </message>
    <message>
        <source>Eyedropper</source>
        <translation>Eyedropper</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Select All</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Hide Panels</source>
        <translation>Hide Panels</translation>
    </message>
    <message>
        <source>Tool Cycle</source>
        <translation>Tool Cycle</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation>Previous Track</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Play/Pause</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>Next Track</translation>
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
    <message>
        <source>Browser Back</source>
        <translation>Browser Back</translation>
    </message>
    <message>
        <source>Browser Forward</source>
        <translation>Browser Forward</translation>
    </message>
    <message>
        <source>Browser Home</source>
        <translation>Browser Home</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculator</translation>
    </message>
</context>
<context>
    <name>TabletExecAction</name>
    <message>
        <source>Execute</source>
        <translation>Execute</translation>
    </message>
</context>
<context>
    <name>TabletKeyboardAction</name>
    <message>
        <source>Invalid</source>
        <translation>Invalid</translation>
    </message>
</context>
<context>
    <name>TabletMediaAction</name>
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
    <message>
        <source>Unknown</source>
        <translation>Unknown</translation>
    </message>
</context>
<context>
    <name>TabletMiscAction</name>
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
</context>
<context>
    <name>TabletMouseAction</name>
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
        <source>Undefined</source>
        <translation>Undefined</translation>
    </message>
</context>
<context>
    <name>ThirdPartyProfiles</name>
    <message>
        <source>Pen</source>
        <translation>Pen</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Eraser</translation>
    </message>
</context>
</TS>
