<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en_US">
<context>
    <name>VLanguageItem</name>
    <message>
        <source>English</source>
        <translation>Inglese</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francese</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Tedesco</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Giapponese</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coreano</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portoghese</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russo</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Cinese semplificato</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spagnolo</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Cinese tradizionale</translation>
    </message>
    <message>
        <source>Use this language</source>
        <translation>Usa questa lingua</translation>
    </message>
</context>
<context>
    <name>VSettingsPanel</name>
    <message>
        <source>Backup &amp; Restore</source>
        <translation>Backup e ripristino</translation>
    </message>
    <message>
        <source>Backup current settings</source>
        <translation>Salva una copia delle impostazioni attuali</translation>
    </message>
    <message>
        <source>Check the current data status of the tablet</source>
        <translation>Controlla lo stato attuale dei dati della tavoletta</translation>
    </message>
    <message>
        <source>Diagnose</source>
        <translation>Diagnostica</translation>
    </message>
    <message>
        <source>Export Settings</source>
        <translation>Esporta impostazioni</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>Hotkey description</source>
        <translation>Descrizione dei tasti rapidi</translation>
    </message>
    <message>
        <source>Hotkey synchronized response</source>
        <translation>Risposta sincronizzata dei tasti rapidi</translation>
    </message>
    <message>
        <source>Import Settings</source>
        <translation>Importa impostazioni</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>Manutenzione</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>No Settings are exported, please save them first</source>
        <translation>Nessuna impostazione da esportare, salvale prima</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Pen Feature</source>
        <translation>Funzioni della penna</translation>
    </message>
    <message>
        <source>Pen tilt data</source>
        <translation>Dati di inclinazione della penna</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reimposta</translation>
    </message>
    <message>
        <source>Reset to default settings</source>
        <translation>Riporta le impostazioni predefinite</translation>
    </message>
    <message>
        <source>Restore current settings</source>
        <translation>Ripristina le impostazioni da una copia</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Settings export abort</source>
        <translation>Esportazione delle impostazioni interrotta</translation>
    </message>
    <message>
        <source>Settings export completed</source>
        <translation>Esportazione delle impostazioni completata</translation>
    </message>
    <message>
        <source>Settings import abort</source>
        <translation>Importazione delle impostazioni interrotta</translation>
    </message>
    <message>
        <source>Settings import completed</source>
        <translation>Importazione delle impostazioni completata</translation>
    </message>
    <message>
        <source>Settings partly imported</source>
        <translation>Impostazioni importate solo in parte</translation>
    </message>
    <message>
        <source>Could not be written: %1</source>
        <translation>Impossibile scrivere: %1</translation>
    </message>
    <message>
        <source>Switch of hotkey description</source>
        <translation>Mostra o nasconde la descrizione dei tasti rapidi</translation>
    </message>
    <message>
        <source>Syncs with user key actions</source>
        <translation>Segue le azioni dei tasti dell'utente</translation>
    </message>
    <message>
        <source>Tablet Feature</source>
        <translation>Funzioni della tavoletta</translation>
    </message>
    <message>
        <source>Tablet auto rotation</source>
        <translation>Rotazione automatica della tavoletta</translation>
    </message>
    <message>
        <source>Tablet follows the OS screen orientation</source>
        <translation>La tavoletta segue l'orientamento dello schermo del sistema</translation>
    </message>
    <message>
        <source>This will reset all Settings to default, are you sure?</source>
        <translation>Tutte le impostazioni torneranno ai valori predefiniti. Continuare?</translation>
    </message>
    <message>
        <source>When enabled, output pen tilt Angle data</source>
        <translation>Se attivo, trasmette l'angolo di inclinazione della penna</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
</context>
</TS>
