<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en_US">
<context>
    <name>VLanguageItem</name>
    <message>
        <source>English</source>
        <translation>Inglês</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francês</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Alemão</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonês</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coreano</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Português</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russo</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Chinês simplificado</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Espanhol</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Chinês tradicional</translation>
    </message>
    <message>
        <source>Use this language</source>
        <translation>Usar este idioma</translation>
    </message>
</context>
<context>
    <name>VSettingsPanel</name>
    <message>
        <source>Backup &amp; Restore</source>
        <translation>Backup e restauração</translation>
    </message>
    <message>
        <source>Backup current settings</source>
        <translation>Faz backup das configurações atuais</translation>
    </message>
    <message>
        <source>Check the current data status of the tablet</source>
        <translation>Verifica o estado atual dos dados da mesa</translation>
    </message>
    <message>
        <source>Diagnose</source>
        <translation>Diagnóstico</translation>
    </message>
    <message>
        <source>Export Settings</source>
        <translation>Exportar configurações</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>Hotkey description</source>
        <translation>Descrição das teclas de atalho</translation>
    </message>
    <message>
        <source>Hotkey synchronized response</source>
        <translation>Resposta sincronizada das teclas de atalho</translation>
    </message>
    <message>
        <source>Import Settings</source>
        <translation>Importar configurações</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>Manutenção</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>No Settings are exported, please save them first</source>
        <translation>Não há configurações para exportar; salve-as primeiro</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Pen Feature</source>
        <translation>Funções da caneta</translation>
    </message>
    <message>
        <source>Pen tilt data</source>
        <translation>Dados de inclinação da caneta</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Redefinir</translation>
    </message>
    <message>
        <source>Reset to default settings</source>
        <translation>Volta às configurações padrão</translation>
    </message>
    <message>
        <source>Restore current settings</source>
        <translation>Restaura as configurações de um backup</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Settings export abort</source>
        <translation>Exportação das configurações interrompida</translation>
    </message>
    <message>
        <source>Settings export completed</source>
        <translation>Exportação das configurações concluída</translation>
    </message>
    <message>
        <source>Settings import abort</source>
        <translation>Importação das configurações interrompida</translation>
    </message>
    <message>
        <source>Settings import completed</source>
        <translation>Importação das configurações concluída</translation>
    </message>
    <message>
        <source>Settings partly imported</source>
        <translation>Configurações importadas apenas em parte</translation>
    </message>
    <message>
        <source>Could not be written: %1</source>
        <translation>Não foi possível gravar: %1</translation>
    </message>
    <message>
        <source>Switch of hotkey description</source>
        <translation>Mostra ou oculta a descrição das teclas de atalho</translation>
    </message>
    <message>
        <source>Syncs with user key actions</source>
        <translation>Acompanha as ações de tecla do usuário</translation>
    </message>
    <message>
        <source>Tablet Feature</source>
        <translation>Funções da mesa</translation>
    </message>
    <message>
        <source>Tablet auto rotation</source>
        <translation>Rotação automática da mesa</translation>
    </message>
    <message>
        <source>Tablet follows the OS screen orientation</source>
        <translation>A mesa acompanha a orientação da tela do sistema</translation>
    </message>
    <message>
        <source>This will reset all Settings to default, are you sure?</source>
        <translation>Todas as configurações voltarão ao padrão. Tem certeza?</translation>
    </message>
    <message>
        <source>When enabled, output pen tilt Angle data</source>
        <translation>Quando ativado, envia o ângulo de inclinação da caneta</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
</context>
</TS>
