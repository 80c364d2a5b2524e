<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>About</name>
    <message>
        <source>Lumo is a small browser and editor for cdplayer.ini, the file in which the Audio CD Player (cdplayer.exe) of Windows 95 and Windows NT keeps the artists, titles and track names you typed for your discs.</source>
        <translation>Lumo — небольшая программа для просмотра и правки cdplayer.ini, файла, в котором лазерный проигрыватель (cdplayer.exe) Windows 95 и Windows NT хранит введённые вами для ваших дисков имена исполнителей, названия альбомов и треков.</translation>
    </message>
    <message>
        <source>It shows that data as a tree of Artist, Album and Track, and can write the whole collection as a formatted report, either as an HTML page or as CSV (comma-separated values).</source>
        <translation>Lumo показывает эти данные в виде дерева «Исполнитель — Альбом — Трек» и может записать всю коллекцию в виде оформленного отчёта: HTML-страницы или файла CSV (значения, разделённые запятыми).</translation>
    </message>
    <message>
        <source>Lumo also spots albums that are entered twice under different CD keys and leaves the copies out, which makes it handy when several cdplayer.ini files have been joined into one.</source>
        <translation>Кроме того, Lumo находит альбомы, внесённые дважды под разными ключами CD, и пропускает копии. Это удобно, если несколько файлов cdplayer.ini были объединены в один.</translation>
    </message>
    <message>
        <source>Lumo may be copied and passed on freely, but only complete and unchanged, and it may not be sold or included in anything that is sold.</source>
        <translation>Lumo можно свободно копировать и передавать другим, но только целиком и без изменений. Lumo нельзя продавать или включать в состав чего-либо продаваемого.</translation>
    </message>
    <message>
        <source>Lumo is provided as is, without warranty of any kind. Its makers accept no liability for any loss or damage that comes from using it, including the loss of data: keep a copy of your cdplayer.ini.</source>
        <translation>Lumo предоставляется «как есть», без каких-либо гарантий. Авторы не несут ответственности за любые потери или ущерб от его использования, включая потерю данных: храните копию своего cdplayer.ini.</translation>
    </message>
</context>
<context>
    <name>CodePage</name>
    <message>
        <source>Western European (Windows-1252)</source>
        <translation>Западноевропейская (Windows-1252)</translation>
    </message>
    <message>
        <source>Central European (Windows-1250)</source>
        <translation>Центральноевропейская (Windows-1250)</translation>
    </message>
    <message>
        <source>Cyrillic (Windows-1251)</source>
        <translation>Кириллица (Windows-1251)</translation>
    </message>
    <message>
        <source>Greek (Windows-1253)</source>
        <translation>Греческая (Windows-1253)</translation>
    </message>
    <message>
        <source>Turkish (Windows-1254)</source>
        <translation>Турецкая (Windows-1254)</translation>
    </message>
    <message>
        <source>Hebrew (Windows-1255)</source>
        <translation>Иврит (Windows-1255)</translation>
    </message>
    <message>
        <source>Arabic (Windows-1256)</source>
        <translation>Арабская (Windows-1256)</translation>
    </message>
    <message>
        <source>Baltic (Windows-1257)</source>
        <translation>Балтийская (Windows-1257)</translation>
    </message>
    <message>
        <source>Vietnamese (Windows-1258)</source>
        <translation>Вьетнамская (Windows-1258)</translation>
    </message>
    <message>
        <source>Thai (Windows-874)</source>
        <translation>Тайская (Windows-874)</translation>
    </message>
    <message>
        <source>Japanese (Shift-JIS)</source>
        <translation>Японская (Shift-JIS)</translation>
    </message>
    <message>
        <source>Simplified Chinese (GBK)</source>
        <translation>Китайская упрощённая (GBK)</translation>
    </message>
    <message>
        <source>Korean (Windows-949)</source>
        <translation>Корейская (Windows-949)</translation>
    </message>
    <message>
        <source>Traditional Chinese (Big5)</source>
        <translation>Китайская традиционная (Big5)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--format takes html, csv or json, not &quot;%1&quot;</source>
        <translation>--format принимает html, csv или json, а не «%1»</translation>
    </message>
    <message>
        <source>--format, --title and --comment go with --report</source>
        <translation>--format, --title и --comment указываются вместе с --report</translation>
    </message>
    <message>
        <source>--report needs a file name</source>
        <translation>для --report нужно имя файла</translation>
    </message>
    <message>
        <source>--merge needs a file name</source>
        <translation>для --merge нужно имя файла</translation>
    </message>
    <message>
        <source>--ini goes with --report, --list, --duplicates or --merge</source>
        <translation>--ini указывается вместе с --report, --list, --duplicates или --merge</translation>
    </message>
    <message>
        <source>one file at a time: %1 and %2 were named</source>
        <translation>можно указать только один файл, а указаны %1 и %2</translation>
    </message>
    <message>
        <source>the collection goes with --ini, not as %1</source>
        <translation>коллекция указывается с помощью --ini, а не как %1</translation>
    </message>
    <message>
        <source>unknown argument %1</source>
        <translation>неизвестный аргумент %1</translation>
    </message>
    <message>
        <source>nothing to do</source>
        <translation>нечего делать</translation>
    </message>
    <message>
        <source>unexpected %1</source>
        <translation>неожиданный аргумент %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>для %1 нужно значение</translation>
    </message>
    <message>
        <source>%1 cannot be combined with another command</source>
        <translation>%1 нельзя сочетать с другой командой</translation>
    </message>
    <message>
        <source>: is too large to be loaded: a cdplayer.ini of more than 1 GB is not read</source>
        <translation>: файл слишком велик для загрузки: cdplayer.ini больше 1 ГБ не читается</translation>
    </message>
    <message>
        <source>: cannot be read as cdplayer.ini</source>
        <translation>: не удаётся прочитать как cdplayer.ini</translation>
    </message>
    <message>
        <source>: not found</source>
        <translation>: не найден</translation>
    </message>
    <message>
        <source>cdplayer.ini: not found along the search path &quot;%1&quot; (see --ini)</source>
        <translation>cdplayer.ini: не найден по пути поиска «%1» (см. --ini)</translation>
    </message>
    <message>
        <source>standard output: cannot be written</source>
        <translation>стандартный вывод: не удаётся записать</translation>
    </message>
    <message>
        <source>%1 section(s) added</source>
        <translation>добавлено разделов: %1</translation>
    </message>
    <message>
        <source>kept %1: %2 (the other file has %3)</source>
        <translation>оставлен %1: %2 (в другом файле: %3)</translation>
    </message>
    <message>
        <source>the title and the comment must keep to the Western European (Windows-1252) characters</source>
        <translation>заголовок и описание должны содержать только символы западноевропейской кодировки (Windows-1252)</translation>
    </message>
    <message>
        <source>: the report could not be written (check the folder and the name)</source>
        <translation>: не удалось записать отчёт (проверьте папку и имя файла)</translation>
    </message>
    <message>
        <source> (see lumo --help)</source>
        <translation> (см. lumo --help)</translation>
    </message>
    <message>
        <source>%1 duplicate album(s) left out, the first of each kept</source>
        <translation>пропущено альбомов-дубликатов: %1 (из каждой группы оставлен первый)</translation>
    </message>
    <message>
        <source>%1: could not be handed to the running Lumo</source>
        <translation>%1: не удалось передать запущенной программе Lumo</translation>
    </message>
    <message>
        <source>Usage: lumo [FILE]
       lumo [--report FILE [--format html|csv|json] [--title TEXT] [--comment TEXT]] [--list]
            [--duplicates] [--merge OTHER] [--ini CDPLAYER_INI] [--codepage N] [--help] [--version]
Without options, Lumo opens its window on FILE, or else on the first cdplayer.ini
found along the search path. When Lumo runs already, its window opens FILE and
comes to the front.
  --report FILE     write a report of the collection to FILE, without a window
  --format FORMAT   html, csv or json; by default csv for FILE ending in .csv, .txt or .asc,
                    json for .json, else html
  --title TEXT      the HTML report&apos;s title (default: Output)
  --comment TEXT    the HTML report&apos;s comment
  --list            print the collection as tab-separated lines in UTF-8:
                    artist, album, track number, track name
  --duplicates      print each album left out as a duplicate as tab-separated lines in UTF-8:
                    the CD key kept, the CD key left out, artist, title
  --merge OTHER     add to the collection every section of the cdplayer.ini OTHER whose
                    CD key it lacks; sections it has stay as they are and are listed
  --ini FILE        the cdplayer.ini to read (default: the first found along the
                    search path kept in lumo.ini)
  --codepage N      the Windows code page the collection&apos;s names are in, such as 1251
                    or 932 (default: the one chosen in the Options, else 1252)
  --help            show this help
  --version         show the version
Exit status: 0 done, 1 a file could not be read or written, 2 a usage error.
</source>
        <translation>Использование: lumo [ФАЙЛ]
               lumo [--report ФАЙЛ [--format html|csv|json] [--title ТЕКСТ] [--comment ТЕКСТ]] [--list]
                    [--duplicates] [--merge ДРУГОЙ] [--ini CDPLAYER_INI] [--codepage N] [--help] [--version]
Без параметров Lumo открывает своё окно с ФАЙЛОМ, а если он не указан, то с первым
файлом cdplayer.ini, найденным по пути поиска. Если Lumo уже запущен, его окно
открывает ФАЙЛ и выходит на передний план.
  --report ФАЙЛ     записать отчёт о коллекции в ФАЙЛ, не открывая окна
  --format ФОРМАТ   html, csv или json; по умолчанию csv для ФАЙЛА с расширением
                    .csv, .txt или .asc, json для .json, иначе html
  --title ТЕКСТ     заголовок HTML-отчёта (по умолчанию: Output)
  --comment ТЕКСТ   комментарий HTML-отчёта
  --list            вывести коллекцию строками в UTF-8 с разделителем-табуляцией:
                    исполнитель, альбом, номер трека, название трека
  --duplicates      вывести каждый альбом, пропущенный как дубликат, строкой в UTF-8
                    с разделителем-табуляцией: оставленный ключ CD, пропущенный
                    ключ CD, исполнитель, название
  --merge ДРУГОЙ    добавить в коллекцию каждый раздел файла cdplayer.ini ДРУГОЙ,
                    ключа CD которого в ней нет; имеющиеся разделы остаются
                    как есть и перечисляются
  --ini ФАЙЛ        читаемый файл cdplayer.ini (по умолчанию: первый найденный
                    по пути поиска, сохранённому в lumo.ini)
  --codepage N      кодовая страница Windows для имён коллекции, например 1251 или 932
                    (по умолчанию: выбранная в параметрах, иначе 1252)
  --help            показать эту справку
  --version         показать версию
Код возврата: 0 — выполнено, 1 — не удалось прочитать или записать файл,
2 — ошибка в командной строке.
</translation>
    </message>
    <message>
        <source>--codepage takes one of %1, not &quot;%2&quot;</source>
        <translation>--codepage принимает одно из значений %1, а не «%2»</translation>
    </message>
    <message>
        <source>--codepage goes with --report, --list, --duplicates or --merge</source>
        <translation>--codepage указывается вместе с --report, --list, --duplicates или --merge</translation>
    </message>
</context>
<context>
    <name>Dialog</name>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Вид</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>Исполнитель</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>Альбом</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Свой</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Сведения</translation>
    </message>
    <message>
        <source>Artists</source>
        <translation>Исполнители</translation>
    </message>
    <message>
        <source>Albums</source>
        <translation>Альбомы</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Отчёт</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>&amp;Search path for cdplayer.ini</source>
        <translation>&amp;Путь поиска cdplayer.ini</translation>
    </message>
    <message>
        <source>Show CD keys</source>
        <translation>Показывать ключи CD</translation>
    </message>
    <message>
        <source>Enable ToolTips</source>
        <translation>Показывать подсказки</translation>
    </message>
    <message>
        <source>Loaded</source>
        <translation>Загружено</translation>
    </message>
    <message>
        <source>Formatted</source>
        <translation>Обработано</translation>
    </message>
    <message>
        <source>&amp;Title</source>
        <translation>&amp;Заголовок</translation>
    </message>
    <message>
        <source>&amp;Comment</source>
        <translation>&amp;Описание</translation>
    </message>
    <message>
        <source>&amp;Filename</source>
        <translation>&amp;Имя файла</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Обзор</translation>
    </message>
    <message>
        <source>Report format</source>
        <translation>Формат отчёта</translation>
    </message>
    <message>
        <source>HTML</source>
        <translation>HTML</translation>
    </message>
    <message>
        <source>CSV (comma-delimited ASCII)</source>
        <translation>CSV (ASCII, через запятую)</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Просмотр</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Apply to all subsequent duplicates like this</source>
        <translation>Применить ко всем следующим таким дубликатам</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>Выбрано</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Альбом</translation>
    </message>
    <message>
        <source>Existing entry</source>
        <translation>Имеющаяся запись</translation>
    </message>
    <message>
        <source>New entry</source>
        <translation>Новая запись</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>&amp;Web page</source>
        <translation>&amp;Веб-страница</translation>
    </message>
    <message>
        <source>&amp;Mail us!</source>
        <translation>&amp;Напишите нам!</translation>
    </message>
    <message>
        <source>&amp;Read the documentation</source>
        <translation>&amp;Читать документацию</translation>
    </message>
    <message>
        <source>Fi&amp;nd what:</source>
        <translation>&amp;Найти:</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>&amp;Учитывать регистр</translation>
    </message>
    <message>
        <source>Look in</source>
        <translation>Искать в</translation>
    </message>
    <message>
        <source>&amp;Artists</source>
        <translation>&amp;Исполнители</translation>
    </message>
    <message>
        <source>A&amp;lbums</source>
        <translation>&amp;Альбомы</translation>
    </message>
    <message>
        <source>&amp;Tracks</source>
        <translation>&amp;Треки</translation>
    </message>
    <message>
        <source>&amp;Find next</source>
        <translation>Найти &amp;далее</translation>
    </message>
    <message>
        <source>Find &amp;previous</source>
        <translation>Найти &amp;предыдущее</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>&amp;Albums entered more than once:</source>
        <translation>&amp;Альбомы, внесённые несколько раз:</translation>
    </message>
    <message>
        <source>&amp;Tracks of the selected entry:</source>
        <translation>&amp;Треки выбранной записи:</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>&amp;Groups of similar artist names:</source>
        <translation>&amp;Группы похожих имён исполнителей:</translation>
    </message>
    <message>
        <source>&amp;Spelling to give them all:</source>
        <translation>Единое &amp;написание для всех:</translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <translation>&amp;Объединить</translation>
    </message>
    <message>
        <source>Re&amp;place with:</source>
        <translation>&amp;Заменить на:</translation>
    </message>
    <message>
        <source>&amp;Replace all</source>
        <translation>Заменить &amp;все</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Generate report</source>
        <translation>Создание отчёта</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Duplicate album found</source>
        <translation>Найден дубликат альбома</translation>
    </message>
    <message>
        <source>Duplicates</source>
        <translation>Дубликаты</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Замена</translation>
    </message>
    <message>
        <source>&amp;Character set:</source>
        <translation>&amp;Кодировка:</translation>
    </message>
</context>
<context>
    <name>Lumo</name>
    <message>
        <source>There is not enough memory to finish the operation.

It has been stopped.</source>
        <translation>Недостаточно памяти для завершения операции.

Операция прервана.</translation>
    </message>
    <message>
        <source>an unknown error</source>
        <translation>неизвестная ошибка</translation>
    </message>
    <message>
        <source>The operation could not be finished:
%1

It has been stopped.</source>
        <translation>Не удалось завершить операцию:
%1

Операция прервана.</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>О программе %1</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Обзор</translation>
    </message>
    <message>
        <source>Distribution and Legal</source>
        <translation>Распространение и правовая информация</translation>
    </message>
    <message>
        <source>Unable to locate %s.html.  It is most likely that you have an incomplete
copy of %s.  Please complain to whoever sent it to you,
and visit our web site to get the complete version of the software.</source>
        <translation>Не удаётся найти %s.html. Скорее всего, ваша копия %s
неполная. Обратитесь к тому, от кого вы её получили,
и загрузите полную версию программы с нашего веб-сайта.</translation>
    </message>
    <message>
        <source>Can&apos;t generate a mail message.  Do you have mail installed?</source>
        <translation>Не удаётся создать письмо. Установлена ли почтовая программа?</translation>
    </message>
    <message>
        <source>Failed to send mail - tried indirect (browser) and direct (MAPI)</source>
        <translation>Не удалось отправить письмо ни косвенно (через браузер), ни напрямую (MAPI)</translation>
    </message>
    <message>
        <source>The change could not be written to</source>
        <translation>Не удалось записать изменение в файл</translation>
    </message>
    <message>
        <source>%1 names will change.
Replace them all?
(Edit &gt; Undo takes it back.)</source>
        <translation>Будет изменено имён: %1.
Заменить все?
(Отменить можно командой «Правка &gt; Отменить».)</translation>
    </message>
    <message>
        <source>Replaced %1 names.</source>
        <translation>Заменено имён: %1.</translation>
    </message>
    <message>
        <source>Cannot find &quot;%1&quot;.</source>
        <translation>Не удаётся найти «%1».</translation>
    </message>
    <message>
        <source>Every name with &quot;%1&quot; stays as it is: nothing to replace.</source>
        <translation>Все имена с «%1» остаются прежними: заменять нечего.</translation>
    </message>
    <message>
        <source>Replace all would change &quot;%1&quot;, which is refused:

%2

Nothing has been changed.</source>
        <translation>«Заменить все» изменило бы «%1», но это отклонено:

%2

Ничего не изменено.</translation>
    </message>
    <message>
        <source>An album&apos;s title cannot be empty.
Please choose another text.</source>
        <translation>Название альбома не может быть пустым.
Введите другой текст.</translation>
    </message>
    <message>
        <source>The name would grow past 1023 characters, more than the CD player can read.
Please choose a shorter text.</source>
        <translation>Имя стало бы длиннее 1023 символов — больше, чем может прочитать проигрыватель.
Введите текст покороче.</translation>
    </message>
    <message>
        <source>%1: %2 - %3, %4 tracks</source>
        <translation>%1: %2 - %3, треков: %4</translation>
    </message>
    <message>
        <source> (shown in the tree)</source>
        <translation> (показан в дереве)</translation>
    </message>
    <message>
        <source>Duplicate albums</source>
        <translation>Альбомы-дубликаты</translation>
    </message>
    <message>
        <source>Similar artists</source>
        <translation>Похожие исполнители</translation>
    </message>
    <message>
        <source>&amp;Artist</source>
        <translation>&amp;Исполнитель</translation>
    </message>
    <message>
        <source>A&amp;lbum</source>
        <translation>&amp;Альбом</translation>
    </message>
    <message>
        <source>&amp;Track</source>
        <translation>&amp;Трек</translation>
    </message>
    <message>
        <source>Edit Artist</source>
        <translation>Изменение исполнителя</translation>
    </message>
    <message>
        <source>Edit Album</source>
        <translation>Изменение альбома</translation>
    </message>
    <message>
        <source>Edit Track</source>
        <translation>Изменение трека</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(пусто)</translation>
    </message>
    <message>
        <source>The name contains a line break or a control character (NUL, Ctrl-Z) that cdplayer.ini cannot hold.
Please remove it.</source>
        <translation>Имя содержит разрыв строки или управляющий символ (NUL, Ctrl-Z), который нельзя сохранить в cdplayer.ini.
Удалите его.</translation>
    </message>
    <message>
        <source>&quot;&lt;UNKNOWN&gt;&quot; stands for a disc without an artist, and such discs are not shown.
Please choose another name.</source>
        <translation>«&lt;UNKNOWN&gt;» обозначает диск без исполнителя, а такие диски не показываются.
Выберите другое имя.</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Изменить</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Переместить</translation>
    </message>
    <message>
        <source>Nothing has been changed.</source>
        <translation>Ничего не изменено.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this artist
and ALL albums attached to it?
(Edit &gt; Undo takes it back.)</source>
        <translation>Удалить этого исполнителя
и ВСЕ его альбомы?
(Отменить можно командой «Правка &gt; Отменить».)</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this album?
(Edit &gt; Undo takes it back.)</source>
        <translation>Удалить этот альбом?
(Отменить можно командой «Правка &gt; Отменить».)</translation>
    </message>
    <message>
        <source>Moving not implemented yet</source>
        <translation>Перемещение пока не реализовано</translation>
    </message>
    <message>
        <source>Lumo already has an entry for this, but it has a different CD key.  This sometimes happens when an album is re-released or when some programs (like WinDac32) write several albums with a blank artist and title field.</source>
        <translation>В Lumo уже есть такая запись, но с другим ключом CD. Так бывает, когда альбом переиздан или когда некоторые программы (например, WinDac32) записывают несколько альбомов с пустыми полями исполнителя и названия.</translation>
    </message>
    <message>
        <source>The import could not be written to</source>
        <translation>Не удалось записать импорт в файл</translation>
    </message>
    <message>
        <source>
is too large to be loaded: a cdplayer.ini of more than 1 GB is not read.</source>
        <translation>
слишком велик для загрузки: cdplayer.ini больше 1 ГБ не читается.</translation>
    </message>
    <message>
        <source>
cannot be read: please check that it is a file you may read.</source>
        <translation>
не удаётся прочитать: проверьте, что это файл и у вас есть право его читать.</translation>
    </message>
    <message>
        <source>The All level would show %1 rows, more than the %2 that can be shown at once.
Choose Album and open the albums you want, or use Find to go to a name.</source>
        <translation>На уровне «Все» было бы строк: %1, а одновременно можно показать не больше %2.
Выберите «Альбом» и раскройте нужные альбомы или перейдите к имени через «Поиск».</translation>
    </message>
    <message>
        <source>Can&apos;t find cdplayer.ini.
Please check the path and try again</source>
        <translation>Не удаётся найти cdplayer.ini.
Проверьте путь и повторите попытку</translation>
    </message>
    <message>
        <source>The change could not be undone in</source>
        <translation>Не удалось отменить изменение в файле</translation>
    </message>
    <message>
        <source>The change could not be redone in</source>
        <translation>Не удалось повторить изменение в файле</translation>
    </message>
    <message>
        <source>Passed the end; searched on from the top.</source>
        <translation>Достигнут конец; поиск продолжен с начала.</translation>
    </message>
    <message>
        <source>Passed the top; searched on from the end.</source>
        <translation>Достигнуто начало; поиск продолжен с конца.</translation>
    </message>
    <message>
        <source>%1 artists</source>
        <translation>Исполнителей: %1</translation>
    </message>
    <message>
        <source>%1 albums</source>
        <translation>Альбомов: %1</translation>
    </message>
    <message>
        <source>The path contains characters that this system cannot use in file names.</source>
        <translation>Путь содержит символы, которые эта система не может использовать в именах файлов.</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Введите не более %1 символов.</translation>
    </message>
    <message>
        <source>HTML files (*.htm;*.html)|*.htm;*.html|All Files (*.*)|*.*||</source>
        <translation>Файлы HTML (*.htm;*.html)|*.htm;*.html|Все файлы (*.*)|*.*||</translation>
    </message>
    <message>
        <source>CSV files (*.csv)|*.csv|Text files (*.txt;*.asc)|*.txt;*.asc|All Files (*.*)|*.*||</source>
        <translation>Файлы CSV (*.csv)|*.csv|Текстовые файлы (*.txt;*.asc)|*.txt;*.asc|Все файлы (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Report generated Ok</source>
        <translation>Отчёт успешно создан</translation>
    </message>
    <message>
        <source>Failed to generate report.
Possible causes are an incorrect filename, or the file specified may be in use by another application</source>
        <translation>Не удалось создать отчёт.
Возможно, имя файла неверно или файл используется другой программой</translation>
    </message>
    <message>
        <source>Failed to execute the &quot;open&quot; verb on %s
Check that you have a default association for this file type</source>
        <translation>Не удалось открыть %s.
Проверьте, назначена ли программа по умолчанию для этого типа файлов</translation>
    </message>
    <message>
        <source>The chosen file name contains characters that this system cannot use in file names.</source>
        <translation>Выбранное имя файла содержит символы, которые эта система не может использовать в именах файлов.</translation>
    </message>
    <message>
        <source>Please keep the search path on one line, with its folders separated by &quot;;&quot;.</source>
        <translation>Запишите путь поиска в одну строку, разделяя папки знаком «;».</translation>
    </message>
    <message>
        <source>There was a problem saving the options.
Please check that lumo.ini is not write-protected.</source>
        <translation>Не удалось сохранить параметры.
Проверьте, не защищён ли lumo.ini от записи.</translation>
    </message>
    <message>
        <source>%1 names with bytes that are no characters of the character set are left as they are.</source>
        <translation>Имена с байтами, не являющимися символами кодировки, оставлены как есть: %1.</translation>
    </message>
    <message>
        <source>This name holds bytes that are no characters of the %1 character set, so it cannot be edited: its bytes are kept as they are.
If the names look wrong, choose their character set in the Options, then Refresh.</source>
        <translation>В этом имени есть байты, не являющиеся символами кодировки «%1», поэтому его нельзя изменить: его байты остаются как есть.
Если имена выглядят неверно, выберите их кодировку в параметрах и обновите.</translation>
    </message>
    <message>
        <source>The names look typed in %1: choose it as the character set in the Options, then Refresh.</source>
        <translation>Имена похожи на кодировку «%1»: выберите её в параметрах и обновите.</translation>
    </message>
    <message>
        <source>The text contains characters that cannot be stored.
Please use only the characters of the %1 character set.</source>
        <translation>Текст содержит символы, которые нельзя сохранить.
Используйте только символы кодировки «%1».</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Отменить: %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Отменить</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>Повто&amp;рить: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Повто&amp;рить</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>&amp;Открыть…	Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Импорт…</translation>
    </message>
    <message>
        <source>&amp;Report</source>
        <translation>Отчё&amp;т</translation>
    </message>
    <message>
        <source>R&amp;efresh</source>
        <translation>О&amp;бновить</translation>
    </message>
    <message>
        <source>&amp;Clear recent files</source>
        <translation>О&amp;чистить список последних файлов</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Отменить	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Y</source>
        <translation>Повто&amp;рить	Ctrl+Y</translation>
    </message>
    <message>
        <source>&amp;Find...	Ctrl+F</source>
        <translation>&amp;Найти…	Ctrl+F</translation>
    </message>
    <message>
        <source>Find &amp;next	F3</source>
        <translation>Найти &amp;далее	F3</translation>
    </message>
    <message>
        <source>Find pre&amp;vious	Shift+F3</source>
        <translation>Найти &amp;предыдущее	Shift+F3</translation>
    </message>
    <message>
        <source>Re&amp;place...	Ctrl+H</source>
        <translation>&amp;Заменить…	Ctrl+H</translation>
    </message>
    <message>
        <source>&amp;Duplicates...</source>
        <translation>Д&amp;убликаты…</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Настройки</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>&amp;Mail us</source>
        <translation>&amp;Написать нам</translation>
    </message>
    <message>
        <source>&amp;Visit our web site</source>
        <translation>Посетить &amp;веб-сайт</translation>
    </message>
    <message>
        <source>&amp;Read the documentation</source>
        <translation>&amp;Читать документацию</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Правка</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>Пара&amp;метры</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>An unknown error occurred while accessing %1.</source>
        <translation>При обращении к %1 произошла неизвестная ошибка.</translation>
    </message>
    <message>
        <source>No error occurred.</source>
        <translation>Ошибок не произошло.</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>Не удаётся найти %1.</translation>
    </message>
    <message>
        <source>%1 contains an invalid path.</source>
        <translation>Неверный путь: %1.</translation>
    </message>
    <message>
        <source>%1 could not be opened because there are too many open files.</source>
        <translation>Не удалось открыть %1: открыто слишком много файлов.</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>Доступ к %1 запрещён.</translation>
    </message>
    <message>
        <source>An invalid file handle was associated with %1.</source>
        <translation>С %1 был связан недопустимый дескриптор файла.</translation>
    </message>
    <message>
        <source>%1 could not be removed because it is the current directory.</source>
        <translation>Не удалось удалить %1: это текущий каталог.</translation>
    </message>
    <message>
        <source>%1 could not be created because the directory is full.</source>
        <translation>Не удалось создать %1: каталог переполнен.</translation>
    </message>
    <message>
        <source>Seek failed on %1</source>
        <translation>Ошибка позиционирования в %1</translation>
    </message>
    <message>
        <source>A hardware I/O error was reported while accessing %1.</source>
        <translation>При обращении к %1 произошла аппаратная ошибка ввода-вывода.</translation>
    </message>
    <message>
        <source>A sharing violation occurred while accessing %1.</source>
        <translation>При обращении к %1 произошло нарушение совместного доступа.</translation>
    </message>
    <message>
        <source>A locking violation occurred while accessing %1.</source>
        <translation>При обращении к %1 произошло нарушение блокировки.</translation>
    </message>
    <message>
        <source>Disk full while accessing %1.</source>
        <translation>При обращении к %1 диск оказался заполнен.</translation>
    </message>
    <message>
        <source>An attempt was made to access %1 past its end.</source>
        <translation>Была предпринята попытка обращения за конец %1.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 не является обычным файлом.</translation>
    </message>
    <message>
        <source>%1 has more than one name (hard links), and the other names would keep the old contents.</source>
        <translation>У %1 больше одного имени (жёсткие ссылки), и под другими именами осталось бы старое содержимое.</translation>
    </message>
    <message>
        <source>%1 is too large for the file size limit in force (ulimit -f).</source>
        <translation>%1 превышает действующее ограничение размера файла (ulimit -f).</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Не удаётся прочитать файл.</translation>
    </message>
    <message>
        <source>The file is too large to be read.</source>
        <translation>Файл слишком велик для чтения.</translation>
    </message>
    <message>
        <source>The file no longer exists.</source>
        <translation>Файл больше не существует.</translation>
    </message>
    <message>
        <source>The path runs through too many symbolic links.</source>
        <translation>Путь проходит через слишком много символических ссылок.</translation>
    </message>
    <message>
        <source>The profile folder cannot be created.</source>
        <translation>Не удаётся создать папку профиля.</translation>
    </message>
    <message>
        <source>The section name (the disc&apos;s CD key) is empty or holds a control character, so it cannot be written.</source>
        <translation>Имя раздела (ключ CD диска) пустое или содержит управляющий символ, поэтому его нельзя записать.</translation>
    </message>
    <message>
        <source>The text holds a line break, a control character or blanks that the file cannot keep.</source>
        <translation>Текст содержит разрыв строки, управляющий символ или пробелы, которые нельзя сохранить в файле.</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>Папка не существует.</translation>
    </message>
    <message>
        <source>The folder is write-protected.</source>
        <translation>Папка защищена от записи.</translation>
    </message>
    <message>
        <source>It is not an ordinary file.</source>
        <translation>Это не обычный файл.</translation>
    </message>
    <message>
        <source>The file is write-protected.</source>
        <translation>Файл защищён от записи.</translation>
    </message>
    <message>
        <source>The file has more than one name (hard links), and the other names would keep the old contents.</source>
        <translation>У файла больше одного имени (жёсткие ссылки), и под другими именами осталось бы старое содержимое.</translation>
    </message>
    <message>
        <source>The file&apos;s extended attributes (such as its access control list) cannot be carried over.</source>
        <translation>Не удаётся перенести расширенные атрибуты файла (например, его список управления доступом).</translation>
    </message>
    <message>
        <source>The file was changed by another program since Lumo last read it. Please Refresh to see what it holds now, then make the change again.</source>
        <translation>С тех пор как Lumo в последний раз прочитал файл, его изменила другая программа. Выберите «Обновить», чтобы увидеть его текущее содержимое, и внесите изменение снова.</translation>
    </message>
    <message>
        <source>Another program holds a lock on the file while it writes it. Please try again in a moment.</source>
        <translation>Другая программа заблокировала файл, пока записывает его. Повторите попытку чуть позже.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>Диск заполнен.</translation>
    </message>
    <message>
        <source>The file is too large for the file size limit in force (ulimit -f).</source>
        <translation>Файл превышает действующее ограничение размера файла (ulimit -f).</translation>
    </message>
    <message>
        <source>Access was denied.</source>
        <translation>Доступ запрещён.</translation>
    </message>
    <message>
        <source>It is the collection already loaded.</source>
        <translation>Это уже загруженная коллекция.</translation>
    </message>
    <message>
        <source>It holds NUL bytes: it is not a cdplayer.ini.</source>
        <translation>Файл содержит байты NUL: это не cdplayer.ini.</translation>
    </message>
</context>
<context>
    <name>Strings</name>
    <message>
        <source>The unique CD key generated by cdplayer.exe</source>
        <translation>Уникальный ключ CD, созданный cdplayer.exe</translation>
    </message>
    <message>
        <source>Show only the Artists, not their albums or tracks</source>
        <translation>Показывать только исполнителей, без их альбомов и треков</translation>
    </message>
    <message>
        <source>Show Artists and Albums, but not tracks</source>
        <translation>Показывать исполнителей и альбомы, но не треки</translation>
    </message>
    <message>
        <source>fully expand the tree to show all Artists, Albums and Tracks.</source>
        <translation>Полностью развернуть дерево, чтобы показать всех исполнителей, все альбомы и треки.</translation>
    </message>
    <message>
        <source>Automatically set when you expand or collapse a node of the tree</source>
        <translation>Выбирается автоматически, когда вы разворачиваете или сворачиваете узел дерева</translation>
    </message>
    <message>
        <source>The number of artists</source>
        <translation>Число исполнителей</translation>
    </message>
    <message>
        <source>The total number of albums</source>
        <translation>Общее число альбомов</translation>
    </message>
    <message>
        <source>The currently open file</source>
        <translation>Открытый сейчас файл</translation>
    </message>
    <message>
        <source>No cdplayer.ini found: use File &gt; Open... (Ctrl+O), or add its folder in Options &gt; Preferences.</source>
        <translation>Файл cdplayer.ini не найден: выберите «Файл &gt; Открыть…» (Ctrl+O) или добавьте его папку в «Параметры &gt; Настройки».</translation>
    </message>
    <message>
        <source>%1 holds no albums.</source>
        <translation>В %1 нет альбомов.</translation>
    </message>
    <message>
        <source>Open a collection</source>
        <translation>Открыть коллекцию</translation>
    </message>
    <message>
        <source>INI files (*.ini *.INI);;All files (*)</source>
        <translation>Файлы INI (*.ini *.INI);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Import another cdplayer.ini</source>
        <translation>Импорт другого cdplayer.ini</translation>
    </message>
    <message>
        <source>Add the %1 new section(s) of
%2
to the collection? Edit &gt; Undo takes it back.</source>
        <translation>Добавить в коллекцию новые разделы (%1) из файла
%2?
Отменить можно командой «Правка &gt; Отменить».</translation>
    </message>
    <message>
        <source>%1
holds no section that the collection lacks: nothing to import.</source>
        <translation>%1
не содержит разделов, которых нет в коллекции: импортировать нечего.</translation>
    </message>
    <message>
        <source>These CD keys are in the collection already and stay as they are (the other file&apos;s names in brackets):</source>
        <translation>Эти ключи CD уже есть в коллекции и остаются без изменений (в скобках — имена из другого файла):</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>… и ещё %1.</translation>
    </message>
    <message>
        <source>%1
cannot be imported: %2</source>
        <translation>%1
не удаётся импортировать: %2</translation>
    </message>
    <message>
        <source>%1 section(s) imported.</source>
        <translation>Импортировано разделов: %1.</translation>
    </message>
    <message>
        <source>Search path for finding cdplayer.ini.  (Searched left-to-right)</source>
        <translation>Путь поиска cdplayer.ini (просматривается слева направо)</translation>
    </message>
    <message>
        <source>Show or hide unique CD key for each album</source>
        <translation>Показать или скрыть уникальный ключ CD каждого альбома</translation>
    </message>
    <message>
        <source>Turn tooltips on or off</source>
        <translation>Включить или выключить всплывающие подсказки</translation>
    </message>
    <message>
        <source>The code page the names in cdplayer.ini were typed in.  (Used from the next Refresh)</source>
        <translation>Кодовая страница, в которой набраны имена в cdplayer.ini.  (Действует после следующего обновления)</translation>
    </message>
</context>
<context>
    <name>Undo</name>
    <message>
        <source>Rename Track</source>
        <translation>переименование трека</translation>
    </message>
    <message>
        <source>Rename Album</source>
        <translation>переименование альбома</translation>
    </message>
    <message>
        <source>Delete Album</source>
        <translation>удаление альбома</translation>
    </message>
    <message>
        <source>Rename Artist</source>
        <translation>переименование исполнителя</translation>
    </message>
    <message>
        <source>Delete Artist</source>
        <translation>удаление исполнителя</translation>
    </message>
    <message>
        <source>Delete Duplicate</source>
        <translation>удаление дубликата</translation>
    </message>
    <message>
        <source>Merge Artists</source>
        <translation>объединение исполнителей</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>замена</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>импорт</translation>
    </message>
</context>
</TS>
