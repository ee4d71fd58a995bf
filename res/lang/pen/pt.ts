<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en_US">
<context>
    <name>VActionSelectDlg</name>
    <message>
        <source>Keyboard</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>Text Mode</source>
        <translation>Modo de texto</translation>
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
        <translation>Aplicativo</translation>
    </message>
    <message>
        <source>Application Path</source>
        <translation>Caminho do aplicativo</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Procurar</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Mídia</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Nada</translation>
    </message>
    <message>
        <source>Do not perform any action</source>
        <translation>Não executar nenhuma ação</translation>
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
        <source>Enter a shortcut key (e.g., Ctrl+Z):</source>
        <translation>Digite um atalho (ex.: Ctrl+Z):</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Alternar</translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation>Nenhuma</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Clique esquerdo</translation>
    </message>
    <message>
        <source>Middle Click</source>
        <translation>Clique do meio</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clique direito</translation>
    </message>
    <message>
        <source>Left Double Click</source>
        <translation>Clique duplo esquerdo</translation>
    </message>
    <message>
        <source>Wheel Up</source>
        <translation>Roda para cima</translation>
    </message>
    <message>
        <source>Wheel Down</source>
        <translation>Roda para baixo</translation>
    </message>
    <message>
        <source>Ctrl + Wheel Up</source>
        <translation>Ctrl + roda para cima</translation>
    </message>
    <message>
        <source>Ctrl + Wheel Down</source>
        <translation>Ctrl + roda para baixo</translation>
    </message>
    <message>
        <source>Switch Monitor</source>
        <translation>Alternar monitor</translation>
    </message>
    <message>
        <source>Pen/Eraser</source>
        <translation>Caneta/borracha</translation>
    </message>
    <message>
        <source>Custom Tool</source>
        <translation>Ferramenta personalizada</translation>
    </message>
    <message>
        <source>Change Dial Action</source>
        <translation>Alternar ação do disco</translation>
    </message>
    <message>
        <source>Browser Back</source>
        <translation>Navegador: voltar</translation>
    </message>
    <message>
        <source>Browser Forward</source>
        <translation>Navegador: avançar</translation>
    </message>
    <message>
        <source>Browser Refresh</source>
        <translation>Navegador: atualizar</translation>
    </message>
    <message>
        <source>Browser Home</source>
        <translation>Navegador: início</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation>Faixa anterior</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>Próxima faixa</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Reproduzir/pausar</translation>
    </message>
    <message>
        <source>Volume Mute</source>
        <translation>Mudo</translation>
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
        <translation>Mais opções</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Aplicativo</translation>
    </message>
    <message>
        <source>Hotkey specifies the application</source>
        <translation>Teclas específicas por aplicativo</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>Use the tablet keys </source>
        <translation>Usar as teclas da mesa</translation>
    </message>
    <message>
        <source>Dial</source>
        <translation>Disco</translation>
    </message>
    <message>
        <source>Use the tablet dial</source>
        <translation>Usar o disco da mesa</translation>
    </message>
    <message>
        <source>Dial Sensitivity</source>
        <translation>Sensibilidade do disco</translation>
    </message>
    <message>
        <source>Adjust Sensitivity of the Dial on the Tablet</source>
        <translation>Ajustar a sensibilidade do disco</translation>
    </message>
    <message>
        <source>Touch</source>
        <translation>Toque</translation>
    </message>
    <message>
        <source>Use the tablet touch</source>
        <translation>Usar o controle de toque da mesa</translation>
    </message>
</context>
<context>
    <name>VMappingOptionDlg</name>
    <message>
        <source>More Options</source>
        <translation>Mais opções</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>Rotação</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Tela</translation>
    </message>
    <message>
        <source>Screen Identify</source>
        <translation>Identificar telas</translation>
    </message>
    <message>
        <source>Detect and identify screens</source>
        <translation>Detectar e identificar telas</translation>
    </message>
    <message>
        <source>Color Temperature</source>
        <translation>Temperatura de cor</translation>
    </message>
    <message>
        <source>Adjust screen color</source>
        <translation>Ajustar as cores da tela</translation>
    </message>
    <message>
        <source>The target screen is not supported</source>
        <translation>A tela de destino não é compatível</translation>
    </message>
</context>
<context>
    <name>VPenOptionDlg</name>
    <message>
        <source>More Options</source>
        <translation>Mais opções</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Aplicativo</translation>
    </message>
    <message>
        <source>Hotkey specifies the application</source>
        <translation>Teclas específicas por aplicativo</translation>
    </message>
    <message>
        <source>Pressure Curve</source>
        <translation>Curva de pressão</translation>
    </message>
    <message>
        <source>Use the pressure curve panel</source>
        <translation>Usar o painel de curva de pressão</translation>
    </message>
    <message>
        <source>FPS Game Support</source>
        <translation>Suporte a jogos FPS</translation>
    </message>
    <message>
        <source>Only available in mouse mode on Windows</source>
        <translation>Somente no modo mouse no Windows</translation>
    </message>
</context>
</TS>
