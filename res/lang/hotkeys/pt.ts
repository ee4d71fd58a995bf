<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en_US">
<context>
    <name>VAppSelectDlg</name>
    <message>
        <source>More Options</source>
        <translation>Mais opções</translation>
    </message>
    <message>
        <source>Specify applications</source>
        <translation>Aplicativos específicos</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Limpar tudo</translation>
    </message>
    <message>
        <source>Running applications</source>
        <translation>Aplicativos em execução</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Caminho</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Aplicativo</translation>
    </message>
</context>
<context>
    <name>VDialActionDlg</name>
    <message>
        <source>Left</source>
        <translation>Esquerda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Direita</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation>Nenhuma</translation>
    </message>
</context>
<context>
    <name>VHotkeyPanel</name>
    <message>
        <source>Hotkey specifies the application</source>
        <translation>Teclas específicas por aplicativo</translation>
    </message>
    <message>
        <source>Hot Key</source>
        <translation>Teclas de atalho</translation>
    </message>
    <message>
        <source>Click the keys area to set hotkey</source>
        <translation>Clique em uma tecla para atribuí-la</translation>
    </message>
    <message>
        <source>Restore Default</source>
        <translation>Restaurar padrão</translation>
    </message>
    <message>
        <source>More Options</source>
        <translation>Mais opções</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Hotkey Preview</source>
        <translation>Visualização das teclas</translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation>Nenhuma</translation>
    </message>
    <message>
        <source>Configuration saved</source>
        <translation>Configuração salva</translation>
    </message>
</context>
<context>
    <name>VHotkeyPreviewDlg</name>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Hotkey Preview</source>
        <translation>Visualização das teclas</translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation>Nenhuma</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>Dial</source>
        <translation>Disco</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Ação</translation>
    </message>
    <message>
        <source>Touch</source>
        <translation>Toque</translation>
    </message>
</context>
</TS>
