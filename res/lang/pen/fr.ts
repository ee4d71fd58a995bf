<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_US">
<context>
    <name>VActionSelectDlg</name>
    <message>
        <source>Keyboard</source>
        <translation>Clavier</translation>
    </message>
    <message>
        <source>Text Mode</source>
        <translation>Mode texte</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Souris</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Appareil</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Application</translation>
    </message>
    <message>
        <source>Application Path</source>
        <translation>Chemin de l'application</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Multimédia</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Do not perform any action</source>
        <translation>N'effectuer aucune action</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Tout effacer</translation>
    </message>
    <message>
        <source>Enter a shortcut key (e.g., Ctrl+Z):</source>
        <translation>Saisissez un raccourci (ex. Ctrl+Z) :</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Basculer</translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation>Aucune</translation>
    </message>
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
        <source>Switch Monitor</source>
        <translation>Changer d'écran</translation>
    </message>
    <message>
        <source>Pen/Eraser</source>
        <translation>Stylet/gomme</translation>
    </message>
    <message>
        <source>Custom Tool</source>
        <translation>Outil personnalisé</translation>
    </message>
    <message>
        <source>Change Dial Action</source>
        <translation>Changer l'action de la molette</translation>
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
        <translation>Lecture/pause</translation>
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
</context>
<context>
    <name>VHotkeyOptionDlg</name>
    <message>
        <source>More Options</source>
        <translation>Plus d'options</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Application</translation>
    </message>
    <message>
        <source>Hotkey specifies the application</source>
        <translation>Raccourcis propres à chaque application</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>Use the tablet keys </source>
        <translation>Utiliser les touches de la tablette</translation>
    </message>
    <message>
        <source>Dial</source>
        <translation>Molette</translation>
    </message>
    <message>
        <source>Use the tablet dial</source>
        <translation>Utiliser la molette de la tablette</translation>
    </message>
    <message>
        <source>Dial Sensitivity</source>
        <translation>Sensibilité de la molette</translation>
    </message>
    <message>
        <source>Adjust Sensitivity of the Dial on the Tablet</source>
        <translation>Régler la sensibilité de la molette</translation>
    </message>
    <message>
        <source>Touch</source>
        <translation>Tactile</translation>
    </message>
    <message>
        <source>Use the tablet touch</source>
        <translation>Utiliser la zone tactile de la tablette</translation>
    </message>
</context>
<context>
    <name>VMappingOptionDlg</name>
    <message>
        <source>More Options</source>
        <translation>Plus d'options</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Écran</translation>
    </message>
    <message>
        <source>Screen Identify</source>
        <translation>Identifier les écrans</translation>
    </message>
    <message>
        <source>Detect and identify screens</source>
        <translation>Détecter et identifier les écrans</translation>
    </message>
    <message>
        <source>Color Temperature</source>
        <translation>Température de couleur</translation>
    </message>
    <message>
        <source>Adjust screen color</source>
        <translation>Régler les couleurs de l'écran</translation>
    </message>
    <message>
        <source>The target screen is not supported</source>
        <translation>L'écran cible n'est pas pris en charge</translation>
    </message>
</context>
<context>
    <name>VPenOptionDlg</name>
    <message>
        <source>More Options</source>
        <translation>Plus d'options</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Application</translation>
    </message>
    <message>
        <source>Hotkey specifies the application</source>
        <translation>Raccourcis propres à chaque application</translation>
    </message>
    <message>
        <source>Pressure Curve</source>
        <translation>Courbe de pression</translation>
    </message>
    <message>
        <source>Use the pressure curve panel</source>
        <translation>Utiliser le panneau de courbe de pression</translation>
    </message>
    <message>
        <source>FPS Game Support</source>
        <translation>Prise en charge des jeux FPS</translation>
    </message>
    <message>
        <source>Only available in mouse mode on Windows</source>
        <translation>Uniquement en mode souris sous Windows</translation>
    </message>
</context>
</TS>
