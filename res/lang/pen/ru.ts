<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en_US">
<context>
    <name>VActionSelectDlg</name>
    <message>
        <source>Keyboard</source>
        <translation>Клавиатура</translation>
    </message>
    <message>
        <source>Text Mode</source>
        <translation>Режим текста</translation>
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
        <source>Application Path</source>
        <translation>Путь к приложению</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Обзор</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Мультимедиа</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Ничего</translation>
    </message>
    <message>
        <source>Do not perform any action</source>
        <translation>Не выполнять никаких действий</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Очистить всё</translation>
    </message>
    <message>
        <source>Enter a shortcut key (e.g., Ctrl+Z):</source>
        <translation>Введите сочетание клавиш (напр. Ctrl+Z):</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Переключение</translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Левый щелчок</translation>
    </message>
    <message>
        <source>Middle Click</source>
        <translation>Средний щелчок</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Правый щелчок</translation>
    </message>
    <message>
        <source>Left Double Click</source>
        <translation>Двойной левый щелчок</translation>
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
        <translation>Браузер: домашняя</translation>
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
        <translation>Без звука</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>Громкость -</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>Громкость +</translation>
    </message>
</context>
<context>
    <name>VHotkeyOptionDlg</name>
    <message>
        <source>More Options</source>
        <translation>Дополнительно</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Приложение</translation>
    </message>
    <message>
        <source>Hotkey specifies the application</source>
        <translation>Свои клавиши для каждого приложения</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Клавиши</translation>
    </message>
    <message>
        <source>Use the tablet keys </source>
        <translation>Использовать клавиши планшета</translation>
    </message>
    <message>
        <source>Dial</source>
        <translation>Диск</translation>
    </message>
    <message>
        <source>Use the tablet dial</source>
        <translation>Использовать диск планшета</translation>
    </message>
    <message>
        <source>Dial Sensitivity</source>
        <translation>Чувствительность диска</translation>
    </message>
    <message>
        <source>Adjust Sensitivity of the Dial on the Tablet</source>
        <translation>Настроить чувствительность диска</translation>
    </message>
    <message>
        <source>Touch</source>
        <translation>Сенсор</translation>
    </message>
    <message>
        <source>Use the tablet touch</source>
        <translation>Использовать сенсор планшета</translation>
    </message>
</context>
<context>
    <name>VMappingOptionDlg</name>
    <message>
        <source>More Options</source>
        <translation>Дополнительно</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>Поворот</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Экран</translation>
    </message>
    <message>
        <source>Screen Identify</source>
        <translation>Определить экраны</translation>
    </message>
    <message>
        <source>Detect and identify screens</source>
        <translation>Найти и пронумеровать экраны</translation>
    </message>
    <message>
        <source>Color Temperature</source>
        <translation>Цветовая температура</translation>
    </message>
    <message>
        <source>Adjust screen color</source>
        <translation>Настроить цвета экрана</translation>
    </message>
    <message>
        <source>The target screen is not supported</source>
        <translation>Этот экран не поддерживается</translation>
    </message>
</context>
<context>
    <name>VPenOptionDlg</name>
    <message>
        <source>More Options</source>
        <translation>Дополнительно</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Приложение</translation>
    </message>
    <message>
        <source>Hotkey specifies the application</source>
        <translation>Свои клавиши для каждого приложения</translation>
    </message>
    <message>
        <source>Pressure Curve</source>
        <translation>Кривая нажима</translation>
    </message>
    <message>
        <source>Use the pressure curve panel</source>
        <translation>Использовать кривую нажима</translation>
    </message>
    <message>
        <source>FPS Game Support</source>
        <translation>Поддержка FPS-игр</translation>
    </message>
    <message>
        <source>Only available in mouse mode on Windows</source>
        <translation>Только в режиме мыши в Windows</translation>
    </message>
</context>
</TS>
