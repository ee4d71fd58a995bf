<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en_US">
<context>
    <name>TabletLanguage</name>
    <message>
        <source>Zoom In</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Riduci</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Brush</source>
        <translation>Pennello</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Gomma</translation>
    </message>
    <message>
        <source>Hand Tool</source>
        <translation>Strumento Mano</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>Penna</translation>
    </message>
    <message>
        <source>Wheel Up</source>
        <translation>Rotellina su</translation>
    </message>
    <message>
        <source>Wheel Down</source>
        <translation>Rotellina giù</translation>
    </message>
    <message>
        <source>Pen/Eraser</source>
        <translation>Penna/Gomma</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clic destro</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tastiera</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Applicazione</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>Change Dial Action</source>
        <translation>Cambia azione della ghiera</translation>
    </message>
    <message>
        <source>Smaller Brush</source>
        <translation>Pennello più piccolo</translation>
    </message>
    <message>
        <source>Larger Brush</source>
        <translation>Pennello più grande</translation>
    </message>
    <message>
        <source>Pan</source>
        <translation>Sposta</translation>
    </message>
    <message>
        <source>Middle Click</source>
        <translation>Clic centrale</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Switch Monitor</source>
        <translation>Cambia monitor</translation>
    </message>
    <message>
        <source>Eyedropper</source>
        <translation>Contagocce</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Taglia</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>Hide Panels</source>
        <translation>Nascondi pannelli</translation>
    </message>
    <message>
        <source>Tool Cycle</source>
        <translation>Cambia strumento</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Maiusc</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation>Traccia precedente</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Riproduci/Pausa</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>Traccia successiva</translation>
    </message>
    <message>
        <source>Volume Mute</source>
        <translation>Disattiva audio</translation>
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
        <translation>Browser: indietro</translation>
    </message>
    <message>
        <source>Browser Forward</source>
        <translation>Browser: avanti</translation>
    </message>
    <message>
        <source>Browser Home</source>
        <translation>Browser: pagina iniziale</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calcolatrice</translation>
    </message>
</context>
<context>
    <name>TabletExecAction</name>
    <message>
        <source>Execute</source>
        <translation>Esegui</translation>
    </message>
</context>
<context>
    <name>TabletKeyboardAction</name>
    <message>
        <source>Invalid</source>
        <translation>Non valido</translation>
    </message>
</context>
<context>
    <name>TabletMediaAction</name>
    <message>
        <source>Browser Back</source>
        <translation>Browser: indietro</translation>
    </message>
    <message>
        <source>Browser Forward</source>
        <translation>Browser: avanti</translation>
    </message>
    <message>
        <source>Browser Refresh</source>
        <translation>Browser: aggiorna</translation>
    </message>
    <message>
        <source>Browser Home</source>
        <translation>Browser: pagina iniziale</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation>Traccia precedente</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>Traccia successiva</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Riproduci/Pausa</translation>
    </message>
    <message>
        <source>Volume Mute</source>
        <translation>Disattiva audio</translation>
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
        <translation>Sconosciuto</translation>
    </message>
</context>
<context>
    <name>TabletMiscAction</name>
    <message>
        <source>Switch Monitor</source>
        <translation>Cambia monitor</translation>
    </message>
    <message>
        <source>Pen/Eraser</source>
        <translation>Penna/Gomma</translation>
    </message>
    <message>
        <source>Custom Tool</source>
        <translation>Strumento personalizzato</translation>
    </message>
    <message>
        <source>Change Dial Action</source>
        <translation>Cambia azione della ghiera</translation>
    </message>
</context>
<context>
    <name>TabletMouseAction</name>
    <message>
        <source>Left Click</source>
        <translation>Clic sinistro</translation>
    </message>
    <message>
        <source>Middle Click</source>
        <translation>Clic centrale</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clic destro</translation>
    </message>
    <message>
        <source>Left Double Click</source>
        <translation>Doppio clic sinistro</translation>
    </message>
    <message>
        <source>Wheel Up</source>
        <translation>Rotellina su</translation>
    </message>
    <message>
        <source>Wheel Down</source>
        <translation>Rotellina giù</translation>
    </message>
    <message>
        <source>Ctrl + Wheel Up</source>
        <translation>Ctrl + rotellina su</translation>
    </message>
    <message>
        <source>Ctrl + Wheel Down</source>
        <translation>Ctrl + rotellina giù</translation>
    </message>
    <message>
        <source>Undefined</source>
        <translation>Non definito</translation>
    </message>
</context>
<context>
    <name>ThirdPartyProfiles</name>
    <message>
        <source>Pen</source>
        <translation>Penna</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Gomma</translation>
    </message>
</context>
</TS>
