<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en_US">
<context>
    <name>TabletLanguage</name>
    <message>
        <source>Zoom In</source>
        <translation>Увеличить</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Уменьшить</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Brush</source>
        <translation>Кисть</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Ластик</translation>
    </message>
    <message>
        <source>Hand Tool</source>
        <translation>Инструмент «Рука»</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>Перо</translation>
    </message>
    <message>
        <source>Wheel Up</source>
        <translation>Колесо вверх</translation>
    </message>
    <message>
        <source>Wheel Down</source>
        <translation>Колесо вниз</translation>
    </message>
    <message>
        <source>Pen/Eraser</source>
        <translation>Перо/ластик</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Щелчок правой кнопкой</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Клавиатура</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Мышь</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Устройство</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Приложение</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Мультимедиа</translation>
    </message>
    <message>
        <source>Change Dial Action</source>
        <translation>Сменить действие диска</translation>
    </message>
    <message>
        <source>Smaller Brush</source>
        <translation>Уменьшить кисть</translation>
    </message>
    <message>
        <source>Larger Brush</source>
        <translation>Увеличить кисть</translation>
    </message>
    <message>
        <source>Pan</source>
        <translation>Панорамирование</translation>
    </message>
    <message>
        <source>Middle Click</source>
        <translation>Щелчок средней кнопкой</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Switch Monitor</source>
        <translation>Сменить монитор</translation>
    </message>
    <message>
        <source>Eyedropper</source>
        <translation>Пипетка</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Выделить всё</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Вырезать</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>Hide Panels</source>
        <translation>Скрыть панели</translation>
    </message>
    <message>
        <source>Tool Cycle</source>
        <translation>Смена инструмента</translation>
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
        <translation>Предыдущий трек</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Воспроизведение/пауза</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>Следующий трек</translation>
    </message>
    <message>
        <source>Volume Mute</source>
        <translation>Выключить звук</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>Громкость -</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>Громкость +</translation>
    </message>
    <message>
        <source>Browser Back</source>
        <translation>Браузер: назад</translation>
    </message>
    <message>
        <source>Browser Forward</source>
        <translation>Браузер: вперёд</translation>
    </message>
    <message>
        <source>Browser Home</source>
        <translation>Браузер: домашняя страница</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Калькулятор</translation>
    </message>
</context>
<context>
    <name>TabletExecAction</name>
    <message>
        <source>Execute</source>
        <translation>Выполнить</translation>
    </message>
</context>
<context>
    <name>TabletKeyboardAction</name>
    <message>
        <source>Invalid</source>
        <translation>Недопустимо</translation>
    </message>
</context>
<context>
    <name>TabletMediaAction</name>
    <message>
        <source>Browser Back</source>
        <translation>Браузер: назад</translation>
    </message>
    <message>
        <source>Browser Forward</source>
        <translation>Браузер: вперёд</translation>
    </message>
    <message>
        <source>Browser Refresh</source>
        <translation>Браузер: обновить</translation>
    </message>
    <message>
        <source>Browser Home</source>
        <translation>Браузер: домашняя страница</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation>Предыдущий трек</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>Следующий трек</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Воспроизведение/пауза</translation>
    </message>
    <message>
        <source>Volume Mute</source>
        <translation>Выключить звук</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>Громкость -</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>Громкость +</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Неизвестно</translation>
    </message>
</context>
<context>
    <name>TabletMiscAction</name>
    <message>
        <source>Switch Monitor</source>
        <translation>Сменить монитор</translation>
    </message>
    <message>
        <source>Pen/Eraser</source>
        <translation>Перо/ластик</translation>
    </message>
    <message>
        <source>Custom Tool</source>
        <translation>Свой инструмент</translation>
    </message>
    <message>
        <source>Change Dial Action</source>
        <translation>Сменить действие диска</translation>
    </message>
</context>
<context>
    <name>TabletMouseAction</name>
    <message>
        <source>Left Click</source>
        <translation>Щелчок левой кнопкой</translation>
    </message>
    <message>
        <source>Middle Click</source>
        <translation>Щелчок средней кнопкой</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Щелчок правой кнопкой</translation>
    </message>
    <message>
        <source>Left Double Click</source>
        <translation>Двойной щелчок левой кнопкой</translation>
    </message>
    <message>
        <source>Wheel Up</source>
        <translation>Колесо вверх</translation>
    </message>
    <message>
        <source>Wheel Down</source>
        <translation>Колесо вниз</translation>
    </message>
    <message>
        <source>Ctrl + Wheel Up</source>
        <translation>Ctrl + колесо вверх</translation>
    </message>
    <message>
        <source>Ctrl + Wheel Down</source>
        <translation>Ctrl + колесо вниз</translation>
    </message>
    <message>
        <source>Undefined</source>
        <translation>Не задано</translation>
    </message>
</context>
<context>
    <name>ThirdPartyProfiles</name>
    <message>
        <source>Pen</source>
        <translation>Перо</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Ластик</translation>
    </message>
</context>
</TS>
