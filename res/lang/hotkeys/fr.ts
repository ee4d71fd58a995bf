<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_US">
<context>
    <name>VAppSelectDlg</name>
    <message>
        <source>More Options</source>
        <translation>Plus d'options</translation>
    </message>
    <message>
        <source>Specify applications</source>
        <translation>Applications spécifiques</translation>
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
        <source>Running applications</source>
        <translation>Applications en cours d'exécution</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Chemin</translation>
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
        <source>Application</source>
        <translation>Application</translation>
    </message>
</context>
<context>
    <name>VDialActionDlg</name>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
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
        <source>Invalid</source>
        <translation>Aucune</translation>
    </message>
</context>
<context>
    <name>VHotkeyPanel</name>
    <message>
        <source>Hotkey specifies the application</source>
        <translation>Raccourcis propres à chaque application</translation>
    </message>
    <message>
        <source>Hot Key</source>
        <translation>Touches express</translation>
    </message>
    <message>
        <source>Click the keys area to set hotkey</source>
        <translation>Cliquez sur une touche pour lui attribuer une action</translation>
    </message>
    <message>
        <source>Restore Default</source>
        <translation>Rétablir les valeurs par défaut</translation>
    </message>
    <message>
        <source>More Options</source>
        <translation>Plus d'options</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Hotkey Preview</source>
        <translation>Aperçu des raccourcis</translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Configuration saved</source>
        <translation>Configuration enregistrée</translation>
    </message>
</context>
<context>
    <name>VHotkeyPreviewDlg</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Hotkey Preview</source>
        <translation>Aperçu des raccourcis</translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>Dial</source>
        <translation>Molette</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Touch</source>
        <translation>Tactile</translation>
    </message>
</context>
</TS>
