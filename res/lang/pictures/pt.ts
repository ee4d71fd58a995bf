<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en_US">
<context>
    <name>VMacAccessibilityBanner</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
    <message>
        <source>The driver may not function properly, and you need to correctly configure the driver permissions.</source>
        <translation>O driver pode não funcionar corretamente: é necessário configurar corretamente as permissões do driver.</translation>
    </message>
    <message>
        <source>Accessibility</source>
        <translation>Acessibilidade</translation>
    </message>
    <message>
        <source>Screen Recording</source>
        <translation>Gravação de Tela</translation>
    </message>
</context>
</TS>
