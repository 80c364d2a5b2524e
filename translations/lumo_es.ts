<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>About</name>
    <message>
        <source>Lumo is a small browser and editor for cdplayer.ini, the file in which the Audio CD Player (cdplayer.exe) of Windows 95 and Windows NT keeps the artists, titles and track names you typed for your discs.</source>
        <translation>Lumo es un pequeño programa para consultar y editar cdplayer.ini, el archivo en el que el Reproductor de CD (cdplayer.exe) de Windows 95 y Windows NT guarda los artistas, los títulos y los nombres de pista que usted escribió para sus discos.</translation>
    </message>
    <message>
        <source>It shows that data as a tree of Artist, Album and Track, and can write the whole collection as a formatted report, either as an HTML page or as CSV (comma-separated values).</source>
        <translation>Muestra esos datos como un árbol de Artista, Álbum y Pista, y puede escribir toda la colección como un informe con formato, ya sea como página HTML o como CSV (valores separados por comas).</translation>
    </message>
    <message>
        <source>Lumo also spots albums that are entered twice under different CD keys and leaves the copies out, which makes it handy when several cdplayer.ini files have been joined into one.</source>
        <translation>Lumo también detecta los álbumes introducidos dos veces con claves de CD distintas y omite las copias, lo que resulta útil cuando se han unido varios archivos cdplayer.ini en uno solo.</translation>
    </message>
    <message>
        <source>Lumo may be copied and passed on freely, but only complete and unchanged, and it may not be sold or included in anything that is sold.</source>
        <translation>Lumo puede copiarse y distribuirse libremente, pero solo completo y sin modificaciones, y no puede venderse ni incluirse en nada que se venda.</translation>
    </message>
    <message>
        <source>Lumo is provided as is, without warranty of any kind. Its makers accept no liability for any loss or damage that comes from using it, including the loss of data: keep a copy of your cdplayer.ini.</source>
        <translation>Lumo se proporciona tal cual, sin garantía de ningún tipo. Sus autores no aceptan responsabilidad alguna por las pérdidas o los daños que se deriven de su uso, incluida la pérdida de datos: guarde una copia de su cdplayer.ini.</translation>
    </message>
</context>
<context>
    <name>CodePage</name>
    <message>
        <source>Western European (Windows-1252)</source>
        <translation>Europa occidental (Windows-1252)</translation>
    </message>
    <message>
        <source>Central European (Windows-1250)</source>
        <translation>Europa central (Windows-1250)</translation>
    </message>
    <message>
        <source>Cyrillic (Windows-1251)</source>
        <translation>Cirílico (Windows-1251)</translation>
    </message>
    <message>
        <source>Greek (Windows-1253)</source>
        <translation>Griego (Windows-1253)</translation>
    </message>
    <message>
        <source>Turkish (Windows-1254)</source>
        <translation>Turco (Windows-1254)</translation>
    </message>
    <message>
        <source>Hebrew (Windows-1255)</source>
        <translation>Hebreo (Windows-1255)</translation>
    </message>
    <message>
        <source>Arabic (Windows-1256)</source>
        <translation>Árabe (Windows-1256)</translation>
    </message>
    <message>
        <source>Baltic (Windows-1257)</source>
        <translation>Báltico (Windows-1257)</translation>
    </message>
    <message>
        <source>Vietnamese (Windows-1258)</source>
        <translation>Vietnamita (Windows-1258)</translation>
    </message>
    <message>
        <source>Thai (Windows-874)</source>
        <translation>Tailandés (Windows-874)</translation>
    </message>
    <message>
        <source>Japanese (Shift-JIS)</source>
        <translation>Japonés (Shift-JIS)</translation>
    </message>
    <message>
        <source>Simplified Chinese (GBK)</source>
        <translation>Chino simplificado (GBK)</translation>
    </message>
    <message>
        <source>Korean (Windows-949)</source>
        <translation>Coreano (Windows-949)</translation>
    </message>
    <message>
        <source>Traditional Chinese (Big5)</source>
        <translation>Chino tradicional (Big5)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--format takes html, csv or json, not &quot;%1&quot;</source>
        <translation>--format admite html, csv o json, no «%1»</translation>
    </message>
    <message>
        <source>--format, --title and --comment go with --report</source>
        <translation>--format, --title y --comment van con --report</translation>
    </message>
    <message>
        <source>--report needs a file name</source>
        <translation>--report necesita un nombre de archivo</translation>
    </message>
    <message>
        <source>--merge needs a file name</source>
        <translation>--merge necesita un nombre de archivo</translation>
    </message>
    <message>
        <source>--ini goes with --report, --list, --duplicates or --merge</source>
        <translation>--ini va con --report, --list, --duplicates o --merge</translation>
    </message>
    <message>
        <source>one file at a time: %1 and %2 were named</source>
        <translation>un solo archivo cada vez: se indicaron %1 y %2</translation>
    </message>
    <message>
        <source>the collection goes with --ini, not as %1</source>
        <translation>la colección se indica con --ini, no como %1</translation>
    </message>
    <message>
        <source>unknown argument %1</source>
        <translation>argumento desconocido %1</translation>
    </message>
    <message>
        <source>nothing to do</source>
        <translation>no hay nada que hacer</translation>
    </message>
    <message>
        <source>unexpected %1</source>
        <translation>%1 inesperado</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 necesita un valor</translation>
    </message>
    <message>
        <source>%1 cannot be combined with another command</source>
        <translation>%1 no se puede combinar con otro comando</translation>
    </message>
    <message>
        <source>: is too large to be loaded: a cdplayer.ini of more than 1 GB is not read</source>
        <translation>: es demasiado grande para cargarlo: no se lee un cdplayer.ini de más de 1 GB</translation>
    </message>
    <message>
        <source>: cannot be read as cdplayer.ini</source>
        <translation>: no se puede leer como cdplayer.ini</translation>
    </message>
    <message>
        <source>: not found</source>
        <translation>: no encontrado</translation>
    </message>
    <message>
        <source>cdplayer.ini: not found along the search path &quot;%1&quot; (see --ini)</source>
        <translation>cdplayer.ini: no encontrado en la ruta de búsqueda «%1» (consulte --ini)</translation>
    </message>
    <message>
        <source>standard output: cannot be written</source>
        <translation>salida estándar: no se puede escribir</translation>
    </message>
    <message>
        <source>%1 section(s) added</source>
        <translation>%1 sección(es) añadida(s)</translation>
    </message>
    <message>
        <source>kept %1: %2 (the other file has %3)</source>
        <translation>%1 conservada: %2 (el otro archivo tiene %3)</translation>
    </message>
    <message>
        <source>the title and the comment must keep to the Western European (Windows-1252) characters</source>
        <translation>el título y el comentario deben limitarse a los caracteres de Europa occidental (Windows-1252)</translation>
    </message>
    <message>
        <source>: the report could not be written (check the folder and the name)</source>
        <translation>: no se pudo escribir el informe (compruebe la carpeta y el nombre)</translation>
    </message>
    <message>
        <source> (see lumo --help)</source>
        <translation> (consulte lumo --help)</translation>
    </message>
    <message>
        <source>%1 duplicate album(s) left out, the first of each kept</source>
        <translation>%1 álbum(es) duplicado(s) omitido(s); se conserva el primero de cada grupo</translation>
    </message>
    <message>
        <source>%1: could not be handed to the running Lumo</source>
        <translation>%1: no se pudo pasar al Lumo que ya se está ejecutando</translation>
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
        <translation>Uso: lumo [ARCHIVO]
       lumo [--report ARCHIVO [--format html|csv|json] [--title TEXTO] [--comment TEXTO]] [--list]
            [--duplicates] [--merge OTRO] [--ini CDPLAYER_INI] [--codepage N] [--help] [--version]
Sin opciones, Lumo abre su ventana con ARCHIVO o, si no, con el primer cdplayer.ini
encontrado en la ruta de búsqueda. Si Lumo ya se está ejecutando, su ventana abre
ARCHIVO y pasa a primer plano.
  --report ARCHIVO  escribir un informe de la colección en ARCHIVO, sin ventana
  --format FORMATO  html, csv o json; de forma predeterminada, csv para un ARCHIVO terminado
                    en .csv, .txt o .asc, json para .json y html en los demás casos
  --title TEXTO     el título del informe HTML (predeterminado: Output)
  --comment TEXTO   el comentario del informe HTML
  --list            mostrar la colección como líneas separadas por tabulaciones en UTF-8:
                    artista, álbum, número de pista, nombre de pista
  --duplicates      mostrar cada álbum omitido por duplicado como líneas separadas por
                    tabulaciones en UTF-8: la clave de CD conservada, la clave de CD
                    omitida, artista, título
  --merge OTRO      añadir a la colección cada sección del cdplayer.ini OTRO cuya clave de
                    CD le falte; las secciones que ya tiene quedan como están y se listan
  --ini ARCHIVO     el cdplayer.ini que se leerá (predeterminado: el primero encontrado en
                    la ruta de búsqueda guardada en lumo.ini)
  --codepage N      la página de códigos de Windows de los nombres, como 1251 o 932
                    (predeterminado: la elegida en Opciones; si no, 1252)
  --help            mostrar esta ayuda
  --version         mostrar la versión
Estado de salida: 0 hecho, 1 no se pudo leer o escribir un archivo, 2 error de uso.
</translation>
    </message>
    <message>
        <source>--codepage takes one of %1, not &quot;%2&quot;</source>
        <translation>--codepage admite uno de %1, no «%2»</translation>
    </message>
    <message>
        <source>--codepage goes with --report, --list, --duplicates or --merge</source>
        <translation>--codepage va con --report, --list, --duplicates o --merge</translation>
    </message>
</context>
<context>
    <name>Dialog</name>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Vista</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>Artista</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>Álbum</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todo</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Artists</source>
        <translation>Artistas</translation>
    </message>
    <message>
        <source>Albums</source>
        <translation>Álbumes</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Informe</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Search path for cdplayer.ini</source>
        <translation>&amp;Ruta de búsqueda de cdplayer.ini</translation>
    </message>
    <message>
        <source>Show CD keys</source>
        <translation>Mostrar claves de CD</translation>
    </message>
    <message>
        <source>Enable ToolTips</source>
        <translation>Activar información sobre herramientas</translation>
    </message>
    <message>
        <source>Loaded</source>
        <translation>Cargado</translation>
    </message>
    <message>
        <source>Formatted</source>
        <translation>Preparado</translation>
    </message>
    <message>
        <source>&amp;Title</source>
        <translation>&amp;Título</translation>
    </message>
    <message>
        <source>&amp;Comment</source>
        <translation>&amp;Comentario</translation>
    </message>
    <message>
        <source>&amp;Filename</source>
        <translation>&amp;Nombre de archivo</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Examinar</translation>
    </message>
    <message>
        <source>Report format</source>
        <translation>Formato del informe</translation>
    </message>
    <message>
        <source>HTML</source>
        <translation>HTML</translation>
    </message>
    <message>
        <source>CSV (comma-delimited ASCII)</source>
        <translation>CSV (ASCII separado por comas)</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Apply to all subsequent duplicates like this</source>
        <translation>Aplicar a todos los duplicados siguientes como este</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>Seleccionada</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Existing entry</source>
        <translation>Entrada existente</translation>
    </message>
    <message>
        <source>New entry</source>
        <translation>Entrada nueva</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Web page</source>
        <translation>Página &amp;web</translation>
    </message>
    <message>
        <source>&amp;Mail us!</source>
        <translation>&amp;Escríbanos</translation>
    </message>
    <message>
        <source>&amp;Read the documentation</source>
        <translation>&amp;Leer la documentación</translation>
    </message>
    <message>
        <source>Fi&amp;nd what:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>Coincidir &amp;mayúsculas y minúsculas</translation>
    </message>
    <message>
        <source>Look in</source>
        <translation>Buscar en</translation>
    </message>
    <message>
        <source>&amp;Artists</source>
        <translation>&amp;Artistas</translation>
    </message>
    <message>
        <source>A&amp;lbums</source>
        <translation>Á&amp;lbumes</translation>
    </message>
    <message>
        <source>&amp;Tracks</source>
        <translation>&amp;Pistas</translation>
    </message>
    <message>
        <source>&amp;Find next</source>
        <translation>Buscar &amp;siguiente</translation>
    </message>
    <message>
        <source>Find &amp;previous</source>
        <translation>Buscar an&amp;terior</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>&amp;Albums entered more than once:</source>
        <translation>Á&amp;lbumes introducidos más de una vez:</translation>
    </message>
    <message>
        <source>&amp;Tracks of the selected entry:</source>
        <translation>&amp;Pistas de la entrada seleccionada:</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>&amp;Groups of similar artist names:</source>
        <translation>&amp;Grupos de nombres de artista parecidos:</translation>
    </message>
    <message>
        <source>&amp;Spelling to give them all:</source>
        <translation>&amp;Ortografía común para todos:</translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <translation>&amp;Fusionar</translation>
    </message>
    <message>
        <source>Re&amp;place with:</source>
        <translation>&amp;Reemplazar por:</translation>
    </message>
    <message>
        <source>&amp;Replace all</source>
        <translation>Reemplazar &amp;todo</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Generate report</source>
        <translation>Generar informe</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Duplicate album found</source>
        <translation>Se encontró un álbum duplicado</translation>
    </message>
    <message>
        <source>Duplicates</source>
        <translation>Duplicados</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Reemplazar</translation>
    </message>
    <message>
        <source>&amp;Character set:</source>
        <translation>&amp;Juego de caracteres:</translation>
    </message>
</context>
<context>
    <name>Lumo</name>
    <message>
        <source>There is not enough memory to finish the operation.

It has been stopped.</source>
        <translation>No hay memoria suficiente para terminar la operación.

Se ha detenido.</translation>
    </message>
    <message>
        <source>an unknown error</source>
        <translation>un error desconocido</translation>
    </message>
    <message>
        <source>The operation could not be finished:
%1

It has been stopped.</source>
        <translation>No se pudo terminar la operación:
%1

Se ha detenido.</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Descripción general</translation>
    </message>
    <message>
        <source>Distribution and Legal</source>
        <translation>Distribución y aviso legal</translation>
    </message>
    <message>
        <source>Unable to locate %s.html.  It is most likely that you have an incomplete
copy of %s.  Please complain to whoever sent it to you,
and visit our web site to get the complete version of the software.</source>
        <translation>No se encuentra %s.html. Lo más probable es que su copia de %s
esté incompleta. Reclame a quien se la haya enviado y visite
nuestro sitio web para obtener la versión completa del programa.</translation>
    </message>
    <message>
        <source>Can&apos;t generate a mail message.  Do you have mail installed?</source>
        <translation>No se puede crear un mensaje de correo. ¿Tiene instalado un programa de correo?</translation>
    </message>
    <message>
        <source>Failed to send mail - tried indirect (browser) and direct (MAPI)</source>
        <translation>No se pudo enviar el correo: se intentó por vía indirecta (navegador) y directa (MAPI)</translation>
    </message>
    <message>
        <source>The change could not be written to</source>
        <translation>No se pudo escribir el cambio en</translation>
    </message>
    <message>
        <source>%1 names will change.
Replace them all?
(Edit &gt; Undo takes it back.)</source>
        <translation>Cambiarán %1 nombres.
¿Reemplazarlos todos?
(Edición &gt; Deshacer lo revierte.)</translation>
    </message>
    <message>
        <source>Replaced %1 names.</source>
        <translation>Se reemplazaron %1 nombres.</translation>
    </message>
    <message>
        <source>Cannot find &quot;%1&quot;.</source>
        <translation>No se encuentra «%1».</translation>
    </message>
    <message>
        <source>Every name with &quot;%1&quot; stays as it is: nothing to replace.</source>
        <translation>Todos los nombres con «%1» quedan igual: no hay nada que reemplazar.</translation>
    </message>
    <message>
        <source>Replace all would change &quot;%1&quot;, which is refused:

%2

Nothing has been changed.</source>
        <translation>«Reemplazar todo» cambiaría «%1», lo que no se permite:

%2

No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>An album&apos;s title cannot be empty.
Please choose another text.</source>
        <translation>El título de un álbum no puede estar vacío.
Elija otro texto.</translation>
    </message>
    <message>
        <source>The name would grow past 1023 characters, more than the CD player can read.
Please choose a shorter text.</source>
        <translation>El nombre superaría los 1023 caracteres, más de los que puede leer el Reproductor de CD.
Elija un texto más corto.</translation>
    </message>
    <message>
        <source>%1: %2 - %3, %4 tracks</source>
        <translation>%1: %2 - %3, %4 pistas</translation>
    </message>
    <message>
        <source> (shown in the tree)</source>
        <translation> (se muestra en el árbol)</translation>
    </message>
    <message>
        <source>Duplicate albums</source>
        <translation>Álbumes duplicados</translation>
    </message>
    <message>
        <source>Similar artists</source>
        <translation>Artistas parecidos</translation>
    </message>
    <message>
        <source>&amp;Artist</source>
        <translation>&amp;Artista</translation>
    </message>
    <message>
        <source>A&amp;lbum</source>
        <translation>Á&amp;lbum</translation>
    </message>
    <message>
        <source>&amp;Track</source>
        <translation>&amp;Pista</translation>
    </message>
    <message>
        <source>Edit Artist</source>
        <translation>Editar artista</translation>
    </message>
    <message>
        <source>Edit Album</source>
        <translation>Editar álbum</translation>
    </message>
    <message>
        <source>Edit Track</source>
        <translation>Editar pista</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(vacío)</translation>
    </message>
    <message>
        <source>The name contains a line break or a control character (NUL, Ctrl-Z) that cdplayer.ini cannot hold.
Please remove it.</source>
        <translation>El nombre contiene un salto de línea o un carácter de control (NUL, Ctrl-Z) que cdplayer.ini no puede guardar.
Quítelo.</translation>
    </message>
    <message>
        <source>&quot;&lt;UNKNOWN&gt;&quot; stands for a disc without an artist, and such discs are not shown.
Please choose another name.</source>
        <translation>«&lt;UNKNOWN&gt;» representa un disco sin artista, y esos discos no se muestran.
Elija otro nombre.</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Mover</translation>
    </message>
    <message>
        <source>Nothing has been changed.</source>
        <translation>No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this artist
and ALL albums attached to it?
(Edit &gt; Undo takes it back.)</source>
        <translation>¿Seguro que desea eliminar este artista
y TODOS sus álbumes?
(Edición &gt; Deshacer lo revierte.)</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this album?
(Edit &gt; Undo takes it back.)</source>
        <translation>¿Seguro que desea eliminar este álbum?
(Edición &gt; Deshacer lo revierte.)</translation>
    </message>
    <message>
        <source>Moving not implemented yet</source>
        <translation>Mover todavía no está disponible</translation>
    </message>
    <message>
        <source>Lumo already has an entry for this, but it has a different CD key.  This sometimes happens when an album is re-released or when some programs (like WinDac32) write several albums with a blank artist and title field.</source>
        <translation>Lumo ya tiene una entrada para esto, pero con otra clave de CD. Esto ocurre a veces cuando un álbum se reedita o cuando algunos programas (como WinDac32) escriben varios álbumes con los campos de artista y título vacíos.</translation>
    </message>
    <message>
        <source>The import could not be written to</source>
        <translation>No se pudo escribir la importación en</translation>
    </message>
    <message>
        <source>
is too large to be loaded: a cdplayer.ini of more than 1 GB is not read.</source>
        <translation>
es demasiado grande para cargarlo: no se lee un cdplayer.ini de más de 1 GB.</translation>
    </message>
    <message>
        <source>
cannot be read: please check that it is a file you may read.</source>
        <translation>
no se puede leer: compruebe que es un archivo que usted puede leer.</translation>
    </message>
    <message>
        <source>The All level would show %1 rows, more than the %2 that can be shown at once.
Choose Album and open the albums you want, or use Find to go to a name.</source>
        <translation>El nivel Todo mostraría %1 filas, más de las %2 que se pueden mostrar a la vez.
Elija Álbum y abra los álbumes que desee, o use Buscar para ir a un nombre.</translation>
    </message>
    <message>
        <source>Can&apos;t find cdplayer.ini.
Please check the path and try again</source>
        <translation>No se encuentra cdplayer.ini.
Compruebe la ruta e inténtelo de nuevo</translation>
    </message>
    <message>
        <source>The change could not be undone in</source>
        <translation>No se pudo deshacer el cambio en</translation>
    </message>
    <message>
        <source>The change could not be redone in</source>
        <translation>No se pudo rehacer el cambio en</translation>
    </message>
    <message>
        <source>Passed the end; searched on from the top.</source>
        <translation>Se llegó al final; la búsqueda continuó desde el principio.</translation>
    </message>
    <message>
        <source>Passed the top; searched on from the end.</source>
        <translation>Se llegó al principio; la búsqueda continuó desde el final.</translation>
    </message>
    <message>
        <source>%1 artists</source>
        <translation>%1 artistas</translation>
    </message>
    <message>
        <source>%1 albums</source>
        <translation>%1 álbumes</translation>
    </message>
    <message>
        <source>The path contains characters that this system cannot use in file names.</source>
        <translation>La ruta contiene caracteres que este sistema no puede usar en nombres de archivo.</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>No escriba más de %1 caracteres.</translation>
    </message>
    <message>
        <source>HTML files (*.htm;*.html)|*.htm;*.html|All Files (*.*)|*.*||</source>
        <translation>Archivos HTML (*.htm;*.html)|*.htm;*.html|Todos los archivos (*.*)|*.*||</translation>
    </message>
    <message>
        <source>CSV files (*.csv)|*.csv|Text files (*.txt;*.asc)|*.txt;*.asc|All Files (*.*)|*.*||</source>
        <translation>Archivos CSV (*.csv)|*.csv|Archivos de texto (*.txt;*.asc)|*.txt;*.asc|Todos los archivos (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Report generated Ok</source>
        <translation>Informe generado correctamente</translation>
    </message>
    <message>
        <source>Failed to generate report.
Possible causes are an incorrect filename, or the file specified may be in use by another application</source>
        <translation>No se pudo generar el informe.
Puede que el nombre de archivo no sea correcto o que otra aplicación esté usando el archivo indicado</translation>
    </message>
    <message>
        <source>Failed to execute the &quot;open&quot; verb on %s
Check that you have a default association for this file type</source>
        <translation>No se pudo abrir %s.
Compruebe que hay una aplicación predeterminada asociada a este tipo de archivo</translation>
    </message>
    <message>
        <source>The chosen file name contains characters that this system cannot use in file names.</source>
        <translation>El nombre de archivo elegido contiene caracteres que este sistema no puede usar en nombres de archivo.</translation>
    </message>
    <message>
        <source>Please keep the search path on one line, with its folders separated by &quot;;&quot;.</source>
        <translation>Escriba la ruta de búsqueda en una sola línea, con las carpetas separadas por «;».</translation>
    </message>
    <message>
        <source>There was a problem saving the options.
Please check that lumo.ini is not write-protected.</source>
        <translation>Hubo un problema al guardar las opciones.
Compruebe que lumo.ini no está protegido contra escritura.</translation>
    </message>
    <message>
        <source>%1 names with bytes that are no characters of the character set are left as they are.</source>
        <translation>%1 nombres con bytes que no son caracteres del juego de caracteres quedan igual.</translation>
    </message>
    <message>
        <source>This name holds bytes that are no characters of the %1 character set, so it cannot be edited: its bytes are kept as they are.
If the names look wrong, choose their character set in the Options, then Refresh.</source>
        <translation>Este nombre contiene bytes que no son caracteres del juego %1, así que no se puede editar: sus bytes se conservan tal cual.
Si los nombres se ven mal, elija su juego de caracteres en Opciones y luego actualice.</translation>
    </message>
    <message>
        <source>The names look typed in %1: choose it as the character set in the Options, then Refresh.</source>
        <translation>Los nombres parecen escritos en %1: elija ese juego de caracteres en Opciones y luego actualice.</translation>
    </message>
    <message>
        <source>The text contains characters that cannot be stored.
Please use only the characters of the %1 character set.</source>
        <translation>El texto contiene caracteres que no se pueden guardar.
Use solo los caracteres del juego de caracteres %1.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Deshacer: %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rehacer: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>&amp;Abrir…	Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importar…</translation>
    </message>
    <message>
        <source>&amp;Report</source>
        <translation>I&amp;nforme</translation>
    </message>
    <message>
        <source>R&amp;efresh</source>
        <translation>Ac&amp;tualizar</translation>
    </message>
    <message>
        <source>&amp;Clear recent files</source>
        <translation>&amp;Vaciar la lista de archivos recientes</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Deshacer	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Y</source>
        <translation>&amp;Rehacer	Ctrl+Y</translation>
    </message>
    <message>
        <source>&amp;Find...	Ctrl+F</source>
        <translation>&amp;Buscar…	Ctrl+F</translation>
    </message>
    <message>
        <source>Find &amp;next	F3</source>
        <translation>Buscar &amp;siguiente	F3</translation>
    </message>
    <message>
        <source>Find pre&amp;vious	Shift+F3</source>
        <translation>Buscar &amp;anterior	Shift+F3</translation>
    </message>
    <message>
        <source>Re&amp;place...	Ctrl+H</source>
        <translation>Reem&amp;plazar…	Ctrl+H</translation>
    </message>
    <message>
        <source>&amp;Duplicates...</source>
        <translation>D&amp;uplicados…</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Preferencias</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de Lumo</translation>
    </message>
    <message>
        <source>&amp;Mail us</source>
        <translation>&amp;Escríbanos</translation>
    </message>
    <message>
        <source>&amp;Visit our web site</source>
        <translation>&amp;Visitar nuestro sitio web</translation>
    </message>
    <message>
        <source>&amp;Read the documentation</source>
        <translation>&amp;Leer la documentación</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>An unknown error occurred while accessing %1.</source>
        <translation>Se produjo un error desconocido al acceder a %1.</translation>
    </message>
    <message>
        <source>No error occurred.</source>
        <translation>No se produjo ningún error.</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>No se encontró %1.</translation>
    </message>
    <message>
        <source>%1 contains an invalid path.</source>
        <translation>%1 contiene una ruta no válida.</translation>
    </message>
    <message>
        <source>%1 could not be opened because there are too many open files.</source>
        <translation>No se pudo abrir %1 porque hay demasiados archivos abiertos.</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>Se denegó el acceso a %1.</translation>
    </message>
    <message>
        <source>An invalid file handle was associated with %1.</source>
        <translation>Había un identificador de archivo no válido asociado a %1.</translation>
    </message>
    <message>
        <source>%1 could not be removed because it is the current directory.</source>
        <translation>No se pudo quitar %1 porque es el directorio actual.</translation>
    </message>
    <message>
        <source>%1 could not be created because the directory is full.</source>
        <translation>No se pudo crear %1 porque el directorio está lleno.</translation>
    </message>
    <message>
        <source>Seek failed on %1</source>
        <translation>Error al posicionarse en %1</translation>
    </message>
    <message>
        <source>A hardware I/O error was reported while accessing %1.</source>
        <translation>Se notificó un error de E/S del hardware al acceder a %1.</translation>
    </message>
    <message>
        <source>A sharing violation occurred while accessing %1.</source>
        <translation>Se produjo una infracción de uso compartido al acceder a %1.</translation>
    </message>
    <message>
        <source>A locking violation occurred while accessing %1.</source>
        <translation>Se produjo una infracción de bloqueo al acceder a %1.</translation>
    </message>
    <message>
        <source>Disk full while accessing %1.</source>
        <translation>Disco lleno al acceder a %1.</translation>
    </message>
    <message>
        <source>An attempt was made to access %1 past its end.</source>
        <translation>Se intentó acceder a %1 más allá de su final.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 no es un archivo normal.</translation>
    </message>
    <message>
        <source>%1 has more than one name (hard links), and the other names would keep the old contents.</source>
        <translation>%1 tiene más de un nombre (vínculos físicos), y los otros nombres conservarían el contenido anterior.</translation>
    </message>
    <message>
        <source>%1 is too large for the file size limit in force (ulimit -f).</source>
        <translation>%1 es demasiado grande para el límite de tamaño de archivo vigente (ulimit -f).</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>No se puede leer el archivo.</translation>
    </message>
    <message>
        <source>The file is too large to be read.</source>
        <translation>El archivo es demasiado grande para leerlo.</translation>
    </message>
    <message>
        <source>The file no longer exists.</source>
        <translation>El archivo ya no existe.</translation>
    </message>
    <message>
        <source>The path runs through too many symbolic links.</source>
        <translation>La ruta pasa por demasiados vínculos simbólicos.</translation>
    </message>
    <message>
        <source>The profile folder cannot be created.</source>
        <translation>No se puede crear la carpeta del perfil.</translation>
    </message>
    <message>
        <source>The section name (the disc&apos;s CD key) is empty or holds a control character, so it cannot be written.</source>
        <translation>El nombre de sección (la clave de CD del disco) está vacío o contiene un carácter de control, por lo que no se puede escribir.</translation>
    </message>
    <message>
        <source>The text holds a line break, a control character or blanks that the file cannot keep.</source>
        <translation>El texto contiene un salto de línea, un carácter de control o espacios que el archivo no puede conservar.</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>La carpeta no existe.</translation>
    </message>
    <message>
        <source>The folder is write-protected.</source>
        <translation>La carpeta está protegida contra escritura.</translation>
    </message>
    <message>
        <source>It is not an ordinary file.</source>
        <translation>No es un archivo normal.</translation>
    </message>
    <message>
        <source>The file is write-protected.</source>
        <translation>El archivo está protegido contra escritura.</translation>
    </message>
    <message>
        <source>The file has more than one name (hard links), and the other names would keep the old contents.</source>
        <translation>El archivo tiene más de un nombre (vínculos físicos), y los otros nombres conservarían el contenido anterior.</translation>
    </message>
    <message>
        <source>The file&apos;s extended attributes (such as its access control list) cannot be carried over.</source>
        <translation>No se pueden conservar los atributos extendidos del archivo (como su lista de control de acceso).</translation>
    </message>
    <message>
        <source>The file was changed by another program since Lumo last read it. Please Refresh to see what it holds now, then make the change again.</source>
        <translation>Otro programa ha cambiado el archivo desde que Lumo lo leyó por última vez. Elija Actualizar para ver lo que contiene ahora y vuelva a hacer el cambio.</translation>
    </message>
    <message>
        <source>Another program holds a lock on the file while it writes it. Please try again in a moment.</source>
        <translation>Otro programa tiene bloqueado el archivo mientras lo escribe. Inténtelo de nuevo dentro de un momento.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>El disco está lleno.</translation>
    </message>
    <message>
        <source>The file is too large for the file size limit in force (ulimit -f).</source>
        <translation>El archivo es demasiado grande para el límite de tamaño de archivo vigente (ulimit -f).</translation>
    </message>
    <message>
        <source>Access was denied.</source>
        <translation>Se denegó el acceso.</translation>
    </message>
    <message>
        <source>It is the collection already loaded.</source>
        <translation>Es la colección que ya está cargada.</translation>
    </message>
    <message>
        <source>It holds NUL bytes: it is not a cdplayer.ini.</source>
        <translation>Contiene bytes NUL: no es un cdplayer.ini.</translation>
    </message>
</context>
<context>
    <name>Strings</name>
    <message>
        <source>The unique CD key generated by cdplayer.exe</source>
        <translation>La clave de CD única generada por cdplayer.exe</translation>
    </message>
    <message>
        <source>Show only the Artists, not their albums or tracks</source>
        <translation>Mostrar solo los artistas, sin sus álbumes ni pistas</translation>
    </message>
    <message>
        <source>Show Artists and Albums, but not tracks</source>
        <translation>Mostrar artistas y álbumes, pero no pistas</translation>
    </message>
    <message>
        <source>fully expand the tree to show all Artists, Albums and Tracks.</source>
        <translation>expandir todo el árbol para mostrar todos los artistas, álbumes y pistas.</translation>
    </message>
    <message>
        <source>Automatically set when you expand or collapse a node of the tree</source>
        <translation>Se selecciona automáticamente al expandir o contraer un nodo del árbol</translation>
    </message>
    <message>
        <source>The number of artists</source>
        <translation>El número de artistas</translation>
    </message>
    <message>
        <source>The total number of albums</source>
        <translation>El número total de álbumes</translation>
    </message>
    <message>
        <source>The currently open file</source>
        <translation>El archivo abierto actualmente</translation>
    </message>
    <message>
        <source>No cdplayer.ini found: use File &gt; Open... (Ctrl+O), or add its folder in Options &gt; Preferences.</source>
        <translation>No se encontró ningún cdplayer.ini: use Archivo &gt; Abrir… (Ctrl+O) o añada su carpeta en Opciones &gt; Preferencias.</translation>
    </message>
    <message>
        <source>%1 holds no albums.</source>
        <translation>%1 no contiene álbumes.</translation>
    </message>
    <message>
        <source>Open a collection</source>
        <translation>Abrir una colección</translation>
    </message>
    <message>
        <source>INI files (*.ini *.INI);;All files (*)</source>
        <translation>Archivos INI (*.ini *.INI);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Import another cdplayer.ini</source>
        <translation>Importar otro cdplayer.ini</translation>
    </message>
    <message>
        <source>Add the %1 new section(s) of
%2
to the collection? Edit &gt; Undo takes it back.</source>
        <translation>¿Añadir las %1 sección(es) nueva(s) de
%2
a la colección? Edición &gt; Deshacer lo revierte.</translation>
    </message>
    <message>
        <source>%1
holds no section that the collection lacks: nothing to import.</source>
        <translation>%1
no contiene ninguna sección que le falte a la colección: no hay nada que importar.</translation>
    </message>
    <message>
        <source>These CD keys are in the collection already and stay as they are (the other file&apos;s names in brackets):</source>
        <translation>Estas claves de CD ya están en la colección y quedan como están (entre paréntesis, los nombres del otro archivo):</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>… y %1 más.</translation>
    </message>
    <message>
        <source>%1
cannot be imported: %2</source>
        <translation>%1
no se puede importar: %2</translation>
    </message>
    <message>
        <source>%1 section(s) imported.</source>
        <translation>%1 sección(es) importada(s).</translation>
    </message>
    <message>
        <source>Search path for finding cdplayer.ini.  (Searched left-to-right)</source>
        <translation>Ruta de búsqueda de cdplayer.ini (se recorre de izquierda a derecha)</translation>
    </message>
    <message>
        <source>Show or hide unique CD key for each album</source>
        <translation>Mostrar u ocultar la clave de CD única de cada álbum</translation>
    </message>
    <message>
        <source>Turn tooltips on or off</source>
        <translation>Activar o desactivar la información sobre herramientas</translation>
    </message>
    <message>
        <source>The code page the names in cdplayer.ini were typed in.  (Used from the next Refresh)</source>
        <translation>La página de códigos en la que se escribieron los nombres de cdplayer.ini.  (Se aplica a partir de la próxima actualización)</translation>
    </message>
</context>
<context>
    <name>Undo</name>
    <message>
        <source>Rename Track</source>
        <translation>Cambiar nombre de pista</translation>
    </message>
    <message>
        <source>Rename Album</source>
        <translation>Cambiar nombre de álbum</translation>
    </message>
    <message>
        <source>Delete Album</source>
        <translation>Eliminar álbum</translation>
    </message>
    <message>
        <source>Rename Artist</source>
        <translation>Cambiar nombre de artista</translation>
    </message>
    <message>
        <source>Delete Artist</source>
        <translation>Eliminar artista</translation>
    </message>
    <message>
        <source>Delete Duplicate</source>
        <translation>Eliminar duplicado</translation>
    </message>
    <message>
        <source>Merge Artists</source>
        <translation>Fusionar artistas</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Reemplazar</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importación</translation>
    </message>
</context>
</TS>
