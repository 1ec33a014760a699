<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en_US">
<context>
    <name>DeletePrompt</name>
    <message>
        <source>Delete this setting.</source>
        <translation>Удалить этот монитор?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>DeskChecks</name>
    <message>
        <source>No data to be saved.</source>
        <translation>Нет данных для сохранения.</translation>
    </message>
    <message>
        <source>No data to be upload.</source>
        <translation>Нет данных для передачи.</translation>
    </message>
</context>
<context>
    <name>EditorTopBar</name>
    <message>
        <source>Home Page</source>
        <translation>Главная</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Do you want to save the change? If yes, please save the configuration before leaving.</source>
        <translation>Сохранить изменения? Если да, сохраните конфигурацию перед выходом.</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>Главная</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Are you sure you want to create a new list without saving?</source>
        <translation>Создать новую схему без сохранения?</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Are you sure you want to load a file without saving?</source>
        <translation>Загрузить файл без сохранения?</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Загрузить</translation>
    </message>
    <message>
        <source>Save Profle</source>
        <translation>Сохранение профиля</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Сохранить как</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>Файл %1 уже существует. Заменить его?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Заменить</translation>
    </message>
    <message>
        <source>Save successfully.</source>
        <translation>Сохранено.</translation>
    </message>
    <message>
        <source>Failed to save data.</source>
        <translation>Не удалось сохранить данные.</translation>
    </message>
    <message>
        <source>Select a file</source>
        <translation>Выбор файла</translation>
    </message>
    <message>
        <source>List Files (*.km)</source>
        <translation>Файлы схем (*.km)</translation>
    </message>
    <message>
        <source>Input the file name</source>
        <translation>Введите имя файла</translation>
    </message>
</context>
<context>
    <name>FootControl</name>
    <message>
        <source>Copyright © 2026 %1 Peripheral Systems Co., Ltd. All rights reserved.</source>
        <translation>Copyright © 2026 %1 Peripheral Systems Co., Ltd. Все права защищены.</translation>
    </message>
</context>
<context>
    <name>GridCell</name>
    <message>
        <source>No resolution</source>
        <translation>Разрешение не задано</translation>
    </message>
</context>
<context>
    <name>GridCursor</name>
    <message>
        <source>Row %1, column %2</source>
        <translation>Строка %1, столбец %2</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>пусто</translation>
    </message>
    <message>
        <source>monitor %1</source>
        <translation>монитор %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>marked by the check</source>
        <translation>отмечен проверкой</translation>
    </message>
</context>
<context>
    <name>HeadControl</name>
    <message>
        <source>Seamrun Switching Configuration Utility</source>
        <translation>Программа настройки переключения Seamrun</translation>
    </message>
</context>
<context>
    <name>LayoutPage</name>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>OpenFileDialog</name>
    <message>
        <source>Select a file</source>
        <translation>Выбор файла</translation>
    </message>
    <message>
        <source>List Files (*.km)</source>
        <translation>Файлы схем (*.km)</translation>
    </message>
</context>
<context>
    <name>ResolutionChoices</name>
    <message>
        <source>Select Resolution</source>
        <translation>Выберите разрешение</translation>
    </message>
</context>
<context>
    <name>ScreensCommand</name>
    <message>
        <source>Reading this computer&apos;s port from the switch…</source>
        <translation>Порт этого компьютера считывается с переключателя…</translation>
    </message>
    <message>
        <source>This computer&apos;s screens</source>
        <translation>Экраны этого компьютера</translation>
    </message>
    <message>
        <source>%1 has monitors on the desk already. Replace them with this computer&apos;s screens?</source>
        <translation>На %1 уже есть мониторы. Заменить их экранами этого компьютера?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Заменить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>This computer&apos;s screens do not fit: a desk holds at most 16 monitors.</source>
        <translation>Экраны этого компьютера не помещаются: не более 16 мониторов.</translation>
    </message>
    <message>
        <source>There is no free area on the grid for this computer&apos;s screens.</source>
        <translation>На сетке нет свободного места для экранов этого компьютера.</translation>
    </message>
    <message>
        <source>Choose the port and resolution of every monitor first.</source>
        <translation>Сначала выберите порт и разрешение каждого монитора.</translation>
    </message>
    <message>
        <source>The desktop reports no screens.</source>
        <translation>Рабочий стол не сообщает ни одного экрана.</translation>
    </message>
    <message>
        <source>This computer&apos;s screens could not be placed.</source>
        <translation>Не удалось разместить экраны этого компьютера.</translation>
    </message>
</context>
<context>
    <name>SettingsFrame</name>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>SidePanel</name>
    <message>
        <source>Ratio</source>
        <translation>Масштаб</translation>
    </message>
    <message>
        <source>Screen Orientation</source>
        <translation>Ориентация</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Альбомная</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Книжная</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Разрешение</translation>
    </message>
    <message>
        <source>Status List</source>
        <translation>Состояние портов</translation>
    </message>
    <message>
        <source>Primary</source>
        <translation>Основной</translation>
    </message>
    <message>
        <source>Secondary</source>
        <translation>Дополнительный</translation>
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
        <source>Save to local</source>
        <translation>Сохранить локально</translation>
    </message>
    <message>
        <source>Save to device</source>
        <translation>Записать в устройство</translation>
    </message>
</context>
<context>
    <name>SwitchStatusLine</name>
    <message>
        <source>Connected</source>
        <translation>Подключено</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Не подключено</translation>
    </message>
    <message>
        <source>Firmware %1</source>
        <translation>Прошивка %1</translation>
    </message>
    <message>
        <source>1 switch</source>
        <translation>1 переключатель</translation>
    </message>
    <message>
        <source>2 switches chained</source>
        <translation>2 переключателя в цепочке</translation>
    </message>
    <message>
        <source>No access: udev rule missing</source>
        <translation>Нет доступа: нет правила udev</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>TemplatePage</name>
    <message>
        <source>Add blank canvas</source>
        <translation>Добавить пустой холст</translation>
    </message>
    <message>
        <source>Select Template</source>
        <translation>Выбор шаблона</translation>
    </message>
</context>
<context>
    <name>Theme</name>
    <message>
        <source>Arial</source>
        <comment>font families of this language, first installed wins</comment>
        <translation>Arial</translation>
    </message>
</context>
<context>
    <name>UploadFlow</name>
    <message>
        <source>Failed to upload data.</source>
        <translation>Не удалось передать данные.</translation>
    </message>
    <message>
        <source>To save and apply the layout configuration to OrrinKM, please connect your computer to the Primary OrrinKM device.</source>
        <translation>Чтобы сохранить и применить схему в OrrinKM, подключите компьютер к основному переключателю OrrinKM.</translation>
    </message>
    <message>
        <source>Save failed!</source>
        <translation>Ошибка сохранения</translation>
    </message>
    <message>
        <source>Only one OrrinKM is connected. We save port 1-4 monitor layout only. Do you want to continue?</source>
        <translation>Подключён только один OrrinKM. Будет сохранена только схема мониторов портов 1-4. Продолжить?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Продолжить</translation>
    </message>
    <message>
        <source>Only one OrrinKM is connected. Please set port number between P1 to P4.</source>
        <translation>Подключён только один OrrinKM. Используйте только порты с P1 по P4.</translation>
    </message>
    <message>
        <source>Save to device successfully.</source>
        <translation>Записано в устройство.</translation>
    </message>
    <message>
        <source>The extended desktop driver ap is running. Please close it and upload again.</source>
        <translation>Запущен драйвер расширенного рабочего стола. Закройте его и повторите передачу.</translation>
    </message>
</context>
<context>
    <name>about_control</name>
    <message>
        <source>Seamrun Switching Configuration Utility</source>
        <translation>Программа настройки переключения Seamrun</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версия</translation>
    </message>
    <message>
        <source>www.vesko-peripherals.com</source>
        <translation>www.vesko-peripherals.com</translation>
    </message>
    <message>
        <source>Vesko Peripheral Systems Co., Ltd.</source>
        <translation>Vesko Peripheral Systems Co., Ltd.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>alert_dialog_control</name>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>aprunned</name>
    <message>
        <source>Seamrun Switching Configuration Utility</source>
        <translation>Программа настройки переключения Seamrun</translation>
    </message>
    <message>
        <source>AP is running.</source>
        <translation>Программа уже запущена.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>edit_page_error1</name>
    <message>
        <source>File can not be saved</source>
        <translation>Не удаётся сохранить файл</translation>
    </message>
    <message>
        <source>Current configuration of @ is not set in a rectangular shape. Please adjust it and save again.</source>
        <translation>Текущая конфигурация @ не образует прямоугольник. Исправьте её и сохраните снова.</translation>
    </message>
</context>
<context>
    <name>edit_page_error2</name>
    <message>
        <source>File can not be saved</source>
        <translation>Не удаётся сохранить файл</translation>
    </message>
    <message>
        <source>Current configuration contains blank area among the blocks. Please adjust it and save again.</source>
        <translation>В текущей конфигурации между мониторами есть пустые места. Исправьте её и сохраните снова.</translation>
    </message>
</context>
<context>
    <name>edit_page_error3</name>
    <message>
        <source>File can not be saved</source>
        <translation>Не удаётся сохранить файл</translation>
    </message>
    <message>
        <source>Screens that configured to @ are not set in the same resolution. Please adjust it and save again.</source>
        <translation>Мониторы, назначенные на @, имеют разное разрешение. Исправьте это и сохраните снова.</translation>
    </message>
</context>
<context>
    <name>edit_page_tutorial</name>
    <message>
        <source>Tutorial</source>
        <translation>Инструкция</translation>
    </message>
    <message>
        <source>Reminder: The configuration of particular port is required to set in a rectangular shape.</source>
        <translation>Напоминание: мониторы одного порта должны образовывать прямоугольник.</translation>
    </message>
    <message>
        <source>The layout of P1 is not in a rectangular shape.</source>
        <translation>Схема P1 не образует прямоугольник.</translation>
    </message>
    <message>
        <source>The layout of P1 is divided into two separate rectangles.</source>
        <translation>Схема P1 разделена на два отдельных прямоугольника.</translation>
    </message>
    <message>
        <source>Don&apos;t show this again.</source>
        <translation>Больше не показывать</translation>
    </message>
</context>
<context>
    <name>foreword</name>
    <message>
        <source>Seamrun Switching Configuration Utility</source>
        <translation>Программа настройки переключения Seamrun</translation>
    </message>
    <message>
        <source>We recommend video resolution should not be less than 1440 x 900.</source>
        <translation>Рекомендуется разрешение экрана не ниже 1440 x 900.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>frame_setting</name>
    <message>
        <source>Seamrun Switching Focus</source>
        <translation>Фокус переключения Seamrun</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Длительность</translation>
    </message>
    <message>
        <source>3 Seconds</source>
        <translation>3 секунды</translation>
    </message>
    <message>
        <source>5 Seconds</source>
        <translation>5 секунд</translation>
    </message>
    <message>
        <source>10 Seconds</source>
        <translation>10 секунд</translation>
    </message>
    <message>
        <source>Always</source>
        <translation>Всегда</translation>
    </message>
</context>
<context>
    <name>keep_awake_option</name>
    <message>
        <source>Keep Awake Option</source>
        <translation>Запрет спящего режима</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>When Working</source>
        <translation>Во время работы</translation>
    </message>
    <message>
        <source>Always</source>
        <translation>Всегда</translation>
    </message>
</context>
<context>
    <name>key_help</name>
    <message>
        <source>On the grid</source>
        <translation>На сетке</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>Стрелки</translation>
    </message>
    <message>
        <source>Move the cursor over the grid.</source>
        <translation>Перемещает курсор по сетке.</translation>
    </message>
    <message>
        <source>Enter, Space</source>
        <translation>Enter, Пробел</translation>
    </message>
    <message>
        <source>Press the cell: place a monitor there, or select the monitor on it.</source>
        <translation>Нажимает ячейку: ставит в неё монитор или выбирает стоящий в ней монитор.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Ask to delete the monitor under the cursor.</source>
        <translation>Спрашивает, удалить ли монитор под курсором.</translation>
    </message>
    <message>
        <source>Set the port of the monitor under the cursor.</source>
        <translation>Задаёт порт монитора под курсором.</translation>
    </message>
    <message>
        <source>Open the port list of the monitor under the cursor.</source>
        <translation>Открывает список портов монитора под курсором.</translation>
    </message>
    <message>
        <source>Open the number list of the monitor under the cursor, when its port has more than one monitor.</source>
        <translation>Открывает список номеров монитора под курсором, если у его порта больше одного монитора.</translation>
    </message>
    <message>
        <source>Up, Down, Enter</source>
        <translation>Вверх, Вниз, Enter</translation>
    </message>
    <message>
        <source>In an open list: choose an entry and take it.</source>
        <translation>В открытом списке: выбрать пункт и применить его.</translation>
    </message>
    <message>
        <source>Go to the resolution list.</source>
        <translation>Переходит к списку разрешений.</translation>
    </message>
    <message>
        <source>Move the monitor under the cursor to the next cell.</source>
        <translation>Перемещает монитор под курсором в соседнюю ячейку.</translation>
    </message>
    <message>
        <source>Undo the last change.</source>
        <translation>Отменяет последнее изменение.</translation>
    </message>
    <message>
        <source>Redo the change undone last.</source>
        <translation>Повторяет последнее отменённое изменение.</translation>
    </message>
    <message>
        <source>Show this list of keys.</source>
        <translation>Показывает этот список клавиш.</translation>
    </message>
    <message>
        <source>Everywhere</source>
        <translation>Везде</translation>
    </message>
    <message>
        <source>Move between the grid, the side panel and the top bar; in a dialog, between its controls.</source>
        <translation>Переход между сеткой, боковой панелью и верхней панелью; в диалоге — между его элементами.</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Close an open list or dialog; from the resolution list, go back to the grid.</source>
        <translation>Закрывает открытый список или диалог; из списка разрешений возвращает к сетке.</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Файлы</translation>
    </message>
    <message>
        <source>Start a new layout.</source>
        <translation>Создаёт новую схему.</translation>
    </message>
    <message>
        <source>Open a layout file.</source>
        <translation>Открывает файл схемы.</translation>
    </message>
    <message>
        <source>Save the layout to a file (in the editor).</source>
        <translation>Сохраняет схему в файл (в редакторе).</translation>
    </message>
    <message>
        <source>Save the layout under a new name (in the editor).</source>
        <translation>Сохраняет схему под новым именем (в редакторе).</translation>
    </message>
    <message>
        <source>Quit the program.</source>
        <translation>Завершает работу программы.</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Клавиатура</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>%1+arrow keys</source>
        <extracomment>%1 is the Ctrl key as the language names it (Strg in German)</extracomment>
        <translation>%1+стрелки</translation>
    </message>
    <message>
        <source>Place this computer&apos;s screens on its port (in the editor).</source>
        <translation>Размещает экраны этого компьютера на его порту (в редакторе).</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Seamrun Switching Configuration Utility</source>
        <translation>Программа настройки переключения Seamrun</translation>
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
        <source>The file is invalid.</source>
        <translation>Недопустимый файл.</translation>
    </message>
    <message>
        <source>Do you want to quit?</source>
        <translation>Выйти из программы?</translation>
    </message>
    <message>
        <source>Do you want to save the change? If yes, please save the configuration before leaving.</source>
        <translation>Сохранить изменения? Если да, сохраните конфигурацию перед выходом.</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Before using Seamrun Switching, please turn off mouse acceleration in the operating system.</source>
        <translation>Перед использованием переключения Seamrun отключите ускорение мыши в операционной системе.</translation>
    </message>
    <message>
        <source>KM Switch Device</source>
        <translation>KM-переключатель</translation>
    </message>
    <message>
        <source>OrrinKM</source>
        <translation>OrrinKM</translation>
    </message>
    <message>
        <source>Load from file</source>
        <translation>Загрузка из файла</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Open recent file</source>
        <translation>Недавние файлы</translation>
    </message>
    <message>
        <source>Language setting</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Select Template</source>
        <translation>Выбор шаблона</translation>
    </message>
    <message>
        <source>The file no longer exists. It has been removed from the recent files.</source>
        <translation>Файл больше не существует. Он удалён из списка недавних файлов.</translation>
    </message>
    <message>
        <source>Enter opens the chosen file, Delete removes it from the list.</source>
        <translation>Enter открывает выбранный файл, Delete удаляет его из списка.</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>не найден</translation>
    </message>
    <message>
        <source>Remove from the list</source>
        <translation>Удалить из списка</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A list and one more item, as in &quot;P1, P2&quot;</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A label and its value, as in &quot;Language setting: Deutsch&quot;</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 %2 at row %3, column %4</source>
        <extracomment>A monitor a failed check points at: port, monitor number, row, column</extracomment>
        <translation>%1 %2 в строке %3, столбце %4</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>A list of monitors and one more, as in &quot;P1 01 at row 2, column 3; P1 02 at row 2, column 5&quot;</extracomment>
        <translation>%1; %2</translation>
    </message>
</context>
<context>
    <name>mainWidget</name>
    <message>
        <source>Template</source>
        <translation>Шаблон</translation>
    </message>
    <message>
        <source>New Object</source>
        <translation>Новая схема</translation>
    </message>
</context>
<context>
    <name>menu</name>
    <message>
        <source>New</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>Load File</source>
        <translation>Загрузить файл</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Сохранить как</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>This computer&apos;s screens</source>
        <translation>Экраны этого компьютера</translation>
    </message>
</context>
<context>
    <name>mouse_menu</name>
    <message>
        <source>Mouse Acceleration</source>
        <translation>Ускорение мыши</translation>
    </message>
    <message>
        <source>Mouse Position</source>
        <translation>Положение мыши</translation>
    </message>
    <message>
        <source>Seamrun Switching Focus</source>
        <translation>Фокус переключения Seamrun</translation>
    </message>
    <message>
        <source>Keep Awake Option</source>
        <translation>Запрет спящего режима</translation>
    </message>
</context>
<context>
    <name>mouse_position_setting</name>
    <message>
        <source>Mouse position</source>
        <translation>Положение мыши</translation>
    </message>
    <message>
        <source>Upper left</source>
        <translation>Вверху слева</translation>
    </message>
    <message>
        <source>Upper right</source>
        <translation>Вверху справа</translation>
    </message>
    <message>
        <source>Lower left</source>
        <translation>Внизу слева</translation>
    </message>
    <message>
        <source>Lower right</source>
        <translation>Внизу справа</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>В центре</translation>
    </message>
</context>
<context>
    <name>mouse_speed_setting</name>
    <message>
        <source>Mouse Acceleration</source>
        <translation>Ускорение мыши</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Медленно</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Быстро</translation>
    </message>
</context>
<context>
    <name>port_question</name>
    <message>
        <source>This computer&apos;s screens</source>
        <translation>Экраны этого компьютера</translation>
    </message>
    <message>
        <source>No switch answered. Which port is this computer on?</source>
        <translation>Переключатель не ответил. К какому порту подключён этот компьютер?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>selectDialog</name>
    <message>
        <source>Please select a resolution.</source>
        <translation>Выберите разрешение.</translation>
    </message>
    <message>
        <source>Please select a number.</source>
        <translation>Выберите номер порта.</translation>
    </message>
    <message>
        <source>Select Resolution</source>
        <translation>Выберите разрешение</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>template_config</name>
    <message>
        <source>Template</source>
        <translation>Шаблон</translation>
    </message>
    <message>
        <source>Select Configuration</source>
        <translation>Выбор конфигурации</translation>
    </message>
    <message>
        <source>The system will apply the settings to all PC port.</source>
        <translation>Настройки будут применены ко всем портам ПК.</translation>
    </message>
    <message>
        <source>View other layout</source>
        <translation>Другие схемы</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Создать</translation>
    </message>
</context>
<context>
    <name>uploadKvm</name>
    <message>
        <source>The extended desktop driver ap is running. Please close it and upload again.</source>
        <translation>Запущен драйвер расширенного рабочего стола. Закройте его и повторите передачу.</translation>
    </message>
    <message>
        <source>Device connection is not ready, Please try again.</source>
        <translation>Устройство не готово к подключению. Повторите попытку.</translation>
    </message>
    <message>
        <source>Please check connection before saving to device.</source>
        <translation>Перед записью в устройство проверьте подключение.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Далее</translation>
    </message>
    <message>
        <source>This user may not open the switch: install its udev rule (see Troubleshooting in the README), then unplug the switch and plug it in again.</source>
        <translation>У этого пользователя нет права открывать переключатель: установите его правило udev (см. раздел «Troubleshooting» в README), затем отключите переключатель и подключите его снова.</translation>
    </message>
</context>
</TS>
