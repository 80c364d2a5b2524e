<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>About</name>
    <message>
        <source>Lumo is a small browser and editor for cdplayer.ini, the file in which the Audio CD Player (cdplayer.exe) of Windows 95 and Windows NT keeps the artists, titles and track names you typed for your discs.</source>
        <translation>Lumo to niewielka przeglądarka i edytor pliku cdplayer.ini, w którym Odtwarzacz CD (cdplayer.exe) systemów Windows 95 i Windows NT przechowuje wykonawców, tytuły i nazwy utworów wpisane dla Twoich płyt.</translation>
    </message>
    <message>
        <source>It shows that data as a tree of Artist, Album and Track, and can write the whole collection as a formatted report, either as an HTML page or as CSV (comma-separated values).</source>
        <translation>Lumo przedstawia te dane jako drzewo wykonawców, albumów i utworów oraz potrafi zapisać całą kolekcję jako sformatowany raport: stronę HTML albo plik CSV (wartości rozdzielone przecinkami).</translation>
    </message>
    <message>
        <source>Lumo also spots albums that are entered twice under different CD keys and leaves the copies out, which makes it handy when several cdplayer.ini files have been joined into one.</source>
        <translation>Lumo wykrywa też albumy wpisane dwukrotnie pod różnymi kluczami CD i pomija kopie, co przydaje się, gdy kilka plików cdplayer.ini połączono w jeden.</translation>
    </message>
    <message>
        <source>Lumo may be copied and passed on freely, but only complete and unchanged, and it may not be sold or included in anything that is sold.</source>
        <translation>Lumo można swobodnie kopiować i przekazywać dalej, ale wyłącznie w całości i bez zmian; nie wolno go sprzedawać ani dołączać do niczego, co jest sprzedawane.</translation>
    </message>
    <message>
        <source>Lumo is provided as is, without warranty of any kind. Its makers accept no liability for any loss or damage that comes from using it, including the loss of data: keep a copy of your cdplayer.ini.</source>
        <translation>Lumo jest dostarczany w takim stanie, w jakim jest, bez jakiejkolwiek gwarancji. Jego twórcy nie ponoszą odpowiedzialności za żadne straty ani szkody wynikające z jego używania, w tym za utratę danych: zachowaj kopię swojego pliku cdplayer.ini.</translation>
    </message>
</context>
<context>
    <name>CodePage</name>
    <message>
        <source>Western European (Windows-1252)</source>
        <translation>Zachodnioeuropejski (Windows-1252)</translation>
    </message>
    <message>
        <source>Central European (Windows-1250)</source>
        <translation>Środkowoeuropejski (Windows-1250)</translation>
    </message>
    <message>
        <source>Cyrillic (Windows-1251)</source>
        <translation>Cyrylica (Windows-1251)</translation>
    </message>
    <message>
        <source>Greek (Windows-1253)</source>
        <translation>Grecki (Windows-1253)</translation>
    </message>
    <message>
        <source>Turkish (Windows-1254)</source>
        <translation>Turecki (Windows-1254)</translation>
    </message>
    <message>
        <source>Hebrew (Windows-1255)</source>
        <translation>Hebrajski (Windows-1255)</translation>
    </message>
    <message>
        <source>Arabic (Windows-1256)</source>
        <translation>Arabski (Windows-1256)</translation>
    </message>
    <message>
        <source>Baltic (Windows-1257)</source>
        <translation>Bałtycki (Windows-1257)</translation>
    </message>
    <message>
        <source>Vietnamese (Windows-1258)</source>
        <translation>Wietnamski (Windows-1258)</translation>
    </message>
    <message>
        <source>Thai (Windows-874)</source>
        <translation>Tajski (Windows-874)</translation>
    </message>
    <message>
        <source>Japanese (Shift-JIS)</source>
        <translation>Japoński (Shift-JIS)</translation>
    </message>
    <message>
        <source>Simplified Chinese (GBK)</source>
        <translation>Chiński uproszczony (GBK)</translation>
    </message>
    <message>
        <source>Korean (Windows-949)</source>
        <translation>Koreański (Windows-949)</translation>
    </message>
    <message>
        <source>Traditional Chinese (Big5)</source>
        <translation>Chiński tradycyjny (Big5)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--format takes html, csv or json, not &quot;%1&quot;</source>
        <translation>--format przyjmuje html, csv lub json, a nie „%1”</translation>
    </message>
    <message>
        <source>--format, --title and --comment go with --report</source>
        <translation>--format, --title i --comment działają tylko z --report</translation>
    </message>
    <message>
        <source>--report needs a file name</source>
        <translation>--report wymaga nazwy pliku</translation>
    </message>
    <message>
        <source>--merge needs a file name</source>
        <translation>--merge wymaga nazwy pliku</translation>
    </message>
    <message>
        <source>--ini goes with --report, --list, --duplicates or --merge</source>
        <translation>--ini działa tylko z --report, --list, --duplicates lub --merge</translation>
    </message>
    <message>
        <source>one file at a time: %1 and %2 were named</source>
        <translation>tylko jeden plik naraz: podano %1 i %2</translation>
    </message>
    <message>
        <source>the collection goes with --ini, not as %1</source>
        <translation>kolekcję podaje się przez --ini, a nie jako %1</translation>
    </message>
    <message>
        <source>unknown argument %1</source>
        <translation>nieznany argument %1</translation>
    </message>
    <message>
        <source>nothing to do</source>
        <translation>nic do zrobienia</translation>
    </message>
    <message>
        <source>unexpected %1</source>
        <translation>nieoczekiwany argument %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 wymaga wartości</translation>
    </message>
    <message>
        <source>%1 cannot be combined with another command</source>
        <translation>opcji %1 nie można łączyć z innym poleceniem</translation>
    </message>
    <message>
        <source>: is too large to be loaded: a cdplayer.ini of more than 1 GB is not read</source>
        <translation>: jest za duży, aby go wczytać: plik cdplayer.ini większy niż 1 GB nie jest odczytywany</translation>
    </message>
    <message>
        <source>: cannot be read as cdplayer.ini</source>
        <translation>: nie można odczytać jako cdplayer.ini</translation>
    </message>
    <message>
        <source>: not found</source>
        <translation>: nie znaleziono</translation>
    </message>
    <message>
        <source>cdplayer.ini: not found along the search path &quot;%1&quot; (see --ini)</source>
        <translation>cdplayer.ini: nie znaleziono w ścieżce wyszukiwania „%1” (zob. --ini)</translation>
    </message>
    <message>
        <source>standard output: cannot be written</source>
        <translation>standardowe wyjście: nie można zapisać</translation>
    </message>
    <message>
        <source>%1 section(s) added</source>
        <translation>dodane sekcje: %1</translation>
    </message>
    <message>
        <source>kept %1: %2 (the other file has %3)</source>
        <translation>zachowano %1: %2 (w drugim pliku: %3)</translation>
    </message>
    <message>
        <source>the title and the comment must keep to the Western European (Windows-1252) characters</source>
        <translation>tytuł i komentarz mogą zawierać tylko znaki zachodnioeuropejskie (Windows-1252)</translation>
    </message>
    <message>
        <source>: the report could not be written (check the folder and the name)</source>
        <translation>: nie udało się zapisać raportu (sprawdź folder i nazwę)</translation>
    </message>
    <message>
        <source> (see lumo --help)</source>
        <translation> (zob. lumo --help)</translation>
    </message>
    <message>
        <source>%1 duplicate album(s) left out, the first of each kept</source>
        <translation>pominięte zduplikowane albumy: %1 (z każdej grupy zachowano pierwszy)</translation>
    </message>
    <message>
        <source>%1: could not be handed to the running Lumo</source>
        <translation>%1: nie udało się przekazać do działającego programu Lumo</translation>
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
        <translation>Użycie: lumo [PLIK]
        lumo [--report PLIK [--format html|csv|json] [--title TEKST] [--comment TEKST]] [--list]
             [--duplicates] [--merge INNY] [--ini CDPLAYER_INI] [--codepage N] [--help] [--version]
Bez opcji Lumo otwiera swoje okno z plikiem PLIK, a jeśli go nie podano, z pierwszym
plikiem cdplayer.ini znalezionym w ścieżce wyszukiwania. Jeśli Lumo już działa,
jego okno otwiera PLIK i przechodzi na wierzch.
  --report PLIK     zapisuje raport kolekcji do pliku PLIK, bez otwierania okna
  --format FORMAT   html, csv lub json; domyślnie csv, gdy PLIK ma rozszerzenie .csv, .txt
                    lub .asc, json dla .json, a w pozostałych przypadkach html
  --title TEKST     tytuł raportu HTML (domyślnie: Output)
  --comment TEKST   komentarz raportu HTML
  --list            wypisuje kolekcję jako wiersze rozdzielone tabulatorami, w UTF-8:
                    wykonawca, album, numer utworu, nazwa utworu
  --duplicates      wypisuje każdy album pominięty jako duplikat w wierszach rozdzielonych
                    tabulatorami, w UTF-8: zachowany klucz CD, pominięty klucz CD,
                    wykonawca, tytuł
  --merge INNY      dodaje do kolekcji każdą sekcję pliku cdplayer.ini INNY, której
                    klucza CD w niej brakuje; sekcje, które już ma, pozostają bez zmian
                    i są wypisywane
  --ini PLIK        plik cdplayer.ini do odczytu (domyślnie: pierwszy znaleziony
                    w ścieżce wyszukiwania zapisanej w lumo.ini)
  --codepage N      strona kodowa Windows nazw w kolekcji, np. 1251 lub 932
                    (domyślnie: wybrana w Opcjach, a jeśli brak, 1252)
  --help            wyświetla tę pomoc
  --version         wyświetla wersję
Kod wyjścia: 0 zakończono, 1 nie udało się odczytać lub zapisać pliku, 2 błąd użycia.
</translation>
    </message>
    <message>
        <source>--codepage takes one of %1, not &quot;%2&quot;</source>
        <translation>--codepage przyjmuje jedną z wartości %1, a nie „%2”</translation>
    </message>
    <message>
        <source>--codepage goes with --report, --list, --duplicates or --merge</source>
        <translation>--codepage działa tylko z --report, --list, --duplicates lub --merge</translation>
    </message>
</context>
<context>
    <name>Dialog</name>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Widok</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>Wykonawca</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>Album</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Wszystko</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Własny</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Informacje</translation>
    </message>
    <message>
        <source>Artists</source>
        <translation>Wykonawcy</translation>
    </message>
    <message>
        <source>Albums</source>
        <translation>Albumy</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Raport</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>&amp;Search path for cdplayer.ini</source>
        <translation>Ś&amp;cieżka wyszukiwania pliku cdplayer.ini</translation>
    </message>
    <message>
        <source>Show CD keys</source>
        <translation>Pokaż klucze CD</translation>
    </message>
    <message>
        <source>Enable ToolTips</source>
        <translation>Włącz podpowiedzi</translation>
    </message>
    <message>
        <source>Loaded</source>
        <translation>Wczytano</translation>
    </message>
    <message>
        <source>Formatted</source>
        <translation>Opracowano</translation>
    </message>
    <message>
        <source>&amp;Title</source>
        <translation>&amp;Tytuł</translation>
    </message>
    <message>
        <source>&amp;Comment</source>
        <translation>&amp;Komentarz</translation>
    </message>
    <message>
        <source>&amp;Filename</source>
        <translation>&amp;Nazwa pliku</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Przeglądaj</translation>
    </message>
    <message>
        <source>Report format</source>
        <translation>Format raportu</translation>
    </message>
    <message>
        <source>HTML</source>
        <translation>HTML</translation>
    </message>
    <message>
        <source>CSV (comma-delimited ASCII)</source>
        <translation>CSV (ASCII rozdzielany przecinkami)</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Wyświetl</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Apply to all subsequent duplicates like this</source>
        <translation>Zastosuj do wszystkich kolejnych takich duplikatów</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>Zaznaczony</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Tytuł</translation>
    </message>
    <message>
        <source>Existing entry</source>
        <translation>Istniejący wpis</translation>
    </message>
    <message>
        <source>New entry</source>
        <translation>Nowy wpis</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <source>&amp;Web page</source>
        <translation>&amp;Strona WWW</translation>
    </message>
    <message>
        <source>&amp;Mail us!</source>
        <translation>&amp;Napisz do nas!</translation>
    </message>
    <message>
        <source>&amp;Read the documentation</source>
        <translation>&amp;Przeczytaj dokumentację</translation>
    </message>
    <message>
        <source>Fi&amp;nd what:</source>
        <translation>&amp;Znajdź:</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>&amp;Uwzględniaj wielkość liter</translation>
    </message>
    <message>
        <source>Look in</source>
        <translation>Szukaj w</translation>
    </message>
    <message>
        <source>&amp;Artists</source>
        <translation>&amp;Wykonawcy</translation>
    </message>
    <message>
        <source>A&amp;lbums</source>
        <translation>&amp;Albumy</translation>
    </message>
    <message>
        <source>&amp;Tracks</source>
        <translation>U&amp;twory</translation>
    </message>
    <message>
        <source>&amp;Find next</source>
        <translation>Znajdź &amp;następny</translation>
    </message>
    <message>
        <source>Find &amp;previous</source>
        <translation>Znajdź &amp;poprzedni</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>&amp;Albums entered more than once:</source>
        <translation>&amp;Albumy wpisane więcej niż raz:</translation>
    </message>
    <message>
        <source>&amp;Tracks of the selected entry:</source>
        <translation>U&amp;twory zaznaczonego wpisu:</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>&amp;Groups of similar artist names:</source>
        <translation>&amp;Grupy podobnych nazw wykonawców:</translation>
    </message>
    <message>
        <source>&amp;Spelling to give them all:</source>
        <translation>&amp;Pisownia dla nich wszystkich:</translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <translation>&amp;Scal</translation>
    </message>
    <message>
        <source>Re&amp;place with:</source>
        <translation>Zamień &amp;na:</translation>
    </message>
    <message>
        <source>&amp;Replace all</source>
        <translation>Za&amp;mień wszystko</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Generate report</source>
        <translation>Generuj raport</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Znajdowanie</translation>
    </message>
    <message>
        <source>Duplicate album found</source>
        <translation>Znaleziono zduplikowany album</translation>
    </message>
    <message>
        <source>Duplicates</source>
        <translation>Duplikaty</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Zamienianie</translation>
    </message>
    <message>
        <source>&amp;Character set:</source>
        <translation>&amp;Zestaw znaków:</translation>
    </message>
</context>
<context>
    <name>Lumo</name>
    <message>
        <source>There is not enough memory to finish the operation.

It has been stopped.</source>
        <translation>Za mało pamięci, aby dokończyć operację.

Operacja została przerwana.</translation>
    </message>
    <message>
        <source>an unknown error</source>
        <translation>nieznany błąd</translation>
    </message>
    <message>
        <source>The operation could not be finished:
%1

It has been stopped.</source>
        <translation>Nie udało się dokończyć operacji:
%1

Operacja została przerwana.</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>O programie %1</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Przegląd</translation>
    </message>
    <message>
        <source>Distribution and Legal</source>
        <translation>Rozpowszechnianie i informacje prawne</translation>
    </message>
    <message>
        <source>Unable to locate %s.html.  It is most likely that you have an incomplete
copy of %s.  Please complain to whoever sent it to you,
and visit our web site to get the complete version of the software.</source>
        <translation>Nie można znaleźć pliku %s.html. Najprawdopodobniej Twoja kopia programu %s
jest niekompletna. Zgłoś to osobie, od której ją masz,
i odwiedź naszą stronę WWW, aby pobrać pełną wersję programu.</translation>
    </message>
    <message>
        <source>Can&apos;t generate a mail message.  Do you have mail installed?</source>
        <translation>Nie można utworzyć wiadomości e-mail. Czy masz zainstalowany program pocztowy?</translation>
    </message>
    <message>
        <source>Failed to send mail - tried indirect (browser) and direct (MAPI)</source>
        <translation>Nie udało się wysłać wiadomości – próbowano pośrednio (przeglądarka) i bezpośrednio (MAPI)</translation>
    </message>
    <message>
        <source>The change could not be written to</source>
        <translation>Nie udało się zapisać zmiany w pliku</translation>
    </message>
    <message>
        <source>%1 names will change.
Replace them all?
(Edit &gt; Undo takes it back.)</source>
        <translation>Liczba nazw do zmiany: %1.
Zamienić wszystkie?
(Edycja &gt; Cofnij odwraca zmianę.)</translation>
    </message>
    <message>
        <source>Replaced %1 names.</source>
        <translation>Liczba zamienionych nazw: %1.</translation>
    </message>
    <message>
        <source>Cannot find &quot;%1&quot;.</source>
        <translation>Nie można znaleźć „%1”.</translation>
    </message>
    <message>
        <source>Every name with &quot;%1&quot; stays as it is: nothing to replace.</source>
        <translation>Wszystkie nazwy zawierające „%1” pozostają bez zmian: nie ma czego zamieniać.</translation>
    </message>
    <message>
        <source>Replace all would change &quot;%1&quot;, which is refused:

%2

Nothing has been changed.</source>
        <translation>„Zamień wszystko” zmieniłoby „%1”, na co nie ma zgody:

%2

Nic nie zostało zmienione.</translation>
    </message>
    <message>
        <source>An album&apos;s title cannot be empty.
Please choose another text.</source>
        <translation>Tytuł albumu nie może być pusty.
Wybierz inny tekst.</translation>
    </message>
    <message>
        <source>The name would grow past 1023 characters, more than the CD player can read.
Please choose a shorter text.</source>
        <translation>Nazwa przekroczyłaby 1023 znaki – więcej, niż Odtwarzacz CD potrafi odczytać.
Wybierz krótszy tekst.</translation>
    </message>
    <message>
        <source>%1: %2 - %3, %4 tracks</source>
        <translation>%1: %2 - %3, utwory: %4</translation>
    </message>
    <message>
        <source> (shown in the tree)</source>
        <translation> (widoczny w drzewie)</translation>
    </message>
    <message>
        <source>Duplicate albums</source>
        <translation>Zduplikowane albumy</translation>
    </message>
    <message>
        <source>Similar artists</source>
        <translation>Podobni wykonawcy</translation>
    </message>
    <message>
        <source>&amp;Artist</source>
        <translation>&amp;Wykonawca</translation>
    </message>
    <message>
        <source>A&amp;lbum</source>
        <translation>&amp;Album</translation>
    </message>
    <message>
        <source>&amp;Track</source>
        <translation>U&amp;twór</translation>
    </message>
    <message>
        <source>Edit Artist</source>
        <translation>Edytuj wykonawcę</translation>
    </message>
    <message>
        <source>Edit Album</source>
        <translation>Edytuj album</translation>
    </message>
    <message>
        <source>Edit Track</source>
        <translation>Edytuj utwór</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(puste)</translation>
    </message>
    <message>
        <source>The name contains a line break or a control character (NUL, Ctrl-Z) that cdplayer.ini cannot hold.
Please remove it.</source>
        <translation>Nazwa zawiera znak końca wiersza lub znak sterujący (NUL, Ctrl-Z), którego plik cdplayer.ini nie może przechować.
Usuń go.</translation>
    </message>
    <message>
        <source>&quot;&lt;UNKNOWN&gt;&quot; stands for a disc without an artist, and such discs are not shown.
Please choose another name.</source>
        <translation>„&lt;UNKNOWN&gt;” oznacza płytę bez wykonawcy, a takie płyty nie są wyświetlane.
Wybierz inną nazwę.</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edytuj</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Przenieś</translation>
    </message>
    <message>
        <source>Nothing has been changed.</source>
        <translation>Nic nie zostało zmienione.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this artist
and ALL albums attached to it?
(Edit &gt; Undo takes it back.)</source>
        <translation>Czy na pewno chcesz usunąć tego wykonawcę
i WSZYSTKIE jego albumy?
(Edycja &gt; Cofnij odwraca zmianę.)</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this album?
(Edit &gt; Undo takes it back.)</source>
        <translation>Czy na pewno chcesz usunąć ten album?
(Edycja &gt; Cofnij odwraca zmianę.)</translation>
    </message>
    <message>
        <source>Moving not implemented yet</source>
        <translation>Przenoszenie nie jest jeszcze dostępne</translation>
    </message>
    <message>
        <source>Lumo already has an entry for this, but it has a different CD key.  This sometimes happens when an album is re-released or when some programs (like WinDac32) write several albums with a blank artist and title field.</source>
        <translation>Lumo ma już wpis dla tej płyty, ale z innym kluczem CD. Zdarza się to czasem, gdy album zostaje wydany ponownie albo gdy niektóre programy (np. WinDac32) zapisują kilka albumów z pustym polem wykonawcy i tytułu.</translation>
    </message>
    <message>
        <source>The import could not be written to</source>
        <translation>Nie udało się zapisać importu w pliku</translation>
    </message>
    <message>
        <source>
is too large to be loaded: a cdplayer.ini of more than 1 GB is not read.</source>
        <translation>
jest za duży, aby go wczytać: plik cdplayer.ini większy niż 1 GB nie jest odczytywany.</translation>
    </message>
    <message>
        <source>
cannot be read: please check that it is a file you may read.</source>
        <translation>
nie można odczytać: sprawdź, czy to plik, do którego odczytu masz uprawnienia.</translation>
    </message>
    <message>
        <source>The All level would show %1 rows, more than the %2 that can be shown at once.
Choose Album and open the albums you want, or use Find to go to a name.</source>
        <translation>Poziom „Wszystko” wymagałby pokazania zbyt wielu wierszy (%1); naraz można pokazać najwyżej %2.
Wybierz „Album” i otwórz potrzebne albumy albo przejdź do nazwy za pomocą polecenia „Znajdź”.</translation>
    </message>
    <message>
        <source>Can&apos;t find cdplayer.ini.
Please check the path and try again</source>
        <translation>Nie można znaleźć pliku cdplayer.ini.
Sprawdź ścieżkę i spróbuj ponownie</translation>
    </message>
    <message>
        <source>The change could not be undone in</source>
        <translation>Nie udało się cofnąć zmiany w pliku</translation>
    </message>
    <message>
        <source>The change could not be redone in</source>
        <translation>Nie udało się ponowić zmiany w pliku</translation>
    </message>
    <message>
        <source>Passed the end; searched on from the top.</source>
        <translation>Osiągnięto koniec; wyszukiwanie kontynuowano od początku.</translation>
    </message>
    <message>
        <source>Passed the top; searched on from the end.</source>
        <translation>Osiągnięto początek; wyszukiwanie kontynuowano od końca.</translation>
    </message>
    <message>
        <source>%1 artists</source>
        <translation>Wykonawcy: %1</translation>
    </message>
    <message>
        <source>%1 albums</source>
        <translation>Albumy: %1</translation>
    </message>
    <message>
        <source>The path contains characters that this system cannot use in file names.</source>
        <translation>Ścieżka zawiera znaki, których ten system nie może używać w nazwach plików.</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Maksymalna liczba znaków: %1.</translation>
    </message>
    <message>
        <source>HTML files (*.htm;*.html)|*.htm;*.html|All Files (*.*)|*.*||</source>
        <translation>Pliki HTML (*.htm;*.html)|*.htm;*.html|Wszystkie pliki (*.*)|*.*||</translation>
    </message>
    <message>
        <source>CSV files (*.csv)|*.csv|Text files (*.txt;*.asc)|*.txt;*.asc|All Files (*.*)|*.*||</source>
        <translation>Pliki CSV (*.csv)|*.csv|Pliki tekstowe (*.txt;*.asc)|*.txt;*.asc|Wszystkie pliki (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Report generated Ok</source>
        <translation>Raport został utworzony</translation>
    </message>
    <message>
        <source>Failed to generate report.
Possible causes are an incorrect filename, or the file specified may be in use by another application</source>
        <translation>Nie udało się utworzyć raportu.
Możliwe przyczyny to nieprawidłowa nazwa pliku albo plik używany przez inną aplikację</translation>
    </message>
    <message>
        <source>Failed to execute the &quot;open&quot; verb on %s
Check that you have a default association for this file type</source>
        <translation>Nie udało się otworzyć %s.
Sprawdź, czy z tym typem pliku jest skojarzony program domyślny</translation>
    </message>
    <message>
        <source>The chosen file name contains characters that this system cannot use in file names.</source>
        <translation>Wybrana nazwa pliku zawiera znaki, których ten system nie może używać w nazwach plików.</translation>
    </message>
    <message>
        <source>Please keep the search path on one line, with its folders separated by &quot;;&quot;.</source>
        <translation>Wpisz ścieżkę wyszukiwania w jednym wierszu, oddzielając foldery znakiem „;”.</translation>
    </message>
    <message>
        <source>There was a problem saving the options.
Please check that lumo.ini is not write-protected.</source>
        <translation>Wystąpił problem podczas zapisywania opcji.
Sprawdź, czy plik lumo.ini nie jest chroniony przed zapisem.</translation>
    </message>
    <message>
        <source>%1 names with bytes that are no characters of the character set are left as they are.</source>
        <translation>Nazwy z bajtami, które nie są znakami zestawu, pozostają bez zmian (%1).</translation>
    </message>
    <message>
        <source>This name holds bytes that are no characters of the %1 character set, so it cannot be edited: its bytes are kept as they are.
If the names look wrong, choose their character set in the Options, then Refresh.</source>
        <translation>Ta nazwa zawiera bajty, które nie są znakami zestawu %1, więc nie można jej edytować: jej bajty pozostają bez zmian.
Jeśli nazwy wyglądają źle, wybierz ich zestaw znaków w Opcjach, a potem odśwież.</translation>
    </message>
    <message>
        <source>The names look typed in %1: choose it as the character set in the Options, then Refresh.</source>
        <translation>Nazwy wyglądają na zapisane w zestawie %1: wybierz go w Opcjach, a potem odśwież.</translation>
    </message>
    <message>
        <source>The text contains characters that cannot be stored.
Please use only the characters of the %1 character set.</source>
        <translation>Tekst zawiera znaki, których nie można zapisać.
Używaj tylko znaków z zestawu %1.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Cofnij: %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Ponów: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ponów</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>&amp;Otwórz...	Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importuj...</translation>
    </message>
    <message>
        <source>&amp;Report</source>
        <translation>&amp;Raport</translation>
    </message>
    <message>
        <source>R&amp;efresh</source>
        <translation>O&amp;dśwież</translation>
    </message>
    <message>
        <source>&amp;Clear recent files</source>
        <translation>&amp;Wyczyść listę ostatnich plików</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Cofnij	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Y</source>
        <translation>&amp;Ponów	Ctrl+Y</translation>
    </message>
    <message>
        <source>&amp;Find...	Ctrl+F</source>
        <translation>&amp;Znajdź...	Ctrl+F</translation>
    </message>
    <message>
        <source>Find &amp;next	F3</source>
        <translation>Znajdź &amp;następny	F3</translation>
    </message>
    <message>
        <source>Find pre&amp;vious	Shift+F3</source>
        <translation>Znajdź p&amp;oprzedni	Shift+F3</translation>
    </message>
    <message>
        <source>Re&amp;place...	Ctrl+H</source>
        <translation>Za&amp;mień...	Ctrl+H</translation>
    </message>
    <message>
        <source>&amp;Duplicates...</source>
        <translation>&amp;Duplikaty...</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Ustawienia</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programie Lumo</translation>
    </message>
    <message>
        <source>&amp;Mail us</source>
        <translation>&amp;Wyślij nam e-mail</translation>
    </message>
    <message>
        <source>&amp;Visit our web site</source>
        <translation>Odwiedź naszą &amp;stronę WWW</translation>
    </message>
    <message>
        <source>&amp;Read the documentation</source>
        <translation>&amp;Przeczytaj dokumentację</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opcje</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>An unknown error occurred while accessing %1.</source>
        <translation>Podczas dostępu do %1 wystąpił nieznany błąd.</translation>
    </message>
    <message>
        <source>No error occurred.</source>
        <translation>Nie wystąpił żaden błąd.</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>Nie znaleziono %1.</translation>
    </message>
    <message>
        <source>%1 contains an invalid path.</source>
        <translation>%1 zawiera nieprawidłową ścieżkę.</translation>
    </message>
    <message>
        <source>%1 could not be opened because there are too many open files.</source>
        <translation>Nie można otworzyć %1, ponieważ otwartych jest zbyt wiele plików.</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>Odmowa dostępu do %1.</translation>
    </message>
    <message>
        <source>An invalid file handle was associated with %1.</source>
        <translation>Z %1 powiązano nieprawidłowe dojście do pliku.</translation>
    </message>
    <message>
        <source>%1 could not be removed because it is the current directory.</source>
        <translation>Nie można usunąć %1, ponieważ jest to bieżący katalog.</translation>
    </message>
    <message>
        <source>%1 could not be created because the directory is full.</source>
        <translation>Nie można utworzyć %1, ponieważ katalog jest pełny.</translation>
    </message>
    <message>
        <source>Seek failed on %1</source>
        <translation>Nie udało się ustawić pozycji w %1</translation>
    </message>
    <message>
        <source>A hardware I/O error was reported while accessing %1.</source>
        <translation>Podczas dostępu do %1 zgłoszono sprzętowy błąd we/wy.</translation>
    </message>
    <message>
        <source>A sharing violation occurred while accessing %1.</source>
        <translation>Podczas dostępu do %1 wystąpiło naruszenie udostępniania.</translation>
    </message>
    <message>
        <source>A locking violation occurred while accessing %1.</source>
        <translation>Podczas dostępu do %1 wystąpiło naruszenie blokady.</translation>
    </message>
    <message>
        <source>Disk full while accessing %1.</source>
        <translation>Podczas dostępu do %1 dysk był pełny.</translation>
    </message>
    <message>
        <source>An attempt was made to access %1 past its end.</source>
        <translation>Próbowano uzyskać dostęp do %1 poza jego końcem.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 nie jest zwykłym plikiem.</translation>
    </message>
    <message>
        <source>%1 has more than one name (hard links), and the other names would keep the old contents.</source>
        <translation>%1 ma więcej niż jedną nazwę (dowiązania twarde), a pozostałe nazwy zachowałyby starą zawartość.</translation>
    </message>
    <message>
        <source>%1 is too large for the file size limit in force (ulimit -f).</source>
        <translation>%1 przekracza obowiązujący limit rozmiaru pliku (ulimit -f).</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Nie można odczytać pliku.</translation>
    </message>
    <message>
        <source>The file is too large to be read.</source>
        <translation>Plik jest za duży, aby go odczytać.</translation>
    </message>
    <message>
        <source>The file no longer exists.</source>
        <translation>Plik już nie istnieje.</translation>
    </message>
    <message>
        <source>The path runs through too many symbolic links.</source>
        <translation>Ścieżka prowadzi przez zbyt wiele dowiązań symbolicznych.</translation>
    </message>
    <message>
        <source>The profile folder cannot be created.</source>
        <translation>Nie można utworzyć folderu profilu.</translation>
    </message>
    <message>
        <source>The section name (the disc&apos;s CD key) is empty or holds a control character, so it cannot be written.</source>
        <translation>Nazwa sekcji (klucz CD płyty) jest pusta lub zawiera znak sterujący, więc nie można jej zapisać.</translation>
    </message>
    <message>
        <source>The text holds a line break, a control character or blanks that the file cannot keep.</source>
        <translation>Tekst zawiera znak końca wiersza, znak sterujący lub spacje, których plik nie może zachować.</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>Folder nie istnieje.</translation>
    </message>
    <message>
        <source>The folder is write-protected.</source>
        <translation>Folder jest chroniony przed zapisem.</translation>
    </message>
    <message>
        <source>It is not an ordinary file.</source>
        <translation>To nie jest zwykły plik.</translation>
    </message>
    <message>
        <source>The file is write-protected.</source>
        <translation>Plik jest chroniony przed zapisem.</translation>
    </message>
    <message>
        <source>The file has more than one name (hard links), and the other names would keep the old contents.</source>
        <translation>Plik ma więcej niż jedną nazwę (dowiązania twarde), a pozostałe nazwy zachowałyby starą zawartość.</translation>
    </message>
    <message>
        <source>The file&apos;s extended attributes (such as its access control list) cannot be carried over.</source>
        <translation>Nie można przenieść atrybutów rozszerzonych pliku (np. jego listy kontroli dostępu).</translation>
    </message>
    <message>
        <source>The file was changed by another program since Lumo last read it. Please Refresh to see what it holds now, then make the change again.</source>
        <translation>Plik został zmieniony przez inny program, odkąd Lumo ostatnio go odczytał. Użyj polecenia Odśwież, aby zobaczyć jego obecną zawartość, a następnie wprowadź zmianę ponownie.</translation>
    </message>
    <message>
        <source>Another program holds a lock on the file while it writes it. Please try again in a moment.</source>
        <translation>Inny program blokuje plik na czas zapisu. Spróbuj ponownie za chwilę.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>Dysk jest pełny.</translation>
    </message>
    <message>
        <source>The file is too large for the file size limit in force (ulimit -f).</source>
        <translation>Plik przekracza obowiązujący limit rozmiaru pliku (ulimit -f).</translation>
    </message>
    <message>
        <source>Access was denied.</source>
        <translation>Odmowa dostępu.</translation>
    </message>
    <message>
        <source>It is the collection already loaded.</source>
        <translation>To jest już wczytana kolekcja.</translation>
    </message>
    <message>
        <source>It holds NUL bytes: it is not a cdplayer.ini.</source>
        <translation>Zawiera bajty NUL: to nie jest plik cdplayer.ini.</translation>
    </message>
</context>
<context>
    <name>Strings</name>
    <message>
        <source>The unique CD key generated by cdplayer.exe</source>
        <translation>Unikatowy klucz CD wygenerowany przez cdplayer.exe</translation>
    </message>
    <message>
        <source>Show only the Artists, not their albums or tracks</source>
        <translation>Pokaż tylko wykonawców, bez ich albumów i utworów</translation>
    </message>
    <message>
        <source>Show Artists and Albums, but not tracks</source>
        <translation>Pokaż wykonawców i albumy, ale bez utworów</translation>
    </message>
    <message>
        <source>fully expand the tree to show all Artists, Albums and Tracks.</source>
        <translation>Rozwiń całe drzewo, aby pokazać wszystkich wykonawców, albumy i utwory.</translation>
    </message>
    <message>
        <source>Automatically set when you expand or collapse a node of the tree</source>
        <translation>Ustawiane automatycznie po rozwinięciu lub zwinięciu węzła drzewa</translation>
    </message>
    <message>
        <source>The number of artists</source>
        <translation>Liczba wykonawców</translation>
    </message>
    <message>
        <source>The total number of albums</source>
        <translation>Łączna liczba albumów</translation>
    </message>
    <message>
        <source>The currently open file</source>
        <translation>Obecnie otwarty plik</translation>
    </message>
    <message>
        <source>No cdplayer.ini found: use File &gt; Open... (Ctrl+O), or add its folder in Options &gt; Preferences.</source>
        <translation>Nie znaleziono pliku cdplayer.ini: użyj polecenia Plik &gt; Otwórz... (Ctrl+O) lub dodaj jego folder w Opcje &gt; Ustawienia.</translation>
    </message>
    <message>
        <source>%1 holds no albums.</source>
        <translation>%1 nie zawiera żadnych albumów.</translation>
    </message>
    <message>
        <source>Open a collection</source>
        <translation>Otwórz kolekcję</translation>
    </message>
    <message>
        <source>INI files (*.ini *.INI);;All files (*)</source>
        <translation>Pliki INI (*.ini *.INI);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Import another cdplayer.ini</source>
        <translation>Importuj inny plik cdplayer.ini</translation>
    </message>
    <message>
        <source>Add the %1 new section(s) of
%2
to the collection? Edit &gt; Undo takes it back.</source>
        <translation>Nowe sekcje: %1. Dodać je z pliku
%2
do kolekcji? Edycja &gt; Cofnij odwraca zmianę.</translation>
    </message>
    <message>
        <source>%1
holds no section that the collection lacks: nothing to import.</source>
        <translation>%1
nie zawiera żadnej sekcji, której brakuje w kolekcji: nie ma nic do zaimportowania.</translation>
    </message>
    <message>
        <source>These CD keys are in the collection already and stay as they are (the other file&apos;s names in brackets):</source>
        <translation>Te klucze CD są już w kolekcji i pozostają bez zmian (nazwy z drugiego pliku w nawiasach):</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... i jeszcze %1.</translation>
    </message>
    <message>
        <source>%1
cannot be imported: %2</source>
        <translation>%1
nie można zaimportować: %2</translation>
    </message>
    <message>
        <source>%1 section(s) imported.</source>
        <translation>Zaimportowane sekcje: %1.</translation>
    </message>
    <message>
        <source>Search path for finding cdplayer.ini.  (Searched left-to-right)</source>
        <translation>Ścieżka wyszukiwania pliku cdplayer.ini (przeszukiwana od lewej do prawej)</translation>
    </message>
    <message>
        <source>Show or hide unique CD key for each album</source>
        <translation>Pokaż lub ukryj unikatowy klucz CD każdego albumu</translation>
    </message>
    <message>
        <source>Turn tooltips on or off</source>
        <translation>Włącz lub wyłącz podpowiedzi</translation>
    </message>
    <message>
        <source>The code page the names in cdplayer.ini were typed in.  (Used from the next Refresh)</source>
        <translation>Strona kodowa, w której wpisano nazwy w pliku cdplayer.ini.  (Obowiązuje od następnego odświeżenia)</translation>
    </message>
</context>
<context>
    <name>Undo</name>
    <message>
        <source>Rename Track</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Rename Album</source>
        <translation>Zmiana nazwy utworu</translation>
    </message>
    <message>
        <source>Delete Album</source>
        <translation>Zmiana nazwy albumu</translation>
    </message>
    <message>
        <source>Rename Artist</source>
        <translation>Usunięcie albumu</translation>
    </message>
    <message>
        <source>Delete Artist</source>
        <translation>Zmiana nazwy wykonawcy</translation>
    </message>
    <message>
        <source>Delete Duplicate</source>
        <translation>Usunięcie wykonawcy</translation>
    </message>
    <message>
        <source>Merge Artists</source>
        <translation>Usunięcie duplikatu</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Scalenie wykonawców</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Zamiana</translation>
    </message>
</context>
</TS>
