<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_US">
<context>
    <name>VLanguageItem</name>
    <message>
        <source>English</source>
        <translation>Anglais</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Allemand</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italien</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonais</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coréen</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugais</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russe</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Chinois simplifié</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Espagnol</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Chinois traditionnel</translation>
    </message>
    <message>
        <source>Use this language</source>
        <translation>Utiliser cette langue</translation>
    </message>
</context>
<context>
    <name>VSettingsPanel</name>
    <message>
        <source>Backup &amp; Restore</source>
        <translation>Sauvegarde et restauration</translation>
    </message>
    <message>
        <source>Backup current settings</source>
        <translation>Sauvegarder les paramètres actuels</translation>
    </message>
    <message>
        <source>Check the current data status of the tablet</source>
        <translation>Vérifier l'état actuel des données de la tablette</translation>
    </message>
    <message>
        <source>Diagnose</source>
        <translation>Diagnostic</translation>
    </message>
    <message>
        <source>Export Settings</source>
        <translation>Exporter les paramètres</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Hotkey description</source>
        <translation>Description des touches express</translation>
    </message>
    <message>
        <source>Hotkey synchronized response</source>
        <translation>Réponse synchronisée des touches express</translation>
    </message>
    <message>
        <source>Import Settings</source>
        <translation>Importer les paramètres</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>Maintenance</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>No Settings are exported, please save them first</source>
        <translation>Aucun paramètre à exporter, enregistrez-les d'abord</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Pen Feature</source>
        <translation>Fonctions du stylet</translation>
    </message>
    <message>
        <source>Pen tilt data</source>
        <translation>Données d'inclinaison du stylet</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Reset to default settings</source>
        <translation>Rétablir les paramètres par défaut</translation>
    </message>
    <message>
        <source>Restore current settings</source>
        <translation>Restaurer les paramètres depuis une sauvegarde</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Settings export abort</source>
        <translation>Échec de l'exportation des paramètres</translation>
    </message>
    <message>
        <source>Settings export completed</source>
        <translation>Exportation des paramètres terminée</translation>
    </message>
    <message>
        <source>Settings import abort</source>
        <translation>Échec de l'importation des paramètres</translation>
    </message>
    <message>
        <source>Settings import completed</source>
        <translation>Importation des paramètres terminée</translation>
    </message>
    <message>
        <source>Settings partly imported</source>
        <translation>Paramètres importés en partie</translation>
    </message>
    <message>
        <source>Could not be written: %1</source>
        <translation>Impossible d'écrire : %1</translation>
    </message>
    <message>
        <source>Switch of hotkey description</source>
        <translation>Affiche ou masque la description des touches express</translation>
    </message>
    <message>
        <source>Syncs with user key actions</source>
        <translation>Suit les appuis de l'utilisateur sur les touches</translation>
    </message>
    <message>
        <source>Tablet Feature</source>
        <translation>Fonctions de la tablette</translation>
    </message>
    <message>
        <source>Tablet auto rotation</source>
        <translation>Rotation automatique de la tablette</translation>
    </message>
    <message>
        <source>Tablet follows the OS screen orientation</source>
        <translation>La tablette suit l'orientation de l'écran du système</translation>
    </message>
    <message>
        <source>This will reset all Settings to default, are you sure?</source>
        <translation>Tous les paramètres vont revenir à leurs valeurs par défaut. Continuer ?</translation>
    </message>
    <message>
        <source>When enabled, output pen tilt Angle data</source>
        <translation>Une fois activé, transmet l'angle d'inclinaison du stylet</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
</context>
</TS>
