<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Form1</name>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Категории</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Shortcuts To Applications, Folders, URLs or E-mail Addresses</source>
        <translation>Ярлыки приложений, папок, веб-адресов и адресов электронной почты</translation>
    </message>
    <message>
        <source>Launch Selected (Ctrl+L)</source>
        <translation>Запустить выбранное (Ctrl+L)</translation>
    </message>
    <message>
        <source>Add Shortcut By EXE</source>
        <translation>Добавить программу</translation>
    </message>
    <message>
        <source>Add Shortcut By .lnk</source>
        <translation>Добавить из значка запуска</translation>
    </message>
    <message>
        <source>Delete Selected</source>
        <translation>Удалить выбранное</translation>
    </message>
    <message>
        <source>Edit Selected</source>
        <translation>Изменить выбранное</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Описание</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Add Group</source>
        <translation>Добавить группу</translation>
    </message>
    <message>
        <source>Group Name:</source>
        <translation>Название группы:</translation>
    </message>
    <message>
        <source>Group Name</source>
        <translation>Название группы</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Описание:</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Описание</translation>
    </message>
    <message>
        <source>Background Image:</source>
        <translation>Фоновое изображение:</translation>
    </message>
    <message>
        <source>Background Image</source>
        <translation>Фоновое изображение</translation>
    </message>
    <message>
        <source>...</source>
        <translation>…</translation>
    </message>
    <message>
        <source>Select Background Image</source>
        <translation>Выбор фонового изображения</translation>
    </message>
    <message>
        <source>Group Text Color:</source>
        <translation>Цвет текста группы:</translation>
    </message>
    <message>
        <source>Group Text Color</source>
        <translation>Цвет текста группы</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Выбрать цвет</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Add Shortcut</source>
        <translation>Добавить ярлык</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Папка</translation>
    </message>
    <message>
        <source>Shortcut type</source>
        <translation>Тип ярлыка</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Приложение</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>Почта</translation>
    </message>
    <message>
        <source>Caption:</source>
        <translation>Подпись:</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Подпись</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Описание:</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Описание</translation>
    </message>
    <message>
        <source>Folder Path:</source>
        <translation>Путь к папке:</translation>
    </message>
    <message>
        <source>Folder Path</source>
        <translation>Путь к папке</translation>
    </message>
    <message>
        <source>...</source>
        <translation>…</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Обзор</translation>
    </message>
    <message>
        <source>Application Parameters:</source>
        <translation>Параметры приложения:</translation>
    </message>
    <message>
        <source>Application Parameters</source>
        <translation>Параметры приложения</translation>
    </message>
    <message>
        <source>Open As:</source>
        <translation>Открывать:</translation>
    </message>
    <message>
        <source>Open As</source>
        <translation>Открывать</translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation>Цвет шрифта</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Выбрать цвет</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>Add Shortcut</source>
        <translation>Добавить ярлык</translation>
    </message>
    <message>
        <source>Caption:</source>
        <translation>Подпись:</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Подпись</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Описание:</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Описание</translation>
    </message>
    <message>
        <source>Folder Path:</source>
        <translation>Путь к папке:</translation>
    </message>
    <message>
        <source>Folder Path</source>
        <translation>Путь к папке</translation>
    </message>
    <message>
        <source>...</source>
        <translation>…</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Обзор</translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation>Цвет шрифта</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Выбрать цвет</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>Vantory</name>
    <message>
        <source>Select Application Shortcut File</source>
        <translation>Выбор значка запуска</translation>
    </message>
    <message>
        <source>Application Shortcut Files (*.lnk)|*.lnk|</source>
        <translation>Значки запуска (*.lnk)|*.lnk|</translation>
    </message>
    <message>
        <source>Please select Categories</source>
        <translation>Выберите категорию.</translation>
    </message>
    <message>
        <source>You must select a group first to add.</source>
        <translation>Сначала выберите группу, в которую нужно добавить.</translation>
    </message>
    <message>
        <source>Cannot add in the root group.</source>
        <translation>В корневую группу добавлять нельзя.</translation>
    </message>
    <message>
        <source>You must select a group first to delete item.</source>
        <translation>Сначала выберите группу, чтобы удалить из неё элемент.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1?</source>
        <translation>Действительно удалить «%1»?</translation>
    </message>
    <message>
        <source>Delete Application</source>
        <translation>Удаление ярлыка</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>В обычном окне</translation>
    </message>
    <message>
        <source>Minimized</source>
        <translation>Свёрнутым</translation>
    </message>
    <message>
        <source>Maximized</source>
        <translation>Развёрнутым</translation>
    </message>
    <message>
        <source>Folder Path:</source>
        <translation>Путь к папке:</translation>
    </message>
    <message>
        <source>File Path:</source>
        <translation>Путь к файлу:</translation>
    </message>
    <message>
        <source>URL Address:</source>
        <translation>Веб-адрес:</translation>
    </message>
    <message>
        <source>Email Address:</source>
        <translation>Адрес эл. почты:</translation>
    </message>
    <message>
        <source>Save Folder</source>
        <translation>Выбор папки</translation>
    </message>
    <message>
        <source>Select Application File</source>
        <translation>Выбор файла приложения</translation>
    </message>
    <message>
        <source>Application Files (*.exe)|*.exe|</source>
        <translation>Приложения (*.exe)|*.exe|</translation>
    </message>
    <message>
        <source>Field input too long.</source>
        <translation>Введённый текст слишком длинный.</translation>
    </message>
    <message>
        <source>Please enter Caption</source>
        <translation>Введите подпись.</translation>
    </message>
    <message>
        <source>Please enter Folder Path</source>
        <translation>Введите путь к папке.</translation>
    </message>
    <message>
        <source>Please do not use quote marks.</source>
        <translation>Не используйте кавычки и апострофы.</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Edit Shortcut</source>
        <translation>Изменение ярлыка</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Выбрать цвет</translation>
    </message>
    <message>
        <source>Caption already exists in [%1] group.</source>
        <translation>Такая подпись уже есть в группе [%1].</translation>
    </message>
    <message>
        <source>Caption already exists.</source>
        <translation>Такая подпись уже есть.</translation>
    </message>
    <message>
        <source>Always launch this entry</source>
        <translation>Всегда запускать этот значок</translation>
    </message>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation>Не удалось создать папку %1.</translation>
    </message>
    <message>
        <source>The file %1 already exists.</source>
        <translation>Файл %1 уже существует.</translation>
    </message>
    <message>
        <source>The file %1 could not be copied to %2: %3</source>
        <translation>Не удалось скопировать файл %1 в %2: %3</translation>
    </message>
    <message>
        <source>The file %1 could not be read: %2</source>
        <translation>Не удалось прочитать файл %1: %2</translation>
    </message>
    <message>
        <source>The file or folder &quot;%1&quot; could not be found.</source>
        <translation>Файл или папка «%1» не найдены.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid address.</source>
        <translation>«%1» — недопустимый адрес.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither a file nor a folder, so Vantory does not open it.</source>
        <translation>«%1» — не файл и не папка, поэтому Vantory не открывает это.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a program.</source>
        <translation>«%1» — папка, а не программа.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a program, not a web address, so Vantory does not start it.</source>
        <translation>«%1» — программа, а не веб-адрес, поэтому Vantory её не запускает.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names a file on another computer, so Vantory does not open it.</source>
        <translation>«%1» указывает на файл на другом компьютере, поэтому Vantory его не открывает.</translation>
    </message>
    <message>
        <source>Vantory does not start &quot;%1&quot; because its parameters cannot be split into arguments: %2</source>
        <translation>Vantory не запускает «%1», так как его параметры не удаётся разбить на аргументы: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web address. Vantory opens addresses that start with http, https or ftp.</source>
        <translation>«%1» — не веб-адрес. Vantory открывает адреса, начинающиеся с http, https или ftp.</translation>
    </message>
    <message>
        <source>There is nothing to open: no file, folder or address was given.</source>
        <translation>Открывать нечего: не указаны ни файл, ни папка, ни адрес.</translation>
    </message>
    <message>
        <source>Find a shortcut</source>
        <translation>Найти ярлык</translation>
    </message>
    <message>
        <source>Shortcuts found</source>
        <translation>Найденные ярлыки</translation>
    </message>
    <message>
        <source>No shortcut matches.</source>
        <translation>Подходящих ярлыков нет.</translation>
    </message>
    <message>
        <source>1 shortcut found</source>
        <translation>Найден 1 ярлык</translation>
    </message>
    <message>
        <source>%1 shortcuts found</source>
        <translation>Найдено ярлыков: %1</translation>
    </message>
    <message>
        <source>Database file does not exist. Please contact author for more info.</source>
        <translation>Файл базы данных не существует. За подробностями обратитесь к автору.</translation>
    </message>
    <message>
        <source>The catalogue %1 is not a regular file, so Vantory cannot open it. Move it out of the way and start Vantory again.</source>
        <translation>Каталог %1 — не обычный файл, поэтому Vantory не может его открыть. Переместите его в другое место и снова запустите Vantory.</translation>
    </message>
    <message>
        <source>Vantory could not back up the catalogue into %1.

%2

The catalogue itself is unchanged.</source>
        <translation>Vantory не удалось сохранить резервную копию каталога в %1.

%2

Сам каталог не изменён.</translation>
    </message>
    <message>
        <source>

Vantory shows what can still be read.

</source>
        <translation>

Vantory показывает то, что ещё удаётся прочитать.

</translation>
    </message>
    <message>
        <source>There is no sound backup of the catalogue in %1.</source>
        <translation>В %1 нет исправной резервной копии каталога.</translation>
    </message>
    <message>
        <source>The newest sound backup is %1.

Restore it now? The damaged catalogue is kept beside the backups.</source>
        <translation>Самая новая исправная резервная копия: %1.

Восстановить её сейчас? Повреждённый каталог будет сохранён рядом с резервными копиями.</translation>
    </message>
    <message>
        <source>The backup %1 has been restored.</source>
        <translation>Резервная копия %1 восстановлена.</translation>
    </message>
    <message>
        <source> The catalogue as it was is kept as %1.</source>
        <translation> Прежний каталог сохранён как %1.</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot;</source>
        <translation>Категория «%1»</translation>
    </message>
    <message>
        <source>The shortcut &quot;%1&quot; in &quot;%2&quot;</source>
        <translation>Ярлык «%1» в «%2»</translation>
    </message>
    <message>
        <source>%1, which was not readable text, is now &quot;%2&quot;.</source>
        <translation>%1 (не читаемый текст) теперь называется «%2».</translation>
    </message>
    <message>
        <source>%1 is now &quot;%2&quot;.</source>
        <translation>%1 теперь называется «%2».</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>… и ещё %1.</translation>
    </message>
    <message>
        <source>Some names in the catalogue could not be told apart, or were not readable text, so Vantory renamed them. The catalogue as it was is backed up as %1.

%2</source>
        <translation>Некоторые названия в каталоге невозможно было различить или они не были читаемым текстом, поэтому Vantory их переименовал. Прежний каталог сохранён как %1.

%2</translation>
    </message>
    <message>
        <source>Vantory could not rename the names in the catalogue that cannot be told apart.

%1

The catalogue is unchanged.</source>
        <translation>Vantory не удалось переименовать неразличимые названия в каталоге.

%1

Каталог не изменён.</translation>
    </message>
    <message>
        <source>in %1 at line %2</source>
        <translation>в %1 в строке %2</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>Отправьте снимок экрана с этим сообщением по адресу %1</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Непредвиденная ошибка</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Ошибка приложения</translation>
    </message>
    <message>
        <source>Red %1, green %2, blue %3</source>
        <translation>Красный %1, зелёный %2, синий %3</translation>
    </message>
    <message>
        <source>Group Name already exists.</source>
        <translation>Группа с таким названием уже есть.</translation>
    </message>
    <message>
        <source>Please input Group Name</source>
        <translation>Введите название группы.</translation>
    </message>
    <message>
        <source>You must select a group to edit.</source>
        <translation>Выберите группу, которую нужно изменить.</translation>
    </message>
    <message>
        <source>Cannot edit the selected root group</source>
        <translation>Корневую группу изменить нельзя.</translation>
    </message>
    <message>
        <source>You must select a group to delete.</source>
        <translation>Выберите группу, которую нужно удалить.</translation>
    </message>
    <message>
        <source>You cannot delete the selected root group.</source>
        <translation>Корневую группу удалить нельзя.</translation>
    </message>
    <message>
        <source>Edit Group</source>
        <translation>Изменение группы</translation>
    </message>
    <message>
        <source>Select Background Image</source>
        <translation>Выбор фонового изображения</translation>
    </message>
    <message>
        <source>Picture Files (*.bmp;*.jpg;*.gif)|*.bmp;*.jpg;*.gif|</source>
        <translation>Изображения (*.bmp;*.jpg;*.gif)|*.bmp;*.jpg;*.gif|</translation>
    </message>
    <message>
        <source>Path does not exists.<byte value="xd"/>
Please check the path.</source>
        <translation>Путь не существует.<byte value="xd"/>
Проверьте путь.</translation>
    </message>
    <message>
        <source>File does not exists.<byte value="xd"/>
Please check the file path.</source>
        <translation>Файл не существует.<byte value="xd"/>
Проверьте путь к файлу.</translation>
    </message>
    <message>
        <source>Vantory cannot read the catalogue %1.

The newest sound backup is %2.

Restore it now? The catalogue as it is now is kept beside the backups.</source>
        <translation>Vantory не может прочитать каталог %1.

Самая новая исправная резервная копия: %2.

Восстановить её сейчас? Каталог в нынешнем виде будет сохранён рядом с резервными копиями.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a desktop entry that is not installed on this computer. It starts this program:</source>
        <translation>«%1» — значок запуска, не установленный на этом компьютере. Он запускает программу:</translation>
    </message>
    <message>
        <source>Launch it only if you trust where it came from.</source>
        <translation>Запускайте его, только если доверяете его источнику.</translation>
    </message>
    <message>
        <source>the program %1 that the entry needs (TryExec) is not installed</source>
        <translation>программа %1, нужная значку запуска (TryExec), не установлена</translation>
    </message>
    <message>
        <source>the entry names no command (Exec)</source>
        <translation>значок запуска не называет команду (Exec)</translation>
    </message>
    <message>
        <source>its command (Exec) cannot be split into words with the parameters in it: %1</source>
        <translation>его команду (Exec) с параметрами нельзя разбить на слова: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; asks the mail program to attach a file, so Vantory does not open it.</source>
        <translation>«%1» просит почтовую программу приложить файл, поэтому Vantory его не открывает.</translation>
    </message>
    <message>
        <source>Keep in Step with a Folder…</source>
        <translation>Синхронизировать через папку…</translation>
    </message>
    <message>
        <source>Keep in Step with a Folder</source>
        <translation>Синхронизировать через папку</translation>
    </message>
    <message>
        <source>Stop Keeping in Step</source>
        <translation>Остановить синхронизацию</translation>
    </message>
    <message>
        <source>The settings cannot be saved.</source>
        <translation>Не удаётся сохранить настройки.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>Не удаётся записать %1: %2</translation>
    </message>
    <message>
        <source>Kept in step through %1; not merged yet.</source>
        <translation>Синхронизируется через %1; ещё не объединялся.</translation>
    </message>
    <message>
        <source>Kept in step through %1. Last merged %2; no other computer has written there yet.</source>
        <translation>Синхронизируется через %1. Последнее объединение %2; другие компьютеры туда ещё не писали.</translation>
    </message>
    <message>
        <source>Kept in step through %1. Last merged %2 with %3.</source>
        <translation>Синхронизируется через %1. Последнее объединение %2 с %3.</translation>
    </message>
    <message>
        <source>The folder %1, through which Vantory keeps the catalogue in step, is not there. Nothing was merged.</source>
        <translation>Папка %1, через которую Vantory синхронизирует каталог, отсутствует. Ничего не объединено.</translation>
    </message>
    <message>
        <source>Vantory could not merge the catalogue with %1.

%2</source>
        <translation>Vantory не удалось объединить каталог с %1.

%2</translation>
    </message>
    <message>
        <source>%1 comes from a newer Vantory and was not read. Update Vantory on this computer to merge it.</source>
        <translation>%1 создан более новой версией Vantory и не прочитан. Обновите Vantory на этом компьютере, чтобы объединить его.</translation>
    </message>
    <message>
        <source>%1 is cut short or damaged and was not read; nothing was taken from it.</source>
        <translation>%1 обрезан или повреждён и не прочитан; из него ничего не взято.</translation>
    </message>
    <message>
        <source>%1 cannot be read and was skipped.</source>
        <translation>%1 не удаётся прочитать, файл пропущен.</translation>
    </message>
    <message>
        <source>Vantory could not start &quot;%1&quot;.</source>
        <translation>Vantory не удалось запустить «%1».</translation>
    </message>
    <message>
        <source>Vantory could not start &quot;%1&quot;: %2</source>
        <translation>Vantory не удалось запустить «%1»: %2</translation>
    </message>
    <message>
        <source>No application is set up to open &quot;%1&quot;.</source>
        <translation>Нет приложения, настроенного для открытия «%1».</translation>
    </message>
    <message>
        <source>Vantory could not read the desktop entry &quot;%1&quot;.</source>
        <translation>Vantory не удалось прочитать ярлык рабочего стола «%1».</translation>
    </message>
    <message>
        <source>it is not a desktop entry that describes an application</source>
        <translation>это не ярлык рабочего стола, описывающий приложение</translation>
    </message>
    <message>
        <source>the application could not be started</source>
        <translation>не удалось запустить приложение</translation>
    </message>
    <message>
        <source>the desktop&apos;s application launcher could not be loaded: %1</source>
        <translation>не удалось загрузить средство запуска приложений рабочего стола: %1</translation>
    </message>
    <message>
        <source>the desktop&apos;s application launcher lacks %1</source>
        <translation>в средстве запуска приложений рабочего стола нет %1</translation>
    </message>
    <message>
        <source>One more value in this category is not a number either.</source>
        <translation>Ещё одно значение в этой категории тоже не число.</translation>
    </message>
    <message>
        <source>%1 more values in this category are not numbers either.</source>
        <translation>Ещё значений в этой категории, которые тоже не числа: %1.</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; is shown in the default colour. %2</source>
        <translation>Категория «%1» показана цветом по умолчанию. %2</translation>
    </message>
    <message>
        <source>One more category is shown in the default colour too.</source>
        <translation>Ещё одна категория тоже показана цветом по умолчанию.</translation>
    </message>
    <message>
        <source>%1 more categories are shown in the default colour too.</source>
        <translation>Ещё категорий, показанных цветом по умолчанию: %1.</translation>
    </message>
    <message>
        <source>The picture %1 could not be loaded: %2</source>
        <translation>Не удалось загрузить изображение %1: %2</translation>
    </message>
    <message>
        <source>The pointer file %1 could not be loaded.</source>
        <translation>Не удалось загрузить файл указателя %1.</translation>
    </message>
    <message>
        <source>Launch</source>
        <translation>Запустить</translation>
    </message>
    <message>
        <source>Vantory could not add the installed applications.

%1

The catalogue is unchanged.</source>
        <translation>Vantory не удалось добавить установленные приложения.

%1

Каталог не изменён.</translation>
    </message>
    <message>
        <source>Vantory could not back up the catalogue into %1.

%2</source>
        <translation>Vantory не удалось сохранить резервную копию каталога в %1.

%2</translation>
    </message>
    <message>
        <source>Sound &amp; Video</source>
        <translation>Мультимедиа</translation>
    </message>
    <message>
        <source>Programming</source>
        <translation>Программирование</translation>
    </message>
    <message>
        <source>Education</source>
        <translation>Образование</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Игры</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Графика</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Интернет</translation>
    </message>
    <message>
        <source>Office</source>
        <translation>Офис</translation>
    </message>
    <message>
        <source>Science</source>
        <translation>Наука</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>System Tools</source>
        <translation>Системные утилиты</translation>
    </message>
    <message>
        <source>Accessories</source>
        <translation>Стандартные</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Другие</translation>
    </message>
    <message>
        <source>The catalogue %1 cannot be changed now.</source>
        <translation>Каталог %1 сейчас нельзя изменить.</translation>
    </message>
    <message>
        <source>Nothing was added: every application of the desktop&apos;s menu is already in the catalogue.</source>
        <translation>Ничего не добавлено, потому что все приложения из меню рабочего стола уже есть в каталоге.</translation>
    </message>
    <message>
        <source>%1 applications were added to the catalogue %2.</source>
        <translation>В каталог %2 добавлено приложений: %1.</translation>
    </message>
    <message>
        <source>Vantory is running. Add the installed applications from the menu of the computer&apos;s name in its tree, or close it and try again. Nothing was changed.</source>
        <translation>Vantory запущен. Добавьте установленные приложения из меню имени компьютера в его дереве или закройте его и повторите попытку. Ничего не изменено.</translation>
    </message>
    <message>
        <source>Add Installed Applications…</source>
        <translation>Добавить установленные приложения…</translation>
    </message>
    <message>
        <source>Add Installed Applications</source>
        <translation>Добавить установленные приложения</translation>
    </message>
    <message>
        <source>Reading the installed applications…</source>
        <translation>Чтение установленных приложений…</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Категория</translation>
    </message>
    <message>
        <source>New applications</source>
        <translation>Новые приложения</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>The desktop&apos;s menu lists no applications.</source>
        <translation>В меню рабочего стола нет приложений.</translation>
    </message>
    <message>
        <source>Every application of the desktop&apos;s menu is already in the catalogue.</source>
        <translation>Все приложения из меню рабочего стола уже есть в каталоге.</translation>
    </message>
    <message>
        <source>Choose the menu categories to add. Each becomes a category of the catalogue, with a shortcut to each application it does not hold yet.</source>
        <translation>Выберите категории меню для добавления. Каждая станет категорией каталога с ярлыком для каждого приложения, которого в нём ещё нет.</translation>
    </message>
    <message>
        <source>Find a Shortcut</source>
        <translation>Найти ярлык</translation>
    </message>
    <message>
        <source>Vantory gave up waiting for &quot;%1&quot;: the disk or network folder that holds it did not answer in time. Nothing was opened.</source>
        <translation>Vantory перестал ждать «%1»: диск или сетевая папка, где он находится, не ответили вовремя. Ничего не открыто.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a symbolic link. Vantory does not write through links, so it leaves the file alone and keeps what belongs there only until it closes.</source>
        <translation>«%1» — символическая ссылка. Vantory не пишет через ссылки, поэтому не трогает этот файл и хранит то, что должно быть в нём, только до закрытия.</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>он слишком большой</translation>
    </message>
    <message>
        <source>The catalogue file %1 is read-only. Vantory shows it, but cannot save changes.</source>
        <translation>Файл каталога %1 доступен только для чтения. Vantory показывает его, но не может сохранять изменения.</translation>
    </message>
    <message>
        <source>The folder %1 that holds the catalogue is read-only. Vantory shows the catalogue, but cannot save changes.</source>
        <translation>Папка %1 с каталогом доступна только для чтения. Vantory показывает каталог, но не может сохранять изменения.</translation>
    </message>
    <message>
        <source>The shortcuts cannot be read: %1.</source>
        <translation>Не удаётся прочитать ярлыки: %1.</translation>
    </message>
    <message>
        <source>The catalogue could not be backed up to %1: %2.</source>
        <translation>Не удалось сохранить копию каталога в %1: %2.</translation>
    </message>
    <message>
        <source>The catalogue is damaged, so it was not backed up.</source>
        <translation>Каталог повреждён, поэтому копия не сделана.</translation>
    </message>
    <message>
        <source>The backup folder %1 cannot be made: %2.</source>
        <translation>Не удаётся создать папку копий %1: %2.</translation>
    </message>
    <message>
        <source>The backup folder %1 cannot be made: a file of that name is in the way.</source>
        <translation>Не удаётся создать папку копий %1: мешает файл с таким же именем.</translation>
    </message>
    <message>
        <source>The catalogue file %1 cannot be opened: %2.</source>
        <translation>Не удаётся открыть файл каталога %1: %2.</translation>
    </message>
    <message>
        <source>The catalogue %1 is in use by another running Vantory. Close the other Vantory and start this one again.</source>
        <translation>Каталог %1 используется другим запущенным Vantory. Закройте другой Vantory и запустите этот снова.</translation>
    </message>
    <message>
        <source>The catalogue %1 cannot be locked: %2.</source>
        <translation>Не удаётся заблокировать каталог %1: %2.</translation>
    </message>
    <message>
        <source>The folder of the catalogue is read-only, so the change was not saved.</source>
        <translation>Папка каталога доступна только для чтения, изменение не сохранено.</translation>
    </message>
    <message>
        <source>The catalogue file is read-only, so the change was not saved.</source>
        <translation>Файл каталога доступен только для чтения, изменение не сохранено.</translation>
    </message>
    <message>
        <source>The catalogue is busy in another program. Please try again.</source>
        <translation>Каталог занят другой программой. Попробуйте ещё раз.</translation>
    </message>
    <message>
        <source>The disk is full, so the change was not saved.</source>
        <translation>Диск заполнен, изменение не сохранено.</translation>
    </message>
    <message>
        <source>Catalogue error: %1</source>
        <translation>Ошибка каталога: %1</translation>
    </message>
    <message>
        <source>The file %1 is not a Vantory catalogue: it is not a database file.</source>
        <translation>Файл %1 не является каталогом Vantory: это не файл базы данных.</translation>
    </message>
    <message>
        <source>The file %1 is not a Vantory catalogue: %2</source>
        <translation>Файл %1 не является каталогом Vantory: %2</translation>
    </message>
    <message>
        <source>The catalogue %1 is busy in another program. Please try again.</source>
        <translation>Каталог %1 занят другой программой. Попробуйте ещё раз.</translation>
    </message>
    <message>
        <source>The catalogue file %1 cannot be read: %2</source>
        <translation>Не удаётся прочитать файл каталога %1: %2</translation>
    </message>
    <message>
        <source>The catalogue %1 is damaged. It is open read-only, so nothing can be changed and nothing makes the damage worse.</source>
        <translation>Каталог %1 повреждён. Он открыт только для чтения: ничего нельзя изменить, и повреждение не усугубится.</translation>
    </message>
    <message>
        <source>The catalogue %1 is damaged. It is open read-only, so nothing can be changed and nothing makes the damage worse. The first problem found: %2</source>
        <translation>Каталог %1 повреждён. Он открыт только для чтения: ничего нельзя изменить, и повреждение не усугубится. Первая найденная проблема: %2</translation>
    </message>
    <message>
        <source>The catalogue file %1 does not exist.</source>
        <translation>Файл каталога %1 не существует.</translation>
    </message>
    <message>
        <source>The file %1 is not a Vantory catalogue: it is a folder.</source>
        <translation>Файл %1 не является каталогом Vantory: это папка.</translation>
    </message>
    <message>
        <source>The catalogue %1 is damaged and cannot be opened: %2</source>
        <translation>Каталог %1 повреждён и не открывается: %2</translation>
    </message>
    <message>
        <source>The catalogue %1 is damaged and cannot be read: %2</source>
        <translation>Каталог %1 повреждён и не читается: %2</translation>
    </message>
    <message>
        <source>The catalogue is damaged, so the change was not saved.</source>
        <translation>Каталог повреждён, изменение не сохранено.</translation>
    </message>
    <message>
        <source>The catalogue could not be kept as %1: %2. Nothing was restored.</source>
        <translation>Не удалось сохранить каталог как %1: %2. Ничего не восстановлено.</translation>
    </message>
    <message>
        <source>The catalogue could not be kept in %1: too many copies of the same name are there. Nothing was restored.</source>
        <translation>Не удалось сохранить каталог в %1: там слишком много копий с тем же именем. Ничего не восстановлено.</translation>
    </message>
    <message>
        <source>The catalogue %1 cannot be read: %2.</source>
        <translation>Не удаётся прочитать каталог %1: %2.</translation>
    </message>
    <message>
        <source>The backup %1 cannot be restored: it is damaged or not a Vantory catalogue (%2). The catalogue is unchanged.</source>
        <translation>Копию %1 нельзя восстановить: она повреждена или не является каталогом Vantory (%2). Каталог не изменён.</translation>
    </message>
    <message>
        <source>The backup %1 is the catalogue itself.</source>
        <translation>Копия %1 — это сам каталог.</translation>
    </message>
    <message>
        <source>The backup %1 cannot be restored: %2. The catalogue is unchanged.</source>
        <translation>Копию %1 нельзя восстановить: %2. Каталог не изменён.</translation>
    </message>
    <message>
        <source>The backup %1 could not be written into %2: %3.</source>
        <translation>Не удалось записать копию %1 в %2: %3.</translation>
    </message>
    <message>
        <source>The backup %1 could not be written into %2: %3. The catalogue as it was is kept as %4.</source>
        <translation>Не удалось записать копию %1 в %2: %3. Прежний каталог сохранён как %4.</translation>
    </message>
    <message>
        <source>The backup %1 was not written into %2 whole (%3).</source>
        <translation>Копия %1 записана в %2 не полностью (%3).</translation>
    </message>
    <message>
        <source>The backup %1 was not written into %2 whole (%3). The catalogue as it was is back in place, and also kept as %4.</source>
        <translation>Копия %1 записана в %2 не полностью (%3). Прежний каталог возвращён на место и также сохранён как %4.</translation>
    </message>
    <message>
        <source>The backup %1 was not written into %2 whole (%3). The catalogue as it was could not be put back (%4): it is kept as %5.</source>
        <translation>Копия %1 записана в %2 не полностью (%3). Прежний каталог не удалось вернуть на место (%4): он сохранён как %5.</translation>
    </message>
    <message>
        <source>The value &quot;%1&quot; in column %2 is not a number.</source>
        <translation>Значение «%1» в столбце %2 не является числом.</translation>
    </message>
    <message>
        <source>The value %1 in column %2 is too large.</source>
        <translation>Значение %1 в столбце %2 слишком велико.</translation>
    </message>
    <message>
        <source>Column %1 holds no value.</source>
        <translation>Столбец %1 не содержит значения.</translation>
    </message>
    <message>
        <source>The value in column %1 is not a number.</source>
        <translation>Значение в столбце %1 не является числом.</translation>
    </message>
    <message>
        <source>The catalogue is not open.</source>
        <translation>Каталог не открыт.</translation>
    </message>
</context>
</TS>
