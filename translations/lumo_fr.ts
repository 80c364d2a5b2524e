<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>About</name>
    <message>
        <source>Lumo is a small browser and editor for cdplayer.ini, the file in which the Audio CD Player (cdplayer.exe) of Windows 95 and Windows NT keeps the artists, titles and track names you typed for your discs.</source>
        <translation>Lumo est un petit outil pour consulter et modifier cdplayer.ini, le fichier dans lequel le Lecteur CD (cdplayer.exe) de Windows 95 et de Windows NT conserve les artistes, les titres et les noms de pistes que vous avez saisis pour vos disques.</translation>
    </message>
    <message>
        <source>It shows that data as a tree of Artist, Album and Track, and can write the whole collection as a formatted report, either as an HTML page or as CSV (comma-separated values).</source>
        <translation>Il présente ces données sous forme d&apos;arborescence Artiste, Album et Piste, et peut écrire toute la collection sous forme de rapport mis en forme, soit en page HTML, soit en CSV (valeurs séparées par des virgules).</translation>
    </message>
    <message>
        <source>Lumo also spots albums that are entered twice under different CD keys and leaves the copies out, which makes it handy when several cdplayer.ini files have been joined into one.</source>
        <translation>Lumo repère aussi les albums saisis deux fois sous des clés de CD différentes et en écarte les copies, ce qui est pratique quand plusieurs fichiers cdplayer.ini ont été réunis en un seul.</translation>
    </message>
    <message>
        <source>Lumo may be copied and passed on freely, but only complete and unchanged, and it may not be sold or included in anything that is sold.</source>
        <translation>Lumo peut être copié et distribué librement, mais uniquement complet et non modifié, et il ne peut être ni vendu ni intégré à un produit vendu.</translation>
    </message>
    <message>
        <source>Lumo is provided as is, without warranty of any kind. Its makers accept no liability for any loss or damage that comes from using it, including the loss of data: keep a copy of your cdplayer.ini.</source>
        <translation>Lumo est fourni tel quel, sans garantie d&apos;aucune sorte. Ses auteurs déclinent toute responsabilité pour les pertes ou dommages qui découlent de son utilisation, y compris la perte de données&#xa0;: conservez une copie de votre cdplayer.ini.</translation>
    </message>
</context>
<context>
    <name>CodePage</name>
    <message>
        <source>Western European (Windows-1252)</source>
        <translation>Europe occidentale (Windows-1252)</translation>
    </message>
    <message>
        <source>Central European (Windows-1250)</source>
        <translation>Europe centrale (Windows-1250)</translation>
    </message>
    <message>
        <source>Cyrillic (Windows-1251)</source>
        <translation>Cyrillique (Windows-1251)</translation>
    </message>
    <message>
        <source>Greek (Windows-1253)</source>
        <translation>Grec (Windows-1253)</translation>
    </message>
    <message>
        <source>Turkish (Windows-1254)</source>
        <translation>Turc (Windows-1254)</translation>
    </message>
    <message>
        <source>Hebrew (Windows-1255)</source>
        <translation>Hébreu (Windows-1255)</translation>
    </message>
    <message>
        <source>Arabic (Windows-1256)</source>
        <translation>Arabe (Windows-1256)</translation>
    </message>
    <message>
        <source>Baltic (Windows-1257)</source>
        <translation>Balte (Windows-1257)</translation>
    </message>
    <message>
        <source>Vietnamese (Windows-1258)</source>
        <translation>Vietnamien (Windows-1258)</translation>
    </message>
    <message>
        <source>Thai (Windows-874)</source>
        <translation>Thaï (Windows-874)</translation>
    </message>
    <message>
        <source>Japanese (Shift-JIS)</source>
        <translation>Japonais (Shift-JIS)</translation>
    </message>
    <message>
        <source>Simplified Chinese (GBK)</source>
        <translation>Chinois simplifié (GBK)</translation>
    </message>
    <message>
        <source>Korean (Windows-949)</source>
        <translation>Coréen (Windows-949)</translation>
    </message>
    <message>
        <source>Traditional Chinese (Big5)</source>
        <translation>Chinois traditionnel (Big5)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--format takes html, csv or json, not &quot;%1&quot;</source>
        <translation>--format accepte html, csv ou json, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--format, --title and --comment go with --report</source>
        <translation>--format, --title et --comment vont avec --report</translation>
    </message>
    <message>
        <source>--report needs a file name</source>
        <translation>--report demande un nom de fichier</translation>
    </message>
    <message>
        <source>--merge needs a file name</source>
        <translation>--merge demande un nom de fichier</translation>
    </message>
    <message>
        <source>--ini goes with --report, --list, --duplicates or --merge</source>
        <translation>--ini va avec --report, --list, --duplicates ou --merge</translation>
    </message>
    <message>
        <source>one file at a time: %1 and %2 were named</source>
        <translation>un seul fichier à la fois&#xa0;: %1 et %2 ont été indiqués</translation>
    </message>
    <message>
        <source>the collection goes with --ini, not as %1</source>
        <translation>la collection s&apos;indique avec --ini, pas comme %1</translation>
    </message>
    <message>
        <source>unknown argument %1</source>
        <translation>argument inconnu %1</translation>
    </message>
    <message>
        <source>nothing to do</source>
        <translation>rien à faire</translation>
    </message>
    <message>
        <source>unexpected %1</source>
        <translation>%1 inattendu</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 demande une valeur</translation>
    </message>
    <message>
        <source>%1 cannot be combined with another command</source>
        <translation>%1 ne peut pas être combiné avec une autre commande</translation>
    </message>
    <message>
        <source>: is too large to be loaded: a cdplayer.ini of more than 1 GB is not read</source>
        <translation>&#xa0;: est trop volumineux pour être chargé&#xa0;: un cdplayer.ini de plus de 1 Go n&apos;est pas lu</translation>
    </message>
    <message>
        <source>: cannot be read as cdplayer.ini</source>
        <translation>&#xa0;: ne peut pas être lu comme cdplayer.ini</translation>
    </message>
    <message>
        <source>: not found</source>
        <translation>&#xa0;: introuvable</translation>
    </message>
    <message>
        <source>cdplayer.ini: not found along the search path &quot;%1&quot; (see --ini)</source>
        <translation>cdplayer.ini&#xa0;: introuvable dans le chemin de recherche «&#xa0;%1&#xa0;» (voir --ini)</translation>
    </message>
    <message>
        <source>standard output: cannot be written</source>
        <translation>sortie standard&#xa0;: écriture impossible</translation>
    </message>
    <message>
        <source>%1 section(s) added</source>
        <translation>%1 section(s) ajoutée(s)</translation>
    </message>
    <message>
        <source>kept %1: %2 (the other file has %3)</source>
        <translation>%1 conservée&#xa0;: %2 (l&apos;autre fichier contient %3)</translation>
    </message>
    <message>
        <source>the title and the comment must keep to the Western European (Windows-1252) characters</source>
        <translation>le titre et le commentaire doivent se limiter aux caractères d&apos;Europe occidentale (Windows-1252)</translation>
    </message>
    <message>
        <source>: the report could not be written (check the folder and the name)</source>
        <translation>&#xa0;: le rapport n&apos;a pas pu être écrit (vérifiez le dossier et le nom)</translation>
    </message>
    <message>
        <source> (see lumo --help)</source>
        <translation> (voir lumo --help)</translation>
    </message>
    <message>
        <source>%1 duplicate album(s) left out, the first of each kept</source>
        <translation>%1 album(s) en double écarté(s), le premier de chaque groupe conservé</translation>
    </message>
    <message>
        <source>%1: could not be handed to the running Lumo</source>
        <translation>%1&#xa0;: n&apos;a pas pu être transmis au Lumo déjà lancé</translation>
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
        <translation>Utilisation : lumo [FICHIER]
       lumo [--report FICHIER [--format html|csv|json] [--title TEXTE] [--comment TEXTE]] [--list]
            [--duplicates] [--merge AUTRE] [--ini CDPLAYER_INI] [--codepage N] [--help] [--version]
Sans option, Lumo ouvre sa fenêtre sur FICHIER, ou sinon sur le premier cdplayer.ini
trouvé dans le chemin de recherche. Si Lumo est déjà lancé, sa fenêtre ouvre FICHIER
et passe au premier plan.
  --report FICHIER  écrire un rapport de la collection dans FICHIER, sans fenêtre
  --format FORMAT   html, csv ou json ; par défaut csv pour un FICHIER en .csv, .txt ou .asc,
                    json pour .json, html sinon
  --title TEXTE     le titre du rapport HTML (par défaut : Output)
  --comment TEXTE   le commentaire du rapport HTML
  --list            afficher la collection en lignes séparées par des tabulations, en UTF-8 :
                    artiste, album, numéro de piste, nom de piste
  --duplicates      afficher chaque album écarté comme doublon en lignes séparées par des
                    tabulations, en UTF-8 : la clé de CD conservée, la clé de CD écartée,
                    artiste, titre
  --merge AUTRE     ajouter à la collection chaque section du cdplayer.ini AUTRE dont la clé
                    de CD lui manque ; les sections qu&apos;elle a déjà restent telles quelles et
                    sont listées
  --ini FICHIER     le cdplayer.ini à lire (par défaut : le premier trouvé dans le chemin
                    de recherche enregistré dans lumo.ini)
  --codepage N      la page de codes Windows des noms de la collection, comme 1251 ou 932
                    (par défaut : celle choisie dans les Options, sinon 1252)
  --help            afficher cette aide
  --version         afficher la version
Code de sortie : 0 terminé, 1 un fichier n&apos;a pas pu être lu ou écrit, 2 erreur d&apos;utilisation.
</translation>
    </message>
    <message>
        <source>--codepage takes one of %1, not &quot;%2&quot;</source>
        <translation>--codepage accepte l&apos;une des valeurs %1, pas «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>--codepage goes with --report, --list, --duplicates or --merge</source>
        <translation>--codepage va avec --report, --list, --duplicates ou --merge</translation>
    </message>
</context>
<context>
    <name>Dialog</name>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>Artiste</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>Album</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tout</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisé</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Infos</translation>
    </message>
    <message>
        <source>Artists</source>
        <translation>Artistes</translation>
    </message>
    <message>
        <source>Albums</source>
        <translation>Albums</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Search path for cdplayer.ini</source>
        <translation>&amp;Chemin de recherche de cdplayer.ini</translation>
    </message>
    <message>
        <source>Show CD keys</source>
        <translation>Afficher les clés de CD</translation>
    </message>
    <message>
        <source>Enable ToolTips</source>
        <translation>Activer les info-bulles</translation>
    </message>
    <message>
        <source>Loaded</source>
        <translation>Chargé</translation>
    </message>
    <message>
        <source>Formatted</source>
        <translation>Mis en forme</translation>
    </message>
    <message>
        <source>&amp;Title</source>
        <translation>&amp;Titre</translation>
    </message>
    <message>
        <source>&amp;Comment</source>
        <translation>&amp;Commentaire</translation>
    </message>
    <message>
        <source>&amp;Filename</source>
        <translation>&amp;Nom de fichier</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>Report format</source>
        <translation>Format du rapport</translation>
    </message>
    <message>
        <source>HTML</source>
        <translation>HTML</translation>
    </message>
    <message>
        <source>CSV (comma-delimited ASCII)</source>
        <translation>CSV (ASCII séparé par des virgules)</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Afficher</translation>
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
        <translation>Non</translation>
    </message>
    <message>
        <source>Apply to all subsequent duplicates like this</source>
        <translation>Appliquer à tous les doublons suivants de ce type</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>Sélectionnée</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Existing entry</source>
        <translation>Entrée existante</translation>
    </message>
    <message>
        <source>New entry</source>
        <translation>Nouvelle entrée</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Web page</source>
        <translation>Page &amp;web</translation>
    </message>
    <message>
        <source>&amp;Mail us!</source>
        <translation>É&amp;crivez-nous&#xa0;!</translation>
    </message>
    <message>
        <source>&amp;Read the documentation</source>
        <translation>&amp;Lire la documentation</translation>
    </message>
    <message>
        <source>Fi&amp;nd what:</source>
        <translation>Rec&amp;hercher&#xa0;:</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>Respecter la &amp;casse</translation>
    </message>
    <message>
        <source>Look in</source>
        <translation>Rechercher dans</translation>
    </message>
    <message>
        <source>&amp;Artists</source>
        <translation>&amp;Artistes</translation>
    </message>
    <message>
        <source>A&amp;lbums</source>
        <translation>Al&amp;bums</translation>
    </message>
    <message>
        <source>&amp;Tracks</source>
        <translation>&amp;Pistes</translation>
    </message>
    <message>
        <source>&amp;Find next</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>Find &amp;previous</source>
        <translation>Précé&amp;dent</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>&amp;Albums entered more than once:</source>
        <translation>&amp;Albums saisis plusieurs fois&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Tracks of the selected entry:</source>
        <translation>&amp;Pistes de l&apos;entrée sélectionnée&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Groups of similar artist names:</source>
        <translation>&amp;Groupes de noms d&apos;artistes semblables&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Spelling to give them all:</source>
        <translation>&amp;Orthographe commune à leur donner&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <translation>&amp;Fusionner</translation>
    </message>
    <message>
        <source>Re&amp;place with:</source>
        <translation>&amp;Remplacer par&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Replace all</source>
        <translation>Remplacer &amp;tout</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Generate report</source>
        <translation>Générer un rapport</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Duplicate album found</source>
        <translation>Album en double trouvé</translation>
    </message>
    <message>
        <source>Duplicates</source>
        <translation>Doublons</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>&amp;Character set:</source>
        <translation>&amp;Jeu de caractères&#xa0;:</translation>
    </message>
</context>
<context>
    <name>Lumo</name>
    <message>
        <source>There is not enough memory to finish the operation.

It has been stopped.</source>
        <translation>La mémoire est insuffisante pour terminer l&apos;opération.

Elle a été interrompue.</translation>
    </message>
    <message>
        <source>an unknown error</source>
        <translation>une erreur inconnue</translation>
    </message>
    <message>
        <source>The operation could not be finished:
%1

It has been stopped.</source>
        <translation>L&apos;opération n&apos;a pas pu être terminée&#xa0;:
%1

Elle a été interrompue.</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Présentation</translation>
    </message>
    <message>
        <source>Distribution and Legal</source>
        <translation>Distribution et mentions légales</translation>
    </message>
    <message>
        <source>Unable to locate %s.html.  It is most likely that you have an incomplete
copy of %s.  Please complain to whoever sent it to you,
and visit our web site to get the complete version of the software.</source>
        <translation>%s.html est introuvable. Votre copie de %s est très probablement
incomplète. Veuillez vous adresser à la personne qui vous l&apos;a fournie
et visiter notre site web pour obtenir la version complète du logiciel.</translation>
    </message>
    <message>
        <source>Can&apos;t generate a mail message.  Do you have mail installed?</source>
        <translation>Impossible de créer un message électronique. Un logiciel de messagerie est-il installé&#xa0;?</translation>
    </message>
    <message>
        <source>Failed to send mail - tried indirect (browser) and direct (MAPI)</source>
        <translation>Échec de l&apos;envoi du message&#xa0;: ni l&apos;envoi indirect (navigateur) ni l&apos;envoi direct (MAPI) n&apos;ont abouti</translation>
    </message>
    <message>
        <source>The change could not be written to</source>
        <translation>La modification n&apos;a pas pu être écrite dans</translation>
    </message>
    <message>
        <source>%1 names will change.
Replace them all?
(Edit &gt; Undo takes it back.)</source>
        <translation>%1 noms vont changer.
Les remplacer tous&#xa0;?
(Édition &gt; Annuler permet de revenir en arrière.)</translation>
    </message>
    <message>
        <source>Replaced %1 names.</source>
        <translation>%1 noms remplacés.</translation>
    </message>
    <message>
        <source>Cannot find &quot;%1&quot;.</source>
        <translation>«&#xa0;%1&#xa0;» est introuvable.</translation>
    </message>
    <message>
        <source>Every name with &quot;%1&quot; stays as it is: nothing to replace.</source>
        <translation>Chaque nom contenant «&#xa0;%1&#xa0;» reste inchangé&#xa0;: il n&apos;y a rien à remplacer.</translation>
    </message>
    <message>
        <source>Replace all would change &quot;%1&quot;, which is refused:

%2

Nothing has been changed.</source>
        <translation>«&#xa0;Remplacer tout&#xa0;» modifierait «&#xa0;%1&#xa0;», ce qui est refusé&#xa0;:

%2

Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>An album&apos;s title cannot be empty.
Please choose another text.</source>
        <translation>Le titre d&apos;un album ne peut pas être vide.
Veuillez choisir un autre texte.</translation>
    </message>
    <message>
        <source>The name would grow past 1023 characters, more than the CD player can read.
Please choose a shorter text.</source>
        <translation>Le nom dépasserait 1023 caractères, plus que le Lecteur CD ne peut en lire.
Veuillez choisir un texte plus court.</translation>
    </message>
    <message>
        <source>%1: %2 - %3, %4 tracks</source>
        <translation>%1&#xa0;: %2 - %3, %4 pistes</translation>
    </message>
    <message>
        <source> (shown in the tree)</source>
        <translation> (affiché dans l&apos;arborescence)</translation>
    </message>
    <message>
        <source>Duplicate albums</source>
        <translation>Albums en double</translation>
    </message>
    <message>
        <source>Similar artists</source>
        <translation>Artistes semblables</translation>
    </message>
    <message>
        <source>&amp;Artist</source>
        <translation>&amp;Artiste</translation>
    </message>
    <message>
        <source>A&amp;lbum</source>
        <translation>A&amp;lbum</translation>
    </message>
    <message>
        <source>&amp;Track</source>
        <translation>&amp;Piste</translation>
    </message>
    <message>
        <source>Edit Artist</source>
        <translation>Modifier l&apos;artiste</translation>
    </message>
    <message>
        <source>Edit Album</source>
        <translation>Modifier l&apos;album</translation>
    </message>
    <message>
        <source>Edit Track</source>
        <translation>Modifier la piste</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(vide)</translation>
    </message>
    <message>
        <source>The name contains a line break or a control character (NUL, Ctrl-Z) that cdplayer.ini cannot hold.
Please remove it.</source>
        <translation>Le nom contient un saut de ligne ou un caractère de contrôle (NUL, Ctrl-Z) que cdplayer.ini ne peut pas contenir.
Veuillez le supprimer.</translation>
    </message>
    <message>
        <source>&quot;&lt;UNKNOWN&gt;&quot; stands for a disc without an artist, and such discs are not shown.
Please choose another name.</source>
        <translation>«&#xa0;&lt;UNKNOWN&gt;&#xa0;» désigne un disque sans artiste, et ces disques ne sont pas affichés.
Veuillez choisir un autre nom.</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Déplacer</translation>
    </message>
    <message>
        <source>Nothing has been changed.</source>
        <translation>Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this artist
and ALL albums attached to it?
(Edit &gt; Undo takes it back.)</source>
        <translation>Voulez-vous vraiment supprimer cet artiste
et TOUS ses albums&#xa0;?
(Édition &gt; Annuler permet de revenir en arrière.)</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this album?
(Edit &gt; Undo takes it back.)</source>
        <translation>Voulez-vous vraiment supprimer cet album&#xa0;?
(Édition &gt; Annuler permet de revenir en arrière.)</translation>
    </message>
    <message>
        <source>Moving not implemented yet</source>
        <translation>Le déplacement n&apos;est pas encore disponible</translation>
    </message>
    <message>
        <source>Lumo already has an entry for this, but it has a different CD key.  This sometimes happens when an album is re-released or when some programs (like WinDac32) write several albums with a blank artist and title field.</source>
        <translation>Lumo a déjà une entrée pour cet album, mais avec une autre clé de CD. Cela arrive quand un album est réédité ou quand certains programmes (comme WinDac32) écrivent plusieurs albums dont les champs artiste et titre sont vides.</translation>
    </message>
    <message>
        <source>The import could not be written to</source>
        <translation>L&apos;importation n&apos;a pas pu être écrite dans</translation>
    </message>
    <message>
        <source>
is too large to be loaded: a cdplayer.ini of more than 1 GB is not read.</source>
        <translation>
est trop volumineux pour être chargé&#xa0;: un cdplayer.ini de plus de 1 Go n&apos;est pas lu.</translation>
    </message>
    <message>
        <source>
cannot be read: please check that it is a file you may read.</source>
        <translation>
ne peut pas être lu&#xa0;: vérifiez qu&apos;il s&apos;agit d&apos;un fichier que vous avez le droit de lire.</translation>
    </message>
    <message>
        <source>The All level would show %1 rows, more than the %2 that can be shown at once.
Choose Album and open the albums you want, or use Find to go to a name.</source>
        <translation>Le niveau Tout afficherait %1 lignes, plus que les %2 qui peuvent être affichées à la fois.
Choisissez Album et ouvrez les albums voulus, ou utilisez Rechercher pour aller à un nom.</translation>
    </message>
    <message>
        <source>Can&apos;t find cdplayer.ini.
Please check the path and try again</source>
        <translation>cdplayer.ini est introuvable.
Veuillez vérifier le chemin et réessayer</translation>
    </message>
    <message>
        <source>The change could not be undone in</source>
        <translation>La modification n&apos;a pas pu être annulée dans</translation>
    </message>
    <message>
        <source>The change could not be redone in</source>
        <translation>La modification n&apos;a pas pu être rétablie dans</translation>
    </message>
    <message>
        <source>Passed the end; searched on from the top.</source>
        <translation>Fin atteinte&#xa0;; la recherche a repris au début.</translation>
    </message>
    <message>
        <source>Passed the top; searched on from the end.</source>
        <translation>Début atteint&#xa0;; la recherche a repris à la fin.</translation>
    </message>
    <message>
        <source>%1 artists</source>
        <translation>%1 artistes</translation>
    </message>
    <message>
        <source>%1 albums</source>
        <translation>%1 albums</translation>
    </message>
    <message>
        <source>The path contains characters that this system cannot use in file names.</source>
        <translation>Le chemin contient des caractères que ce système ne peut pas utiliser dans les noms de fichiers.</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Veuillez saisir au plus %1 caractères.</translation>
    </message>
    <message>
        <source>HTML files (*.htm;*.html)|*.htm;*.html|All Files (*.*)|*.*||</source>
        <translation>Fichiers HTML (*.htm;*.html)|*.htm;*.html|Tous les fichiers (*.*)|*.*||</translation>
    </message>
    <message>
        <source>CSV files (*.csv)|*.csv|Text files (*.txt;*.asc)|*.txt;*.asc|All Files (*.*)|*.*||</source>
        <translation>Fichiers CSV (*.csv)|*.csv|Fichiers texte (*.txt;*.asc)|*.txt;*.asc|Tous les fichiers (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Report generated Ok</source>
        <translation>Rapport généré avec succès</translation>
    </message>
    <message>
        <source>Failed to generate report.
Possible causes are an incorrect filename, or the file specified may be in use by another application</source>
        <translation>Le rapport n&apos;a pas pu être généré.
Le nom de fichier est peut-être incorrect, ou le fichier indiqué est peut-être utilisé par une autre application</translation>
    </message>
    <message>
        <source>Failed to execute the &quot;open&quot; verb on %s
Check that you have a default association for this file type</source>
        <translation>Impossible d&apos;ouvrir %s.
Vérifiez qu&apos;une application par défaut est associée à ce type de fichier</translation>
    </message>
    <message>
        <source>The chosen file name contains characters that this system cannot use in file names.</source>
        <translation>Le nom de fichier choisi contient des caractères que ce système ne peut pas utiliser dans les noms de fichiers.</translation>
    </message>
    <message>
        <source>Please keep the search path on one line, with its folders separated by &quot;;&quot;.</source>
        <translation>Veuillez écrire le chemin de recherche sur une seule ligne, en séparant ses dossiers par «&#xa0;;&#xa0;».</translation>
    </message>
    <message>
        <source>There was a problem saving the options.
Please check that lumo.ini is not write-protected.</source>
        <translation>Un problème est survenu lors de l&apos;enregistrement des options.
Veuillez vérifier que lumo.ini n&apos;est pas protégé en écriture.</translation>
    </message>
    <message>
        <source>%1 names with bytes that are no characters of the character set are left as they are.</source>
        <translation>%1 noms contenant des octets qui ne sont pas des caractères du jeu restent tels quels.</translation>
    </message>
    <message>
        <source>This name holds bytes that are no characters of the %1 character set, so it cannot be edited: its bytes are kept as they are.
If the names look wrong, choose their character set in the Options, then Refresh.</source>
        <translation>Ce nom contient des octets qui ne sont pas des caractères du jeu «&#xa0;%1&#xa0;»&#xa0;; il ne peut donc pas être modifié et ses octets restent tels quels.
Si les noms semblent faux, choisissez leur jeu de caractères dans les Options, puis actualisez.</translation>
    </message>
    <message>
        <source>The names look typed in %1: choose it as the character set in the Options, then Refresh.</source>
        <translation>Les noms semblent saisis en «&#xa0;%1&#xa0;»&#xa0;: choisissez ce jeu de caractères dans les Options, puis actualisez.</translation>
    </message>
    <message>
        <source>The text contains characters that cannot be stored.
Please use only the characters of the %1 character set.</source>
        <translation>Le texte contient des caractères qui ne peuvent pas être enregistrés.
Veuillez n&apos;utiliser que les caractères du jeu «&#xa0;%1&#xa0;».</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler&#xa0;: %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>Ré&amp;tablir&#xa0;: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Ré&amp;tablir</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>&amp;Ouvrir…	Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importer…</translation>
    </message>
    <message>
        <source>&amp;Report</source>
        <translation>&amp;Rapport</translation>
    </message>
    <message>
        <source>R&amp;efresh</source>
        <translation>&amp;Actualiser</translation>
    </message>
    <message>
        <source>&amp;Clear recent files</source>
        <translation>&amp;Effacer la liste des fichiers récents</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Annuler	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Y</source>
        <translation>Ré&amp;tablir	Ctrl+Y</translation>
    </message>
    <message>
        <source>&amp;Find...	Ctrl+F</source>
        <translation>&amp;Rechercher…	Ctrl+F</translation>
    </message>
    <message>
        <source>Find &amp;next	F3</source>
        <translation>Rechercher le &amp;suivant	F3</translation>
    </message>
    <message>
        <source>Find pre&amp;vious	Shift+F3</source>
        <translation>Rechercher le &amp;précédent	Shift+F3</translation>
    </message>
    <message>
        <source>Re&amp;place...	Ctrl+H</source>
        <translation>Re&amp;mplacer…	Ctrl+H</translation>
    </message>
    <message>
        <source>&amp;Duplicates...</source>
        <translation>&amp;Doublons…</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Préférences</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos de Lumo</translation>
    </message>
    <message>
        <source>&amp;Mail us</source>
        <translation>&amp;Nous écrire</translation>
    </message>
    <message>
        <source>&amp;Visit our web site</source>
        <translation>&amp;Visiter notre site web</translation>
    </message>
    <message>
        <source>&amp;Read the documentation</source>
        <translation>&amp;Lire la documentation</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>An unknown error occurred while accessing %1.</source>
        <translation>Une erreur inconnue s&apos;est produite lors de l&apos;accès à %1.</translation>
    </message>
    <message>
        <source>No error occurred.</source>
        <translation>Aucune erreur ne s&apos;est produite.</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 est introuvable.</translation>
    </message>
    <message>
        <source>%1 contains an invalid path.</source>
        <translation>%1 contient un chemin non valide.</translation>
    </message>
    <message>
        <source>%1 could not be opened because there are too many open files.</source>
        <translation>%1 n&apos;a pas pu être ouvert, car trop de fichiers sont ouverts.</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>L&apos;accès à %1 a été refusé.</translation>
    </message>
    <message>
        <source>An invalid file handle was associated with %1.</source>
        <translation>Un descripteur de fichier non valide était associé à %1.</translation>
    </message>
    <message>
        <source>%1 could not be removed because it is the current directory.</source>
        <translation>%1 n&apos;a pas pu être supprimé, car c&apos;est le répertoire courant.</translation>
    </message>
    <message>
        <source>%1 could not be created because the directory is full.</source>
        <translation>%1 n&apos;a pas pu être créé, car le répertoire est plein.</translation>
    </message>
    <message>
        <source>Seek failed on %1</source>
        <translation>Échec du positionnement dans %1</translation>
    </message>
    <message>
        <source>A hardware I/O error was reported while accessing %1.</source>
        <translation>Une erreur matérielle d&apos;E/S a été signalée lors de l&apos;accès à %1.</translation>
    </message>
    <message>
        <source>A sharing violation occurred while accessing %1.</source>
        <translation>Une violation de partage s&apos;est produite lors de l&apos;accès à %1.</translation>
    </message>
    <message>
        <source>A locking violation occurred while accessing %1.</source>
        <translation>Une violation de verrouillage s&apos;est produite lors de l&apos;accès à %1.</translation>
    </message>
    <message>
        <source>Disk full while accessing %1.</source>
        <translation>Disque plein lors de l&apos;accès à %1.</translation>
    </message>
    <message>
        <source>An attempt was made to access %1 past its end.</source>
        <translation>Tentative d&apos;accès à %1 au-delà de sa fin.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>%1 has more than one name (hard links), and the other names would keep the old contents.</source>
        <translation>%1 a plus d&apos;un nom (liens physiques), et les autres noms conserveraient l&apos;ancien contenu.</translation>
    </message>
    <message>
        <source>%1 is too large for the file size limit in force (ulimit -f).</source>
        <translation>%1 est trop volumineux pour la limite de taille de fichier en vigueur (ulimit -f).</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Le fichier ne peut pas être lu.</translation>
    </message>
    <message>
        <source>The file is too large to be read.</source>
        <translation>Le fichier est trop volumineux pour être lu.</translation>
    </message>
    <message>
        <source>The file no longer exists.</source>
        <translation>Le fichier n&apos;existe plus.</translation>
    </message>
    <message>
        <source>The path runs through too many symbolic links.</source>
        <translation>Le chemin passe par trop de liens symboliques.</translation>
    </message>
    <message>
        <source>The profile folder cannot be created.</source>
        <translation>Le dossier du profil ne peut pas être créé.</translation>
    </message>
    <message>
        <source>The section name (the disc&apos;s CD key) is empty or holds a control character, so it cannot be written.</source>
        <translation>Le nom de section (la clé de CD du disque) est vide ou contient un caractère de contrôle&#xa0;: il ne peut donc pas être écrit.</translation>
    </message>
    <message>
        <source>The text holds a line break, a control character or blanks that the file cannot keep.</source>
        <translation>Le texte contient un saut de ligne, un caractère de contrôle ou des espaces que le fichier ne peut pas conserver.</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>Le dossier n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The folder is write-protected.</source>
        <translation>Le dossier est protégé en écriture.</translation>
    </message>
    <message>
        <source>It is not an ordinary file.</source>
        <translation>Ce n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>The file is write-protected.</source>
        <translation>Le fichier est protégé en écriture.</translation>
    </message>
    <message>
        <source>The file has more than one name (hard links), and the other names would keep the old contents.</source>
        <translation>Le fichier a plus d&apos;un nom (liens physiques), et les autres noms conserveraient l&apos;ancien contenu.</translation>
    </message>
    <message>
        <source>The file&apos;s extended attributes (such as its access control list) cannot be carried over.</source>
        <translation>Les attributs étendus du fichier (comme sa liste de contrôle d&apos;accès) ne peuvent pas être repris.</translation>
    </message>
    <message>
        <source>The file was changed by another program since Lumo last read it. Please Refresh to see what it holds now, then make the change again.</source>
        <translation>Le fichier a été modifié par un autre programme depuis sa dernière lecture par Lumo. Veuillez choisir Actualiser pour voir son contenu actuel, puis refaire la modification.</translation>
    </message>
    <message>
        <source>Another program holds a lock on the file while it writes it. Please try again in a moment.</source>
        <translation>Un autre programme verrouille le fichier pendant qu&apos;il l&apos;écrit. Veuillez réessayer dans un instant.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>Le disque est plein.</translation>
    </message>
    <message>
        <source>The file is too large for the file size limit in force (ulimit -f).</source>
        <translation>Le fichier est trop volumineux pour la limite de taille de fichier en vigueur (ulimit -f).</translation>
    </message>
    <message>
        <source>Access was denied.</source>
        <translation>L&apos;accès a été refusé.</translation>
    </message>
    <message>
        <source>It is the collection already loaded.</source>
        <translation>C&apos;est la collection déjà chargée.</translation>
    </message>
    <message>
        <source>It holds NUL bytes: it is not a cdplayer.ini.</source>
        <translation>Il contient des octets NUL&#xa0;: ce n&apos;est pas un cdplayer.ini.</translation>
    </message>
</context>
<context>
    <name>Strings</name>
    <message>
        <source>The unique CD key generated by cdplayer.exe</source>
        <translation>La clé de CD unique générée par cdplayer.exe</translation>
    </message>
    <message>
        <source>Show only the Artists, not their albums or tracks</source>
        <translation>N&apos;afficher que les artistes, sans leurs albums ni leurs pistes</translation>
    </message>
    <message>
        <source>Show Artists and Albums, but not tracks</source>
        <translation>Afficher les artistes et les albums, mais pas les pistes</translation>
    </message>
    <message>
        <source>fully expand the tree to show all Artists, Albums and Tracks.</source>
        <translation>développer entièrement l&apos;arborescence pour afficher tous les artistes, albums et pistes.</translation>
    </message>
    <message>
        <source>Automatically set when you expand or collapse a node of the tree</source>
        <translation>Choisi automatiquement quand vous développez ou réduisez un nœud de l&apos;arborescence</translation>
    </message>
    <message>
        <source>The number of artists</source>
        <translation>Le nombre d&apos;artistes</translation>
    </message>
    <message>
        <source>The total number of albums</source>
        <translation>Le nombre total d&apos;albums</translation>
    </message>
    <message>
        <source>The currently open file</source>
        <translation>Le fichier actuellement ouvert</translation>
    </message>
    <message>
        <source>No cdplayer.ini found: use File &gt; Open... (Ctrl+O), or add its folder in Options &gt; Preferences.</source>
        <translation>Aucun cdplayer.ini trouvé&#xa0;: utilisez Fichier &gt; Ouvrir… (Ctrl+O), ou ajoutez son dossier dans Options &gt; Préférences.</translation>
    </message>
    <message>
        <source>%1 holds no albums.</source>
        <translation>%1 ne contient aucun album.</translation>
    </message>
    <message>
        <source>Open a collection</source>
        <translation>Ouvrir une collection</translation>
    </message>
    <message>
        <source>INI files (*.ini *.INI);;All files (*)</source>
        <translation>Fichiers INI (*.ini *.INI);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Import another cdplayer.ini</source>
        <translation>Importer un autre cdplayer.ini</translation>
    </message>
    <message>
        <source>Add the %1 new section(s) of
%2
to the collection? Edit &gt; Undo takes it back.</source>
        <translation>Ajouter les %1 nouvelle(s) section(s) de
%2
à la collection&#xa0;? Édition &gt; Annuler permet de revenir en arrière.</translation>
    </message>
    <message>
        <source>%1
holds no section that the collection lacks: nothing to import.</source>
        <translation>%1
ne contient aucune section absente de la collection&#xa0;: il n&apos;y a rien à importer.</translation>
    </message>
    <message>
        <source>These CD keys are in the collection already and stay as they are (the other file&apos;s names in brackets):</source>
        <translation>Ces clés de CD sont déjà dans la collection et restent telles quelles (les noms de l&apos;autre fichier entre parenthèses)&#xa0;:</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>… et %1 autres.</translation>
    </message>
    <message>
        <source>%1
cannot be imported: %2</source>
        <translation>%1
ne peut pas être importé&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 section(s) imported.</source>
        <translation>%1 section(s) importée(s).</translation>
    </message>
    <message>
        <source>Search path for finding cdplayer.ini.  (Searched left-to-right)</source>
        <translation>Chemin de recherche de cdplayer.ini (parcouru de gauche à droite)</translation>
    </message>
    <message>
        <source>Show or hide unique CD key for each album</source>
        <translation>Afficher ou masquer la clé de CD unique de chaque album</translation>
    </message>
    <message>
        <source>Turn tooltips on or off</source>
        <translation>Activer ou désactiver les info-bulles</translation>
    </message>
    <message>
        <source>The code page the names in cdplayer.ini were typed in.  (Used from the next Refresh)</source>
        <translation>La page de codes dans laquelle les noms de cdplayer.ini ont été saisis.  (Appliquée à la prochaine actualisation)</translation>
    </message>
</context>
<context>
    <name>Undo</name>
    <message>
        <source>Rename Track</source>
        <translation>Renommer la piste</translation>
    </message>
    <message>
        <source>Rename Album</source>
        <translation>Renommer l&apos;album</translation>
    </message>
    <message>
        <source>Delete Album</source>
        <translation>Supprimer l&apos;album</translation>
    </message>
    <message>
        <source>Rename Artist</source>
        <translation>Renommer l&apos;artiste</translation>
    </message>
    <message>
        <source>Delete Artist</source>
        <translation>Supprimer l&apos;artiste</translation>
    </message>
    <message>
        <source>Delete Duplicate</source>
        <translation>Supprimer le doublon</translation>
    </message>
    <message>
        <source>Merge Artists</source>
        <translation>Fusionner les artistes</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importation</translation>
    </message>
</context>
</TS>
