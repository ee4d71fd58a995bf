<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en_US">
<context>
    <name>TabletLanguage</name>
    <message>
        <source>Zoom In</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Reduzir</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>Brush</source>
        <translation>Pincel</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Borracha</translation>
    </message>
    <message>
        <source>Hand Tool</source>
        <translation>Ferramenta Mão</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>Caneta</translation>
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
        <source>Pen/Eraser</source>
        <translation>Caneta/Borracha</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clique direito</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Teclado</translation>
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
        <source>Media</source>
        <translation>Mídia</translation>
    </message>
    <message>
        <source>Change Dial Action</source>
        <translation>Alterar ação do botão giratório</translation>
    </message>
    <message>
        <source>Smaller Brush</source>
        <translation>Pincel menor</translation>
    </message>
    <message>
        <source>Larger Brush</source>
        <translation>Pincel maior</translation>
    </message>
    <message>
        <source>Pan</source>
        <translation>Mover</translation>
    </message>
    <message>
        <source>Middle Click</source>
        <translation>Clique do meio</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Switch Monitor</source>
        <translation>Alternar monitor</translation>
    </message>
    <message>
        <source>Eyedropper</source>
        <translation>Conta-gotas</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selecionar tudo</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Recortar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Colar</translation>
    </message>
    <message>
        <source>Hide Panels</source>
        <translation>Ocultar painéis</translation>
    </message>
    <message>
        <source>Tool Cycle</source>
        <translation>Alternar ferramenta</translation>
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
        <translation>Faixa anterior</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Reproduzir/Pausar</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>Próxima faixa</translation>
    </message>
    <message>
        <source>Volume Mute</source>
        <translation>Silenciar</translation>
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
        <translation>Navegador: voltar</translation>
    </message>
    <message>
        <source>Browser Forward</source>
        <translation>Navegador: avançar</translation>
    </message>
    <message>
        <source>Browser Home</source>
        <translation>Navegador: página inicial</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculadora</translation>
    </message>
</context>
<context>
    <name>TabletExecAction</name>
    <message>
        <source>Execute</source>
        <translation>Executar</translation>
    </message>
</context>
<context>
    <name>TabletKeyboardAction</name>
    <message>
        <source>Invalid</source>
        <translation>Inválido</translation>
    </message>
</context>
<context>
    <name>TabletMediaAction</name>
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
        <translation>Navegador: página inicial</translation>
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
        <translation>Reproduzir/Pausar</translation>
    </message>
    <message>
        <source>Volume Mute</source>
        <translation>Silenciar</translation>
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
        <translation>Desconhecido</translation>
    </message>
</context>
<context>
    <name>TabletMiscAction</name>
    <message>
        <source>Switch Monitor</source>
        <translation>Alternar monitor</translation>
    </message>
    <message>
        <source>Pen/Eraser</source>
        <translation>Caneta/Borracha</translation>
    </message>
    <message>
        <source>Custom Tool</source>
        <translation>Ferramenta personalizada</translation>
    </message>
    <message>
        <source>Change Dial Action</source>
        <translation>Alterar ação do botão giratório</translation>
    </message>
</context>
<context>
    <name>TabletMouseAction</name>
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
        <source>Undefined</source>
        <translation>Indefinido</translation>
    </message>
</context>
<context>
    <name>ThirdPartyProfiles</name>
    <message>
        <source>Pen</source>
        <translation>Caneta</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Borracha</translation>
    </message>
</context>
</TS>
