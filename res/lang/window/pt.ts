<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en_US">
<context>
    <name>MainWindow</name>
    <message>
        <source>Pen Tablet</source>
        <translation>Mesa digitalizadora</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>Caneta</translation>
    </message>
    <message>
        <source>Hot Key</source>
        <translation>Teclas de atalho</translation>
    </message>
    <message>
        <source>Mapping</source>
        <translation>Mapeamento</translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation>Mostrar janela</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Tablet Driver</source>
        <translation>Driver da mesa digitalizadora</translation>
    </message>
    <message>
        <source>This driver does not know the model &quot;%1&quot;: its settings cannot be shown or changed here.</source>
        <translation>Este driver não conhece o modelo “%1”: as configurações dele não podem ser mostradas nem alteradas aqui.</translation>
    </message>
</context>
<context>
    <name>VHotkeyPanel</name>
    <message>
        <source>All Applications</source>
        <translation>Todos os aplicativos</translation>
    </message>
    <message>
        <source>Edit Options...</source>
        <translation>Editar opções...</translation>
    </message>
</context>
<context>
    <name>VNotDetectedDlg</name>
    <message>
        <source>ZELVO Pen Tablet</source>
        <translation>Mesa digitalizadora ZELVO</translation>
    </message>
    <message>
        <source>No available device detected, please check if the device USB cable is connected.</source>
        <translation>Nenhum dispositivo disponível detectado. Verifique se o cabo USB do dispositivo está conectado.</translation>
    </message>
</context>
<context>
    <name>VTitleBar</name>
    <message>
        <source>max</source>
        <translation>Maximizar</translation>
    </message>
    <message>
        <source>set</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>min</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>X</source>
        <translation>×</translation>
    </message>
    <message>
        <source>thumbtack</source>
        <translation>Fixar</translation>
    </message>
</context>
</TS>
