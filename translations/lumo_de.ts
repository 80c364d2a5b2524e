<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>About</name>
    <message>
        <source>Lumo is a small browser and editor for cdplayer.ini, the file in which the Audio CD Player (cdplayer.exe) of Windows 95 and Windows NT keeps the artists, titles and track names you typed for your discs.</source>
        <translation>Lumo ist ein kleiner Betrachter und Editor für cdplayer.ini, die Datei, in der die CD-Wiedergabe (cdplayer.exe) von Windows 95 und Windows NT die Interpreten, Albentitel und Titelnamen speichert, die Sie für Ihre CDs eingegeben haben.</translation>
    </message>
    <message>
        <source>It shows that data as a tree of Artist, Album and Track, and can write the whole collection as a formatted report, either as an HTML page or as CSV (comma-separated values).</source>
        <translation>Lumo zeigt diese Daten als Baum aus Interpret, Album und Titel und kann die ganze Sammlung als formatierten Bericht schreiben, entweder als HTML-Seite oder als CSV (kommagetrennte Werte).</translation>
    </message>
    <message>
        <source>Lumo also spots albums that are entered twice under different CD keys and leaves the copies out, which makes it handy when several cdplayer.ini files have been joined into one.</source>
        <translation>Lumo erkennt außerdem Alben, die unter verschiedenen CD-Schlüsseln doppelt eingetragen sind, und lässt die Kopien weg. Das ist praktisch, wenn mehrere cdplayer.ini-Dateien zu einer zusammengeführt wurden.</translation>
    </message>
    <message>
        <source>Lumo may be copied and passed on freely, but only complete and unchanged, and it may not be sold or included in anything that is sold.</source>
        <translation>Lumo darf frei kopiert und weitergegeben werden, jedoch nur vollständig und unverändert. Es darf weder verkauft noch in etwas aufgenommen werden, das verkauft wird.</translation>
    </message>
    <message>
        <source>Lumo is provided as is, without warranty of any kind. Its makers accept no liability for any loss or damage that comes from using it, including the loss of data: keep a copy of your cdplayer.ini.</source>
        <translation>Lumo wird ohne Gewähr bereitgestellt, so wie es ist. Die Hersteller haften nicht für Verluste oder Schäden, die aus seiner Verwendung entstehen, auch nicht für Datenverlust: Bewahren Sie eine Kopie Ihrer cdplayer.ini auf.</translation>
    </message>
</context>
<context>
    <name>CodePage</name>
    <message>
        <source>Western European (Windows-1252)</source>
        <translation>Westeuropäisch (Windows-1252)</translation>
    </message>
    <message>
        <source>Central European (Windows-1250)</source>
        <translation>Mitteleuropäisch (Windows-1250)</translation>
    </message>
    <message>
        <source>Cyrillic (Windows-1251)</source>
        <translation>Kyrillisch (Windows-1251)</translation>
    </message>
    <message>
        <source>Greek (Windows-1253)</source>
        <translation>Griechisch (Windows-1253)</translation>
    </message>
    <message>
        <source>Turkish (Windows-1254)</source>
        <translation>Türkisch (Windows-1254)</translation>
    </message>
    <message>
        <source>Hebrew (Windows-1255)</source>
        <translation>Hebräisch (Windows-1255)</translation>
    </message>
    <message>
        <source>Arabic (Windows-1256)</source>
        <translation>Arabisch (Windows-1256)</translation>
    </message>
    <message>
        <source>Baltic (Windows-1257)</source>
        <translation>Baltisch (Windows-1257)</translation>
    </message>
    <message>
        <source>Vietnamese (Windows-1258)</source>
        <translation>Vietnamesisch (Windows-1258)</translation>
    </message>
    <message>
        <source>Thai (Windows-874)</source>
        <translation>Thailändisch (Windows-874)</translation>
    </message>
    <message>
        <source>Japanese (Shift-JIS)</source>
        <translation>Japanisch (Shift-JIS)</translation>
    </message>
    <message>
        <source>Simplified Chinese (GBK)</source>
        <translation>Chinesisch vereinfacht (GBK)</translation>
    </message>
    <message>
        <source>Korean (Windows-949)</source>
        <translation>Koreanisch (Windows-949)</translation>
    </message>
    <message>
        <source>Traditional Chinese (Big5)</source>
        <translation>Chinesisch traditionell (Big5)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--format takes html, csv or json, not &quot;%1&quot;</source>
        <translation>--format nimmt html, csv oder json, nicht „%1“</translation>
    </message>
    <message>
        <source>--format, --title and --comment go with --report</source>
        <translation>--format, --title und --comment gehören zu --report</translation>
    </message>
    <message>
        <source>--report needs a file name</source>
        <translation>--report braucht einen Dateinamen</translation>
    </message>
    <message>
        <source>--merge needs a file name</source>
        <translation>--merge braucht einen Dateinamen</translation>
    </message>
    <message>
        <source>--ini goes with --report, --list, --duplicates or --merge</source>
        <translation>--ini gehört zu --report, --list, --duplicates oder --merge</translation>
    </message>
    <message>
        <source>one file at a time: %1 and %2 were named</source>
        <translation>nur eine Datei auf einmal: %1 und %2 wurden angegeben</translation>
    </message>
    <message>
        <source>the collection goes with --ini, not as %1</source>
        <translation>die Sammlung wird mit --ini angegeben, nicht als %1</translation>
    </message>
    <message>
        <source>unknown argument %1</source>
        <translation>unbekanntes Argument %1</translation>
    </message>
    <message>
        <source>nothing to do</source>
        <translation>nichts zu tun</translation>
    </message>
    <message>
        <source>unexpected %1</source>
        <translation>unerwartetes %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>%1 cannot be combined with another command</source>
        <translation>%1 kann nicht mit einem anderen Befehl kombiniert werden</translation>
    </message>
    <message>
        <source>: is too large to be loaded: a cdplayer.ini of more than 1 GB is not read</source>
        <translation>: ist zu groß zum Laden: eine cdplayer.ini von mehr als 1 GB wird nicht gelesen</translation>
    </message>
    <message>
        <source>: cannot be read as cdplayer.ini</source>
        <translation>: kann nicht als cdplayer.ini gelesen werden</translation>
    </message>
    <message>
        <source>: not found</source>
        <translation>: nicht gefunden</translation>
    </message>
    <message>
        <source>cdplayer.ini: not found along the search path &quot;%1&quot; (see --ini)</source>
        <translation>cdplayer.ini: entlang des Suchpfads „%1“ nicht gefunden (siehe --ini)</translation>
    </message>
    <message>
        <source>standard output: cannot be written</source>
        <translation>Standardausgabe: kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>%1 section(s) added</source>
        <translation>%1 Abschnitt(e) hinzugefügt</translation>
    </message>
    <message>
        <source>kept %1: %2 (the other file has %3)</source>
        <translation>behalten %1: %2 (die andere Datei hat %3)</translation>
    </message>
    <message>
        <source>the title and the comment must keep to the Western European (Windows-1252) characters</source>
        <translation>Überschrift und Kommentar dürfen nur Zeichen des westeuropäischen Zeichensatzes (Windows-1252) enthalten</translation>
    </message>
    <message>
        <source>: the report could not be written (check the folder and the name)</source>
        <translation>: der Bericht konnte nicht geschrieben werden (prüfen Sie Ordner und Namen)</translation>
    </message>
    <message>
        <source> (see lumo --help)</source>
        <translation> (siehe lumo --help)</translation>
    </message>
    <message>
        <source>%1 duplicate album(s) left out, the first of each kept</source>
        <translation>%1 doppelte(s) Album/Alben weggelassen, jeweils das erste behalten</translation>
    </message>
    <message>
        <source>%1: could not be handed to the running Lumo</source>
        <translation>%1: konnte nicht an das laufende Lumo übergeben werden</translation>
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
        <translation>Aufruf: lumo [DATEI]
       lumo [--report DATEI [--format html|csv|json] [--title TEXT] [--comment TEXT]] [--list]
            [--duplicates] [--merge ANDERE] [--ini CDPLAYER_INI] [--codepage N] [--help] [--version]
Ohne Optionen öffnet Lumo sein Fenster mit DATEI, sonst mit der ersten cdplayer.ini
entlang des Suchpfads. Läuft Lumo bereits, öffnet dessen Fenster DATEI und
kommt nach vorn.
  --report DATEI    einen Bericht über die Sammlung nach DATEI schreiben, ohne Fenster
  --format FORMAT   html, csv oder json; ohne Angabe csv für DATEI mit der Endung .csv, .txt
                    oder .asc, json für .json, sonst html
  --title TEXT      die Überschrift des HTML-Berichts (Vorgabe: Output)
  --comment TEXT    der Kommentar des HTML-Berichts
  --list            die Sammlung als tabulatorgetrennte Zeilen in UTF-8 ausgeben:
                    Interpret, Album, Titelnummer, Titelname
  --duplicates      jedes als Duplikat weggelassene Album als tabulatorgetrennte Zeile in
                    UTF-8 ausgeben: behaltener CD-Schlüssel, weggelassener CD-Schlüssel,
                    Interpret, Titel
  --merge ANDERE    der Sammlung jeden Abschnitt der cdplayer.ini ANDERE hinzufügen, dessen
                    CD-Schlüssel ihr fehlt; vorhandene Abschnitte bleiben, wie sie sind,
                    und werden aufgelistet
  --ini DATEI       die zu lesende cdplayer.ini (Vorgabe: die erste entlang des in
                    lumo.ini gespeicherten Suchpfads)
  --codepage N      die Windows-Codepage der Namen der Sammlung, etwa 1251 oder 932
                    (Vorgabe: die in den Optionen gewählte, sonst 1252)
  --help            diese Hilfe anzeigen
  --version         die Version anzeigen
Rückgabewert: 0 erledigt, 1 eine Datei konnte nicht gelesen oder geschrieben werden,
2 ein Aufruffehler.
</translation>
    </message>
    <message>
        <source>--codepage takes one of %1, not &quot;%2&quot;</source>
        <translation>--codepage nimmt eine von %1, nicht „%2“</translation>
    </message>
    <message>
        <source>--codepage goes with --report, --list, --duplicates or --merge</source>
        <translation>--codepage gehört zu --report, --list, --duplicates oder --merge</translation>
    </message>
</context>
<context>
    <name>Dialog</name>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>Interpret</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>Album</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Eigene</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Artists</source>
        <translation>Interpreten</translation>
    </message>
    <message>
        <source>Albums</source>
        <translation>Alben</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Search path for cdplayer.ini</source>
        <translation>&amp;Suchpfad für cdplayer.ini</translation>
    </message>
    <message>
        <source>Show CD keys</source>
        <translation>CD-Schlüssel anzeigen</translation>
    </message>
    <message>
        <source>Enable ToolTips</source>
        <translation>Tooltips aktivieren</translation>
    </message>
    <message>
        <source>Loaded</source>
        <translation>Geladen</translation>
    </message>
    <message>
        <source>Formatted</source>
        <translation>Aufbereitet</translation>
    </message>
    <message>
        <source>&amp;Title</source>
        <translation>&amp;Titel</translation>
    </message>
    <message>
        <source>&amp;Comment</source>
        <translation>&amp;Kommentar</translation>
    </message>
    <message>
        <source>&amp;Filename</source>
        <translation>&amp;Dateiname</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>Report format</source>
        <translation>Berichtsformat</translation>
    </message>
    <message>
        <source>HTML</source>
        <translation>HTML</translation>
    </message>
    <message>
        <source>CSV (comma-delimited ASCII)</source>
        <translation>CSV (kommagetrenntes ASCII)</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansehen</translation>
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
        <translation>Nein</translation>
    </message>
    <message>
        <source>Apply to all subsequent duplicates like this</source>
        <translation>Für alle weiteren Duplikate dieser Art übernehmen</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>Ausgewählt</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Existing entry</source>
        <translation>Vorhandener Eintrag</translation>
    </message>
    <message>
        <source>New entry</source>
        <translation>Neuer Eintrag</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>&amp;Web page</source>
        <translation>&amp;Webseite</translation>
    </message>
    <message>
        <source>&amp;Mail us!</source>
        <translation>&amp;E-Mail an uns!</translation>
    </message>
    <message>
        <source>&amp;Read the documentation</source>
        <translation>&amp;Dokumentation lesen</translation>
    </message>
    <message>
        <source>Fi&amp;nd what:</source>
        <translation>&amp;Suchen nach:</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>&amp;Groß-/Kleinschreibung beachten</translation>
    </message>
    <message>
        <source>Look in</source>
        <translation>Suchen in</translation>
    </message>
    <message>
        <source>&amp;Artists</source>
        <translation>&amp;Interpreten</translation>
    </message>
    <message>
        <source>A&amp;lbums</source>
        <translation>&amp;Alben</translation>
    </message>
    <message>
        <source>&amp;Tracks</source>
        <translation>&amp;Titel</translation>
    </message>
    <message>
        <source>&amp;Find next</source>
        <translation>&amp;Weitersuchen</translation>
    </message>
    <message>
        <source>Find &amp;previous</source>
        <translation>&amp;Rückwärts suchen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&amp;Albums entered more than once:</source>
        <translation>Mehrfach eingetragene &amp;Alben:</translation>
    </message>
    <message>
        <source>&amp;Tracks of the selected entry:</source>
        <translation>&amp;Titel des gewählten Eintrags:</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Groups of similar artist names:</source>
        <translation>&amp;Gruppen ähnlicher Interpretennamen:</translation>
    </message>
    <message>
        <source>&amp;Spelling to give them all:</source>
        <translation>&amp;Schreibweise für alle:</translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <translation>&amp;Zusammenführen</translation>
    </message>
    <message>
        <source>Re&amp;place with:</source>
        <translation>Ersetzen &amp;durch:</translation>
    </message>
    <message>
        <source>&amp;Replace all</source>
        <translation>Alle &amp;ersetzen</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Generate report</source>
        <translation>Bericht erstellen</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Duplicate album found</source>
        <translation>Doppeltes Album gefunden</translation>
    </message>
    <message>
        <source>Duplicates</source>
        <translation>Duplikate</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>&amp;Character set:</source>
        <translation>&amp;Zeichensatz:</translation>
    </message>
</context>
<context>
    <name>Lumo</name>
    <message>
        <source>There is not enough memory to finish the operation.

It has been stopped.</source>
        <translation>Der Arbeitsspeicher reicht nicht aus, um den Vorgang abzuschließen.

Er wurde abgebrochen.</translation>
    </message>
    <message>
        <source>an unknown error</source>
        <translation>ein unbekannter Fehler</translation>
    </message>
    <message>
        <source>The operation could not be finished:
%1

It has been stopped.</source>
        <translation>Der Vorgang konnte nicht abgeschlossen werden:
%1

Er wurde abgebrochen.</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Überblick</translation>
    </message>
    <message>
        <source>Distribution and Legal</source>
        <translation>Weitergabe und Rechtliches</translation>
    </message>
    <message>
        <source>Unable to locate %s.html.  It is most likely that you have an incomplete
copy of %s.  Please complain to whoever sent it to you,
and visit our web site to get the complete version of the software.</source>
        <translation>%s.html wurde nicht gefunden. Wahrscheinlich ist Ihre Kopie von %s
unvollständig. Bitte wenden Sie sich an den, von dem Sie sie haben,
und holen Sie sich die vollständige Fassung von unserer Website.</translation>
    </message>
    <message>
        <source>Can&apos;t generate a mail message.  Do you have mail installed?</source>
        <translation>Es kann keine E-Mail erstellt werden. Ist ein E-Mail-Programm installiert?</translation>
    </message>
    <message>
        <source>Failed to send mail - tried indirect (browser) and direct (MAPI)</source>
        <translation>Die E-Mail konnte nicht gesendet werden – weder indirekt (Browser) noch direkt (MAPI)</translation>
    </message>
    <message>
        <source>The change could not be written to</source>
        <translation>Die Änderung konnte nicht geschrieben werden in</translation>
    </message>
    <message>
        <source>%1 names will change.
Replace them all?
(Edit &gt; Undo takes it back.)</source>
        <translation>%1 Namen werden geändert.
Alle ersetzen?
(Bearbeiten &gt; Rückgängig nimmt es zurück.)</translation>
    </message>
    <message>
        <source>Replaced %1 names.</source>
        <translation>%1 Namen ersetzt.</translation>
    </message>
    <message>
        <source>Cannot find &quot;%1&quot;.</source>
        <translation>„%1“ wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Every name with &quot;%1&quot; stays as it is: nothing to replace.</source>
        <translation>Jeder Name mit „%1“ bleibt, wie er ist: Es gibt nichts zu ersetzen.</translation>
    </message>
    <message>
        <source>Replace all would change &quot;%1&quot;, which is refused:

%2

Nothing has been changed.</source>
        <translation>„Alle ersetzen“ würde „%1“ ändern, und das wird abgelehnt:

%2

Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>An album&apos;s title cannot be empty.
Please choose another text.</source>
        <translation>Der Titel eines Albums darf nicht leer sein.
Bitte wählen Sie einen anderen Text.</translation>
    </message>
    <message>
        <source>The name would grow past 1023 characters, more than the CD player can read.
Please choose a shorter text.</source>
        <translation>Der Name würde länger als 1023 Zeichen, mehr als die CD-Wiedergabe lesen kann.
Bitte wählen Sie einen kürzeren Text.</translation>
    </message>
    <message>
        <source>%1: %2 - %3, %4 tracks</source>
        <translation>%1: %2 - %3, %4 Titel</translation>
    </message>
    <message>
        <source> (shown in the tree)</source>
        <translation> (im Baum angezeigt)</translation>
    </message>
    <message>
        <source>Duplicate albums</source>
        <translation>Doppelte Alben</translation>
    </message>
    <message>
        <source>Similar artists</source>
        <translation>Ähnliche Interpreten</translation>
    </message>
    <message>
        <source>&amp;Artist</source>
        <translation>&amp;Interpret</translation>
    </message>
    <message>
        <source>A&amp;lbum</source>
        <translation>&amp;Album</translation>
    </message>
    <message>
        <source>&amp;Track</source>
        <translation>&amp;Titel</translation>
    </message>
    <message>
        <source>Edit Artist</source>
        <translation>Interpret bearbeiten</translation>
    </message>
    <message>
        <source>Edit Album</source>
        <translation>Album bearbeiten</translation>
    </message>
    <message>
        <source>Edit Track</source>
        <translation>Titel bearbeiten</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(leer)</translation>
    </message>
    <message>
        <source>The name contains a line break or a control character (NUL, Ctrl-Z) that cdplayer.ini cannot hold.
Please remove it.</source>
        <translation>Der Name enthält einen Zeilenumbruch oder ein Steuerzeichen (NUL, Strg-Z), das cdplayer.ini nicht speichern kann.
Bitte entfernen Sie es.</translation>
    </message>
    <message>
        <source>&quot;&lt;UNKNOWN&gt;&quot; stands for a disc without an artist, and such discs are not shown.
Please choose another name.</source>
        <translation>„&lt;UNKNOWN&gt;“ steht für eine CD ohne Interpreten, und solche CDs werden nicht angezeigt.
Bitte wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Verschieben</translation>
    </message>
    <message>
        <source>Nothing has been changed.</source>
        <translation>Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this artist
and ALL albums attached to it?
(Edit &gt; Undo takes it back.)</source>
        <translation>Wollen Sie diesen Interpreten
und ALLE seine Alben wirklich löschen?
(Bearbeiten &gt; Rückgängig nimmt es zurück.)</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this album?
(Edit &gt; Undo takes it back.)</source>
        <translation>Wollen Sie dieses Album wirklich löschen?
(Bearbeiten &gt; Rückgängig nimmt es zurück.)</translation>
    </message>
    <message>
        <source>Moving not implemented yet</source>
        <translation>Verschieben ist noch nicht verfügbar</translation>
    </message>
    <message>
        <source>Lumo already has an entry for this, but it has a different CD key.  This sometimes happens when an album is re-released or when some programs (like WinDac32) write several albums with a blank artist and title field.</source>
        <translation>Lumo hat dafür bereits einen Eintrag, aber mit einem anderen CD-Schlüssel. Das kommt vor, wenn ein Album neu aufgelegt wurde oder wenn manche Programme (etwa WinDac32) mehrere Alben mit leerem Interpreten- und Titelfeld schreiben.</translation>
    </message>
    <message>
        <source>The import could not be written to</source>
        <translation>Der Import konnte nicht geschrieben werden in</translation>
    </message>
    <message>
        <source>
is too large to be loaded: a cdplayer.ini of more than 1 GB is not read.</source>
        <translation>
ist zu groß zum Laden: Eine cdplayer.ini von mehr als 1 GB wird nicht gelesen.</translation>
    </message>
    <message>
        <source>
cannot be read: please check that it is a file you may read.</source>
        <translation>
kann nicht gelesen werden: Bitte prüfen Sie, ob es eine Datei ist, die Sie lesen dürfen.</translation>
    </message>
    <message>
        <source>The All level would show %1 rows, more than the %2 that can be shown at once.
Choose Album and open the albums you want, or use Find to go to a name.</source>
        <translation>Die Ansicht „Alle“ hätte %1 Zeilen, mehr als die %2, die auf einmal gezeigt werden können.
Wählen Sie „Album“ und öffnen Sie die gewünschten Alben, oder springen Sie mit „Suchen“ zu einem Namen.</translation>
    </message>
    <message>
        <source>Can&apos;t find cdplayer.ini.
Please check the path and try again</source>
        <translation>cdplayer.ini wurde nicht gefunden.
Bitte prüfen Sie den Pfad und versuchen Sie es erneut</translation>
    </message>
    <message>
        <source>The change could not be undone in</source>
        <translation>Die Änderung konnte nicht rückgängig gemacht werden in</translation>
    </message>
    <message>
        <source>The change could not be redone in</source>
        <translation>Die Änderung konnte nicht wiederhergestellt werden in</translation>
    </message>
    <message>
        <source>Passed the end; searched on from the top.</source>
        <translation>Ende erreicht; die Suche wurde am Anfang fortgesetzt.</translation>
    </message>
    <message>
        <source>Passed the top; searched on from the end.</source>
        <translation>Anfang erreicht; die Suche wurde am Ende fortgesetzt.</translation>
    </message>
    <message>
        <source>%1 artists</source>
        <translation>%1 Interpreten</translation>
    </message>
    <message>
        <source>%1 albums</source>
        <translation>%1 Alben</translation>
    </message>
    <message>
        <source>The path contains characters that this system cannot use in file names.</source>
        <translation>Der Pfad enthält Zeichen, die dieses System in Dateinamen nicht verwenden kann.</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Bitte geben Sie höchstens %1 Zeichen ein.</translation>
    </message>
    <message>
        <source>HTML files (*.htm;*.html)|*.htm;*.html|All Files (*.*)|*.*||</source>
        <translation>HTML-Dateien (*.htm;*.html)|*.htm;*.html|Alle Dateien (*.*)|*.*||</translation>
    </message>
    <message>
        <source>CSV files (*.csv)|*.csv|Text files (*.txt;*.asc)|*.txt;*.asc|All Files (*.*)|*.*||</source>
        <translation>CSV-Dateien (*.csv)|*.csv|Textdateien (*.txt;*.asc)|*.txt;*.asc|Alle Dateien (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Report generated Ok</source>
        <translation>Bericht erfolgreich erstellt</translation>
    </message>
    <message>
        <source>Failed to generate report.
Possible causes are an incorrect filename, or the file specified may be in use by another application</source>
        <translation>Der Bericht konnte nicht erstellt werden.
Mögliche Ursachen sind ein falscher Dateiname oder eine Datei, die von einem anderen Programm verwendet wird</translation>
    </message>
    <message>
        <source>Failed to execute the &quot;open&quot; verb on %s
Check that you have a default association for this file type</source>
        <translation>%s konnte nicht geöffnet werden.
Bitte prüfen Sie, ob diesem Dateityp ein Standardprogramm zugeordnet ist</translation>
    </message>
    <message>
        <source>The chosen file name contains characters that this system cannot use in file names.</source>
        <translation>Der gewählte Dateiname enthält Zeichen, die dieses System in Dateinamen nicht verwenden kann.</translation>
    </message>
    <message>
        <source>Please keep the search path on one line, with its folders separated by &quot;;&quot;.</source>
        <translation>Bitte schreiben Sie den Suchpfad in eine Zeile und trennen Sie die Ordner durch „;“.</translation>
    </message>
    <message>
        <source>There was a problem saving the options.
Please check that lumo.ini is not write-protected.</source>
        <translation>Beim Speichern der Optionen ist ein Fehler aufgetreten.
Bitte prüfen Sie, ob lumo.ini schreibgeschützt ist.</translation>
    </message>
    <message>
        <source>%1 names with bytes that are no characters of the character set are left as they are.</source>
        <translation>%1 Namen mit Bytes, die keine Zeichen des Zeichensatzes sind, bleiben, wie sie sind.</translation>
    </message>
    <message>
        <source>This name holds bytes that are no characters of the %1 character set, so it cannot be edited: its bytes are kept as they are.
If the names look wrong, choose their character set in the Options, then Refresh.</source>
        <translation>Dieser Name enthält Bytes, die keine Zeichen des Zeichensatzes %1 sind, daher kann er nicht bearbeitet werden: Seine Bytes bleiben, wie sie sind.
Wenn die Namen falsch aussehen, wählen Sie ihren Zeichensatz in den Optionen und aktualisieren Sie dann.</translation>
    </message>
    <message>
        <source>The names look typed in %1: choose it as the character set in the Options, then Refresh.</source>
        <translation>Die Namen sehen nach %1 aus: Wählen Sie diesen Zeichensatz in den Optionen und aktualisieren Sie dann.</translation>
    </message>
    <message>
        <source>The text contains characters that cannot be stored.
Please use only the characters of the %1 character set.</source>
        <translation>Der Text enthält Zeichen, die nicht gespeichert werden können.
Bitte verwenden Sie nur Zeichen des Zeichensatzes %1.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>Wieder&amp;herstellen: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Wieder&amp;herstellen</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>Ö&amp;ffnen …	Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importieren …</translation>
    </message>
    <message>
        <source>&amp;Report</source>
        <translation>&amp;Bericht</translation>
    </message>
    <message>
        <source>R&amp;efresh</source>
        <translation>A&amp;ktualisieren</translation>
    </message>
    <message>
        <source>&amp;Clear recent files</source>
        <translation>Liste zuletzt geöffneter Dateien &amp;leeren</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Rückgängig	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Y</source>
        <translation>Wieder&amp;herstellen	Ctrl+Y</translation>
    </message>
    <message>
        <source>&amp;Find...	Ctrl+F</source>
        <translation>&amp;Suchen …	Ctrl+F</translation>
    </message>
    <message>
        <source>Find &amp;next	F3</source>
        <translation>&amp;Weitersuchen	F3</translation>
    </message>
    <message>
        <source>Find pre&amp;vious	Shift+F3</source>
        <translation>&amp;Vorheriges suchen	Shift+F3</translation>
    </message>
    <message>
        <source>Re&amp;place...	Ctrl+H</source>
        <translation>&amp;Ersetzen …	Ctrl+H</translation>
    </message>
    <message>
        <source>&amp;Duplicates...</source>
        <translation>&amp;Duplikate …</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber Lumo</translation>
    </message>
    <message>
        <source>&amp;Mail us</source>
        <translation>&amp;E-Mail an uns</translation>
    </message>
    <message>
        <source>&amp;Visit our web site</source>
        <translation>&amp;Website besuchen</translation>
    </message>
    <message>
        <source>&amp;Read the documentation</source>
        <translation>&amp;Dokumentation lesen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>An unknown error occurred while accessing %1.</source>
        <translation>Beim Zugriff auf %1 ist ein unbekannter Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>No error occurred.</source>
        <translation>Es ist kein Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>%1 contains an invalid path.</source>
        <translation>%1 enthält einen ungültigen Pfad.</translation>
    </message>
    <message>
        <source>%1 could not be opened because there are too many open files.</source>
        <translation>%1 konnte nicht geöffnet werden, weil zu viele Dateien geöffnet sind.</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>Der Zugriff auf %1 wurde verweigert.</translation>
    </message>
    <message>
        <source>An invalid file handle was associated with %1.</source>
        <translation>Mit %1 war ein ungültiges Datei-Handle verbunden.</translation>
    </message>
    <message>
        <source>%1 could not be removed because it is the current directory.</source>
        <translation>%1 konnte nicht entfernt werden, weil es das aktuelle Verzeichnis ist.</translation>
    </message>
    <message>
        <source>%1 could not be created because the directory is full.</source>
        <translation>%1 konnte nicht angelegt werden, weil das Verzeichnis voll ist.</translation>
    </message>
    <message>
        <source>Seek failed on %1</source>
        <translation>Positionieren in %1 ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>A hardware I/O error was reported while accessing %1.</source>
        <translation>Beim Zugriff auf %1 wurde ein Hardware-E/A-Fehler gemeldet.</translation>
    </message>
    <message>
        <source>A sharing violation occurred while accessing %1.</source>
        <translation>Beim Zugriff auf %1 ist eine Freigabeverletzung aufgetreten.</translation>
    </message>
    <message>
        <source>A locking violation occurred while accessing %1.</source>
        <translation>Beim Zugriff auf %1 ist eine Sperrverletzung aufgetreten.</translation>
    </message>
    <message>
        <source>Disk full while accessing %1.</source>
        <translation>Der Datenträger war beim Zugriff auf %1 voll.</translation>
    </message>
    <message>
        <source>An attempt was made to access %1 past its end.</source>
        <translation>Es wurde versucht, über das Ende von %1 hinaus zuzugreifen.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 ist keine reguläre Datei.</translation>
    </message>
    <message>
        <source>%1 has more than one name (hard links), and the other names would keep the old contents.</source>
        <translation>%1 hat mehr als einen Namen (harte Links), und die anderen Namen würden den alten Inhalt behalten.</translation>
    </message>
    <message>
        <source>%1 is too large for the file size limit in force (ulimit -f).</source>
        <translation>%1 ist zu groß für die geltende Dateigrößenbeschränkung (ulimit -f).</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Die Datei kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The file is too large to be read.</source>
        <translation>Die Datei ist zu groß zum Lesen.</translation>
    </message>
    <message>
        <source>The file no longer exists.</source>
        <translation>Die Datei existiert nicht mehr.</translation>
    </message>
    <message>
        <source>The path runs through too many symbolic links.</source>
        <translation>Der Pfad führt über zu viele symbolische Links.</translation>
    </message>
    <message>
        <source>The profile folder cannot be created.</source>
        <translation>Der Profilordner kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The section name (the disc&apos;s CD key) is empty or holds a control character, so it cannot be written.</source>
        <translation>Der Abschnittsname (der CD-Schlüssel der CD) ist leer oder enthält ein Steuerzeichen und kann daher nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The text holds a line break, a control character or blanks that the file cannot keep.</source>
        <translation>Der Text enthält einen Zeilenumbruch, ein Steuerzeichen oder Leerzeichen, die die Datei nicht behalten kann.</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>Der Ordner existiert nicht.</translation>
    </message>
    <message>
        <source>The folder is write-protected.</source>
        <translation>Der Ordner ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>It is not an ordinary file.</source>
        <translation>Es ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>The file is write-protected.</source>
        <translation>Die Datei ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>The file has more than one name (hard links), and the other names would keep the old contents.</source>
        <translation>Die Datei hat mehr als einen Namen (harte Links), und die anderen Namen würden den alten Inhalt behalten.</translation>
    </message>
    <message>
        <source>The file&apos;s extended attributes (such as its access control list) cannot be carried over.</source>
        <translation>Die erweiterten Attribute der Datei (etwa ihre Zugriffssteuerungsliste) können nicht übernommen werden.</translation>
    </message>
    <message>
        <source>The file was changed by another program since Lumo last read it. Please Refresh to see what it holds now, then make the change again.</source>
        <translation>Die Datei wurde von einem anderen Programm geändert, seit Lumo sie zuletzt gelesen hat. Bitte wählen Sie „Aktualisieren“, um ihren jetzigen Inhalt zu sehen, und nehmen Sie die Änderung dann erneut vor.</translation>
    </message>
    <message>
        <source>Another program holds a lock on the file while it writes it. Please try again in a moment.</source>
        <translation>Ein anderes Programm hält die Datei gesperrt, während es sie schreibt. Bitte versuchen Sie es gleich noch einmal.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>Der Datenträger ist voll.</translation>
    </message>
    <message>
        <source>The file is too large for the file size limit in force (ulimit -f).</source>
        <translation>Die Datei ist zu groß für die geltende Dateigrößenbeschränkung (ulimit -f).</translation>
    </message>
    <message>
        <source>Access was denied.</source>
        <translation>Der Zugriff wurde verweigert.</translation>
    </message>
    <message>
        <source>It is the collection already loaded.</source>
        <translation>Es ist die bereits geladene Sammlung.</translation>
    </message>
    <message>
        <source>It holds NUL bytes: it is not a cdplayer.ini.</source>
        <translation>Sie enthält NUL-Bytes: Sie ist keine cdplayer.ini.</translation>
    </message>
</context>
<context>
    <name>Strings</name>
    <message>
        <source>The unique CD key generated by cdplayer.exe</source>
        <translation>Der eindeutige CD-Schlüssel, den cdplayer.exe erzeugt hat</translation>
    </message>
    <message>
        <source>Show only the Artists, not their albums or tracks</source>
        <translation>Nur die Interpreten zeigen, nicht ihre Alben oder Titel</translation>
    </message>
    <message>
        <source>Show Artists and Albums, but not tracks</source>
        <translation>Interpreten und Alben zeigen, aber keine Titel</translation>
    </message>
    <message>
        <source>fully expand the tree to show all Artists, Albums and Tracks.</source>
        <translation>den Baum ganz aufklappen, um alle Interpreten, Alben und Titel zu zeigen.</translation>
    </message>
    <message>
        <source>Automatically set when you expand or collapse a node of the tree</source>
        <translation>Wird automatisch gewählt, wenn Sie einen Knoten des Baums auf- oder zuklappen</translation>
    </message>
    <message>
        <source>The number of artists</source>
        <translation>Die Anzahl der Interpreten</translation>
    </message>
    <message>
        <source>The total number of albums</source>
        <translation>Die Gesamtzahl der Alben</translation>
    </message>
    <message>
        <source>The currently open file</source>
        <translation>Die zurzeit geöffnete Datei</translation>
    </message>
    <message>
        <source>No cdplayer.ini found: use File &gt; Open... (Ctrl+O), or add its folder in Options &gt; Preferences.</source>
        <translation>Keine cdplayer.ini gefunden: Wählen Sie Datei &gt; Öffnen … (Strg+O), oder fügen Sie ihren Ordner unter Optionen &gt; Einstellungen hinzu.</translation>
    </message>
    <message>
        <source>%1 holds no albums.</source>
        <translation>%1 enthält keine Alben.</translation>
    </message>
    <message>
        <source>Open a collection</source>
        <translation>Sammlung öffnen</translation>
    </message>
    <message>
        <source>INI files (*.ini *.INI);;All files (*)</source>
        <translation>INI-Dateien (*.ini *.INI);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Import another cdplayer.ini</source>
        <translation>Andere cdplayer.ini importieren</translation>
    </message>
    <message>
        <source>Add the %1 new section(s) of
%2
to the collection? Edit &gt; Undo takes it back.</source>
        <translation>Die %1 neuen Abschnitte aus
%2
zur Sammlung hinzufügen? Bearbeiten &gt; Rückgängig nimmt es zurück.</translation>
    </message>
    <message>
        <source>%1
holds no section that the collection lacks: nothing to import.</source>
        <translation>%1
enthält keinen Abschnitt, der der Sammlung fehlt: Es gibt nichts zu importieren.</translation>
    </message>
    <message>
        <source>These CD keys are in the collection already and stay as they are (the other file&apos;s names in brackets):</source>
        <translation>Diese CD-Schlüssel sind schon in der Sammlung und bleiben, wie sie sind (die Namen der anderen Datei in Klammern):</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>… und %1 weitere.</translation>
    </message>
    <message>
        <source>%1
cannot be imported: %2</source>
        <translation>%1
kann nicht importiert werden: %2</translation>
    </message>
    <message>
        <source>%1 section(s) imported.</source>
        <translation>%1 Abschnitt(e) importiert.</translation>
    </message>
    <message>
        <source>Search path for finding cdplayer.ini.  (Searched left-to-right)</source>
        <translation>Suchpfad, in dem cdplayer.ini gesucht wird (von links nach rechts)</translation>
    </message>
    <message>
        <source>Show or hide unique CD key for each album</source>
        <translation>Den eindeutigen CD-Schlüssel jedes Albums zeigen oder verbergen</translation>
    </message>
    <message>
        <source>Turn tooltips on or off</source>
        <translation>Tooltips ein- oder ausschalten</translation>
    </message>
    <message>
        <source>The code page the names in cdplayer.ini were typed in.  (Used from the next Refresh)</source>
        <translation>Die Codepage, in der die Namen in cdplayer.ini eingegeben wurden.  (Gilt ab dem nächsten Aktualisieren)</translation>
    </message>
</context>
<context>
    <name>Undo</name>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Rename Track</source>
        <translation>Titel umbenennen</translation>
    </message>
    <message>
        <source>Rename Album</source>
        <translation>Album umbenennen</translation>
    </message>
    <message>
        <source>Delete Album</source>
        <translation>Album löschen</translation>
    </message>
    <message>
        <source>Rename Artist</source>
        <translation>Interpret umbenennen</translation>
    </message>
    <message>
        <source>Delete Artist</source>
        <translation>Interpret löschen</translation>
    </message>
    <message>
        <source>Delete Duplicate</source>
        <translation>Duplikat löschen</translation>
    </message>
    <message>
        <source>Merge Artists</source>
        <translation>Interpreten zusammenführen</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
</context>
</TS>
