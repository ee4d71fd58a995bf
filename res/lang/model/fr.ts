<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_US">
<context>
    <name>TabletLanguage</name>
    <message>
        <source>Zoom In</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Brush</source>
        <translation>Pinceau</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Gomme</translation>
    </message>
    <message>
        <source>Hand Tool</source>
        <translation>Outil Main</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>Stylet</translation>
    </message>
    <message>
        <source>Wheel Up</source>
        <translation>Molette vers le haut</translation>
    </message>
    <message>
        <source>Wheel Down</source>
        <translation>Molette vers le bas</translation>
    </message>
    <message>
        <source>Pen/Eraser</source>
        <translation>Stylet/Gomme</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clic droit</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Clavier</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Souris</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Périphérique</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Application</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Multimédia</translation>
    </message>
    <message>
        <source>Change Dial Action</source>
        <translation>Changer l'action de la molette</translation>
    </message>
    <message>
        <source>Smaller Brush</source>
        <translation>Réduire le pinceau</translation>
    </message>
    <message>
        <source>Larger Brush</source>
        <translation>Agrandir le pinceau</translation>
    </message>
    <message>
        <source>Pan</source>
        <translation>Déplacer</translation>
    </message>
    <message>
        <source>Middle Click</source>
        <translation>Clic du milieu</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Switch Monitor</source>
        <translation>Changer d'écran</translation>
    </message>
    <message>
        <source>Eyedropper</source>
        <translation>Pipette</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Hide Panels</source>
        <translation>Masquer les panneaux</translation>
    </message>
    <message>
        <source>Tool Cycle</source>
        <translation>Changer d'outil</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Maj</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation>Piste précédente</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Lecture/Pause</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>Piste suivante</translation>
    </message>
    <message>
        <source>Volume Mute</source>
        <translation>Couper le son</translation>
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
        <translation>Navigateur : précédent</translation>
    </message>
    <message>
        <source>Browser Forward</source>
        <translation>Navigateur : suivant</translation>
    </message>
    <message>
        <source>Browser Home</source>
        <translation>Navigateur : accueil</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculatrice</translation>
    </message>
</context>
<context>
    <name>TabletExecAction</name>
    <message>
        <source>Execute</source>
        <translation>Exécuter</translation>
    </message>
</context>
<context>
    <name>TabletKeyboardAction</name>
    <message>
        <source>Invalid</source>
        <translation>Non valide</translation>
    </message>
</context>
<context>
    <name>TabletMediaAction</name>
    <message>
        <source>Browser Back</source>
        <translation>Navigateur : précédent</translation>
    </message>
    <message>
        <source>Browser Forward</source>
        <translation>Navigateur : suivant</translation>
    </message>
    <message>
        <source>Browser Refresh</source>
        <translation>Navigateur : actualiser</translation>
    </message>
    <message>
        <source>Browser Home</source>
        <translation>Navigateur : accueil</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation>Piste précédente</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>Piste suivante</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Lecture/Pause</translation>
    </message>
    <message>
        <source>Volume Mute</source>
        <translation>Couper le son</translation>
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
        <translation>Inconnu</translation>
    </message>
</context>
<context>
    <name>TabletMiscAction</name>
    <message>
        <source>Switch Monitor</source>
        <translation>Changer d'écran</translation>
    </message>
    <message>
        <source>Pen/Eraser</source>
        <translation>Stylet/Gomme</translation>
    </message>
    <message>
        <source>Custom Tool</source>
        <translation>Outil personnalisé</translation>
    </message>
    <message>
        <source>Change Dial Action</source>
        <translation>Changer l'action de la molette</translation>
    </message>
</context>
<context>
    <name>TabletMouseAction</name>
    <message>
        <source>Left Click</source>
        <translation>Clic gauche</translation>
    </message>
    <message>
        <source>Middle Click</source>
        <translation>Clic du milieu</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clic droit</translation>
    </message>
    <message>
        <source>Left Double Click</source>
        <translation>Double-clic gauche</translation>
    </message>
    <message>
        <source>Wheel Up</source>
        <translation>Molette vers le haut</translation>
    </message>
    <message>
        <source>Wheel Down</source>
        <translation>Molette vers le bas</translation>
    </message>
    <message>
        <source>Ctrl + Wheel Up</source>
        <translation>Ctrl + molette vers le haut</translation>
    </message>
    <message>
        <source>Ctrl + Wheel Down</source>
        <translation>Ctrl + molette vers le bas</translation>
    </message>
    <message>
        <source>Undefined</source>
        <translation>Non défini</translation>
    </message>
</context>
<context>
    <name>ThirdPartyProfiles</name>
    <message>
        <source>Pen</source>
        <translation>Stylet</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Gomme</translation>
    </message>
</context>
</TS>
