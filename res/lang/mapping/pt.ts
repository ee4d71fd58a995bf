<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en_US">
<context>
    <name>VMappingPanel</name>
    <message>
        <source>Screen</source>
        <translation>Tela</translation>
    </message>
    <message>
        <source>Part</source>
        <translation>Área</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Tela inteira</translation>
    </message>
    <message>
        <source>Full Tablet</source>
        <translation>Mesa inteira</translation>
    </message>
    <message>
        <source>Aspect Ratio</source>
        <translation>Proporção</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>Rotação</translation>
    </message>
    <message>
        <source>Calibrate</source>
        <translation>Calibrar</translation>
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
        <source>pixels</source>
        <translation>pixels</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todas</translation>
    </message>
    <message>
        <source>Configuration saved</source>
        <translation>Configuração salva</translation>
    </message>
    <message>
        <source>Calibration failed: the pen missed the marks</source>
        <translation>Calibração falhou: toques fora das marcas</translation>
    </message>
</context>
</TS>
