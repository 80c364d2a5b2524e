<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>About</name>
    <message>
        <source>Lumo is a small browser and editor for cdplayer.ini, the file in which the Audio CD Player (cdplayer.exe) of Windows 95 and Windows NT keeps the artists, titles and track names you typed for your discs.</source>
        <translation>O Lumo é um pequeno visualizador e editor do cdplayer.ini, o arquivo em que o CD Player (cdplayer.exe) do Windows 95 e do Windows NT guarda os artistas, os títulos e os nomes das faixas que você digitou para seus discos.</translation>
    </message>
    <message>
        <source>It shows that data as a tree of Artist, Album and Track, and can write the whole collection as a formatted report, either as an HTML page or as CSV (comma-separated values).</source>
        <translation>Ele mostra esses dados como uma árvore de Artista, Álbum e Faixa e pode gravar a coleção inteira como um relatório formatado, seja como página HTML, seja como CSV (valores separados por vírgulas).</translation>
    </message>
    <message>
        <source>Lumo also spots albums that are entered twice under different CD keys and leaves the copies out, which makes it handy when several cdplayer.ini files have been joined into one.</source>
        <translation>O Lumo também identifica álbuns cadastrados duas vezes com chaves de CD diferentes e deixa as cópias de fora, o que é útil quando vários arquivos cdplayer.ini foram reunidos em um só.</translation>
    </message>
    <message>
        <source>Lumo may be copied and passed on freely, but only complete and unchanged, and it may not be sold or included in anything that is sold.</source>
        <translation>O Lumo pode ser copiado e distribuído livremente, mas somente completo e sem alterações, e não pode ser vendido nem incluído em nada que seja vendido.</translation>
    </message>
    <message>
        <source>Lumo is provided as is, without warranty of any kind. Its makers accept no liability for any loss or damage that comes from using it, including the loss of data: keep a copy of your cdplayer.ini.</source>
        <translation>O Lumo é fornecido no estado em que se encontra, sem nenhum tipo de garantia. Seus criadores não se responsabilizam por perdas ou danos decorrentes do seu uso, inclusive a perda de dados: guarde uma cópia do seu cdplayer.ini.</translation>
    </message>
</context>
<context>
    <name>CodePage</name>
    <message>
        <source>Western European (Windows-1252)</source>
        <translation>Europa Ocidental (Windows-1252)</translation>
    </message>
    <message>
        <source>Central European (Windows-1250)</source>
        <translation>Europa Central (Windows-1250)</translation>
    </message>
    <message>
        <source>Cyrillic (Windows-1251)</source>
        <translation>Cirílico (Windows-1251)</translation>
    </message>
    <message>
        <source>Greek (Windows-1253)</source>
        <translation>Grego (Windows-1253)</translation>
    </message>
    <message>
        <source>Turkish (Windows-1254)</source>
        <translation>Turco (Windows-1254)</translation>
    </message>
    <message>
        <source>Hebrew (Windows-1255)</source>
        <translation>Hebraico (Windows-1255)</translation>
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
        <translation>Tailandês (Windows-874)</translation>
    </message>
    <message>
        <source>Japanese (Shift-JIS)</source>
        <translation>Japonês (Shift-JIS)</translation>
    </message>
    <message>
        <source>Simplified Chinese (GBK)</source>
        <translation>Chinês simplificado (GBK)</translation>
    </message>
    <message>
        <source>Korean (Windows-949)</source>
        <translation>Coreano (Windows-949)</translation>
    </message>
    <message>
        <source>Traditional Chinese (Big5)</source>
        <translation>Chinês tradicional (Big5)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--format takes html, csv or json, not &quot;%1&quot;</source>
        <translation>--format aceita html, csv ou json, não “%1”</translation>
    </message>
    <message>
        <source>--format, --title and --comment go with --report</source>
        <translation>--format, --title e --comment só podem ser usados com --report</translation>
    </message>
    <message>
        <source>--report needs a file name</source>
        <translation>--report precisa de um nome de arquivo</translation>
    </message>
    <message>
        <source>--merge needs a file name</source>
        <translation>--merge precisa de um nome de arquivo</translation>
    </message>
    <message>
        <source>--ini goes with --report, --list, --duplicates or --merge</source>
        <translation>--ini só pode ser usado com --report, --list, --duplicates ou --merge</translation>
    </message>
    <message>
        <source>one file at a time: %1 and %2 were named</source>
        <translation>um arquivo de cada vez: foram indicados %1 e %2</translation>
    </message>
    <message>
        <source>the collection goes with --ini, not as %1</source>
        <translation>a coleção é indicada com --ini, não como %1</translation>
    </message>
    <message>
        <source>unknown argument %1</source>
        <translation>argumento desconhecido %1</translation>
    </message>
    <message>
        <source>nothing to do</source>
        <translation>nada a fazer</translation>
    </message>
    <message>
        <source>unexpected %1</source>
        <translation>%1 inesperado</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 precisa de um valor</translation>
    </message>
    <message>
        <source>%1 cannot be combined with another command</source>
        <translation>%1 não pode ser combinado com outro comando</translation>
    </message>
    <message>
        <source>: is too large to be loaded: a cdplayer.ini of more than 1 GB is not read</source>
        <translation>: é grande demais para ser carregado: um cdplayer.ini com mais de 1 GB não é lido</translation>
    </message>
    <message>
        <source>: cannot be read as cdplayer.ini</source>
        <translation>: não pode ser lido como cdplayer.ini</translation>
    </message>
    <message>
        <source>: not found</source>
        <translation>: não encontrado</translation>
    </message>
    <message>
        <source>cdplayer.ini: not found along the search path &quot;%1&quot; (see --ini)</source>
        <translation>cdplayer.ini: não encontrado no caminho de busca “%1” (veja --ini)</translation>
    </message>
    <message>
        <source>standard output: cannot be written</source>
        <translation>saída padrão: não é possível gravar</translation>
    </message>
    <message>
        <source>%1 section(s) added</source>
        <translation>%1 seção(ões) adicionada(s)</translation>
    </message>
    <message>
        <source>kept %1: %2 (the other file has %3)</source>
        <translation>mantida %1: %2 (no outro arquivo: %3)</translation>
    </message>
    <message>
        <source>the title and the comment must keep to the Western European (Windows-1252) characters</source>
        <translation>o título e o comentário só podem conter caracteres da Europa Ocidental (Windows-1252)</translation>
    </message>
    <message>
        <source>: the report could not be written (check the folder and the name)</source>
        <translation>: não foi possível gravar o relatório (verifique a pasta e o nome)</translation>
    </message>
    <message>
        <source> (see lumo --help)</source>
        <translation> (veja lumo --help)</translation>
    </message>
    <message>
        <source>%1 duplicate album(s) left out, the first of each kept</source>
        <translation>%1 álbum(ns) duplicado(s) omitido(s); o primeiro de cada um foi mantido</translation>
    </message>
    <message>
        <source>%1: could not be handed to the running Lumo</source>
        <translation>%1: não foi possível entregar ao Lumo em execução</translation>
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
        <translation>Uso: lumo [ARQUIVO]
     lumo [--report ARQUIVO [--format html|csv|json] [--title TEXTO] [--comment TEXTO]] [--list]
          [--duplicates] [--merge OUTRO] [--ini CDPLAYER_INI] [--codepage N] [--help] [--version]
Sem opções, o Lumo abre sua janela com ARQUIVO ou, na falta dele, com o primeiro
cdplayer.ini encontrado no caminho de busca. Se o Lumo já estiver em execução, a
janela dele abre ARQUIVO e vem para a frente.
  --report ARQUIVO  grava um relatório da coleção em ARQUIVO, sem abrir a janela
  --format FORMATO  html, csv ou json; por padrão, csv para ARQUIVO terminado em .csv,
                    .txt ou .asc, json para .json e html nos demais casos
  --title TEXTO     o título do relatório HTML (padrão: Output)
  --comment TEXTO   o comentário do relatório HTML
  --list            imprime a coleção em linhas separadas por tabulação, em UTF-8:
                    artista, álbum, número da faixa, nome da faixa
  --duplicates      imprime cada álbum omitido como duplicata em linhas separadas por
                    tabulação, em UTF-8: a chave de CD mantida, a chave de CD omitida,
                    artista, título
  --merge OUTRO     adiciona à coleção cada seção do cdplayer.ini OUTRO cuja chave de CD
                    ainda não esteja nela; as seções que ela já tem ficam como estão e
                    são listadas
  --ini ARQUIVO     o cdplayer.ini a ser lido (padrão: o primeiro encontrado no caminho
                    de busca guardado no lumo.ini)
  --codepage N      a página de código do Windows dos nomes, como 1251 ou 932
                    (padrão: a escolhida nas Opções; senão, 1252)
  --help            mostra esta ajuda
  --version         mostra a versão
Status de saída: 0 concluído, 1 um arquivo não pôde ser lido ou gravado,
2 erro de uso.
</translation>
    </message>
    <message>
        <source>--codepage takes one of %1, not &quot;%2&quot;</source>
        <translation>--codepage aceita um de %1, não “%2”</translation>
    </message>
    <message>
        <source>--codepage goes with --report, --list, --duplicates or --merge</source>
        <translation>--codepage só pode ser usado com --report, --list, --duplicates ou --merge</translation>
    </message>
</context>
<context>
    <name>Dialog</name>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Exibição</translation>
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
        <translation>Tudo</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Informações</translation>
    </message>
    <message>
        <source>Artists</source>
        <translation>Artistas</translation>
    </message>
    <message>
        <source>Albums</source>
        <translation>Álbuns</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Relatório</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Search path for cdplayer.ini</source>
        <translation>&amp;Caminho de busca do cdplayer.ini</translation>
    </message>
    <message>
        <source>Show CD keys</source>
        <translation>Mostrar chaves de CD</translation>
    </message>
    <message>
        <source>Enable ToolTips</source>
        <translation>Ativar dicas de ferramenta</translation>
    </message>
    <message>
        <source>Loaded</source>
        <translation>Carregado</translation>
    </message>
    <message>
        <source>Formatted</source>
        <translation>Formatado</translation>
    </message>
    <message>
        <source>&amp;Title</source>
        <translation>&amp;Título</translation>
    </message>
    <message>
        <source>&amp;Comment</source>
        <translation>&amp;Comentário</translation>
    </message>
    <message>
        <source>&amp;Filename</source>
        <translation>&amp;Nome do arquivo</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Procurar</translation>
    </message>
    <message>
        <source>Report format</source>
        <translation>Formato do relatório</translation>
    </message>
    <message>
        <source>HTML</source>
        <translation>HTML</translation>
    </message>
    <message>
        <source>CSV (comma-delimited ASCII)</source>
        <translation>CSV (ASCII separado por vírgulas)</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Visualizar</translation>
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
        <translation>Não</translation>
    </message>
    <message>
        <source>Apply to all subsequent duplicates like this</source>
        <translation>Aplicar a todas as próximas duplicatas deste tipo</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>Selecionado</translation>
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
        <translation>Nova entrada</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>&amp;Web page</source>
        <translation>&amp;Site</translation>
    </message>
    <message>
        <source>&amp;Mail us!</source>
        <translation>&amp;Escreva-nos!</translation>
    </message>
    <message>
        <source>&amp;Read the documentation</source>
        <translation>&amp;Ler a documentação</translation>
    </message>
    <message>
        <source>Fi&amp;nd what:</source>
        <translation>&amp;Localizar:</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>&amp;Diferenciar maiúsculas e minúsculas</translation>
    </message>
    <message>
        <source>Look in</source>
        <translation>Procurar em</translation>
    </message>
    <message>
        <source>&amp;Artists</source>
        <translation>&amp;Artistas</translation>
    </message>
    <message>
        <source>A&amp;lbums</source>
        <translation>Ál&amp;buns</translation>
    </message>
    <message>
        <source>&amp;Tracks</source>
        <translation>&amp;Faixas</translation>
    </message>
    <message>
        <source>&amp;Find next</source>
        <translation>Localizar &amp;próxima</translation>
    </message>
    <message>
        <source>Find &amp;previous</source>
        <translation>Localizar a&amp;nterior</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>&amp;Albums entered more than once:</source>
        <translation>Ál&amp;buns cadastrados mais de uma vez:</translation>
    </message>
    <message>
        <source>&amp;Tracks of the selected entry:</source>
        <translation>&amp;Faixas da entrada selecionada:</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Excluir</translation>
    </message>
    <message>
        <source>&amp;Groups of similar artist names:</source>
        <translation>Grupos de nomes de artista &amp;semelhantes:</translation>
    </message>
    <message>
        <source>&amp;Spelling to give them all:</source>
        <translation>&amp;Grafia a aplicar a todos:</translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <translation>&amp;Mesclar</translation>
    </message>
    <message>
        <source>Re&amp;place with:</source>
        <translation>Substituir &amp;por:</translation>
    </message>
    <message>
        <source>&amp;Replace all</source>
        <translation>Substituir &amp;tudo</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Generate report</source>
        <translation>Gerar relatório</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Localizar</translation>
    </message>
    <message>
        <source>Duplicate album found</source>
        <translation>Álbum duplicado encontrado</translation>
    </message>
    <message>
        <source>Duplicates</source>
        <translation>Duplicatas</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Substituir</translation>
    </message>
    <message>
        <source>&amp;Character set:</source>
        <translation>C&amp;onjunto de caracteres:</translation>
    </message>
</context>
<context>
    <name>Lumo</name>
    <message>
        <source>There is not enough memory to finish the operation.

It has been stopped.</source>
        <translation>Não há memória suficiente para concluir a operação.

Ela foi interrompida.</translation>
    </message>
    <message>
        <source>an unknown error</source>
        <translation>um erro desconhecido</translation>
    </message>
    <message>
        <source>The operation could not be finished:
%1

It has been stopped.</source>
        <translation>Não foi possível concluir a operação:
%1

Ela foi interrompida.</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Sobre o %1</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Visão geral</translation>
    </message>
    <message>
        <source>Distribution and Legal</source>
        <translation>Distribuição e avisos legais</translation>
    </message>
    <message>
        <source>Unable to locate %s.html.  It is most likely that you have an incomplete
copy of %s.  Please complain to whoever sent it to you,
and visit our web site to get the complete version of the software.</source>
        <translation>Não foi possível encontrar %s.html. Provavelmente sua cópia do %s está
incompleta. Reclame com quem a enviou para você
e visite nosso site para obter a versão completa do programa.</translation>
    </message>
    <message>
        <source>Can&apos;t generate a mail message.  Do you have mail installed?</source>
        <translation>Não é possível criar uma mensagem de e-mail. Há um programa de e-mail instalado?</translation>
    </message>
    <message>
        <source>Failed to send mail - tried indirect (browser) and direct (MAPI)</source>
        <translation>Falha ao enviar o e-mail: foram tentadas as formas indireta (navegador) e direta (MAPI)</translation>
    </message>
    <message>
        <source>The change could not be written to</source>
        <translation>Não foi possível gravar a alteração em</translation>
    </message>
    <message>
        <source>%1 names will change.
Replace them all?
(Edit &gt; Undo takes it back.)</source>
        <translation>%1 nomes serão alterados.
Substituir todos?
(Editar &gt; Desfazer reverte a operação.)</translation>
    </message>
    <message>
        <source>Replaced %1 names.</source>
        <translation>%1 nomes substituídos.</translation>
    </message>
    <message>
        <source>Cannot find &quot;%1&quot;.</source>
        <translation>Não foi possível encontrar “%1”.</translation>
    </message>
    <message>
        <source>Every name with &quot;%1&quot; stays as it is: nothing to replace.</source>
        <translation>Todos os nomes com “%1” continuam iguais: não há nada para substituir.</translation>
    </message>
    <message>
        <source>Replace all would change &quot;%1&quot;, which is refused:

%2

Nothing has been changed.</source>
        <translation>“Substituir tudo” alteraria “%1”, o que foi recusado:

%2

Nada foi alterado.</translation>
    </message>
    <message>
        <source>An album&apos;s title cannot be empty.
Please choose another text.</source>
        <translation>O título de um álbum não pode ficar vazio.
Escolha outro texto.</translation>
    </message>
    <message>
        <source>The name would grow past 1023 characters, more than the CD player can read.
Please choose a shorter text.</source>
        <translation>O nome passaria de 1023 caracteres, mais do que o CD Player consegue ler.
Escolha um texto mais curto.</translation>
    </message>
    <message>
        <source>%1: %2 - %3, %4 tracks</source>
        <translation>%1: %2 - %3, %4 faixas</translation>
    </message>
    <message>
        <source> (shown in the tree)</source>
        <translation> (mostrado na árvore)</translation>
    </message>
    <message>
        <source>Duplicate albums</source>
        <translation>Álbuns duplicados</translation>
    </message>
    <message>
        <source>Similar artists</source>
        <translation>Artistas semelhantes</translation>
    </message>
    <message>
        <source>&amp;Artist</source>
        <translation>&amp;Artista</translation>
    </message>
    <message>
        <source>A&amp;lbum</source>
        <translation>Ál&amp;bum</translation>
    </message>
    <message>
        <source>&amp;Track</source>
        <translation>&amp;Faixa</translation>
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
        <translation>Editar faixa</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(vazio)</translation>
    </message>
    <message>
        <source>The name contains a line break or a control character (NUL, Ctrl-Z) that cdplayer.ini cannot hold.
Please remove it.</source>
        <translation>O nome contém uma quebra de linha ou um caractere de controle (NUL, Ctrl-Z) que o cdplayer.ini não consegue guardar.
Remova-o.</translation>
    </message>
    <message>
        <source>&quot;&lt;UNKNOWN&gt;&quot; stands for a disc without an artist, and such discs are not shown.
Please choose another name.</source>
        <translation>“&lt;UNKNOWN&gt;” representa um disco sem artista, e esses discos não são exibidos.
Escolha outro nome.</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;xcluir</translation>
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
        <translation>Nada foi alterado.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this artist
and ALL albums attached to it?
(Edit &gt; Undo takes it back.)</source>
        <translation>Tem certeza de que deseja excluir este artista
e TODOS os álbuns dele?
(Editar &gt; Desfazer reverte a operação.)</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this album?
(Edit &gt; Undo takes it back.)</source>
        <translation>Tem certeza de que deseja excluir este álbum?
(Editar &gt; Desfazer reverte a operação.)</translation>
    </message>
    <message>
        <source>Moving not implemented yet</source>
        <translation>A função Mover ainda não está disponível</translation>
    </message>
    <message>
        <source>Lumo already has an entry for this, but it has a different CD key.  This sometimes happens when an album is re-released or when some programs (like WinDac32) write several albums with a blank artist and title field.</source>
        <translation>O Lumo já tem uma entrada para este disco, mas com outra chave de CD. Isso às vezes acontece quando um álbum é relançado ou quando alguns programas (como o WinDac32) gravam vários álbuns com os campos de artista e título em branco.</translation>
    </message>
    <message>
        <source>The import could not be written to</source>
        <translation>Não foi possível gravar a importação em</translation>
    </message>
    <message>
        <source>
is too large to be loaded: a cdplayer.ini of more than 1 GB is not read.</source>
        <translation>
é grande demais para ser carregado: um cdplayer.ini com mais de 1 GB não é lido.</translation>
    </message>
    <message>
        <source>
cannot be read: please check that it is a file you may read.</source>
        <translation>
não pode ser lido: verifique se é um arquivo que você tem permissão para ler.</translation>
    </message>
    <message>
        <source>The All level would show %1 rows, more than the %2 that can be shown at once.
Choose Album and open the albums you want, or use Find to go to a name.</source>
        <translation>O nível Tudo mostraria %1 linhas, mais do que as %2 que podem ser exibidas de uma vez.
Escolha Álbum e abra os álbuns desejados, ou use Localizar para ir até um nome.</translation>
    </message>
    <message>
        <source>Can&apos;t find cdplayer.ini.
Please check the path and try again</source>
        <translation>Não foi possível encontrar o cdplayer.ini.
Verifique o caminho e tente novamente</translation>
    </message>
    <message>
        <source>The change could not be undone in</source>
        <translation>Não foi possível desfazer a alteração em</translation>
    </message>
    <message>
        <source>The change could not be redone in</source>
        <translation>Não foi possível refazer a alteração em</translation>
    </message>
    <message>
        <source>Passed the end; searched on from the top.</source>
        <translation>Fim alcançado; a busca continuou a partir do início.</translation>
    </message>
    <message>
        <source>Passed the top; searched on from the end.</source>
        <translation>Início alcançado; a busca continuou a partir do fim.</translation>
    </message>
    <message>
        <source>%1 artists</source>
        <translation>Artistas: %1</translation>
    </message>
    <message>
        <source>%1 albums</source>
        <translation>Álbuns: %1</translation>
    </message>
    <message>
        <source>The path contains characters that this system cannot use in file names.</source>
        <translation>O caminho contém caracteres que este sistema não pode usar em nomes de arquivo.</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Digite no máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>HTML files (*.htm;*.html)|*.htm;*.html|All Files (*.*)|*.*||</source>
        <translation>Arquivos HTML (*.htm;*.html)|*.htm;*.html|Todos os arquivos (*.*)|*.*||</translation>
    </message>
    <message>
        <source>CSV files (*.csv)|*.csv|Text files (*.txt;*.asc)|*.txt;*.asc|All Files (*.*)|*.*||</source>
        <translation>Arquivos CSV (*.csv)|*.csv|Arquivos de texto (*.txt;*.asc)|*.txt;*.asc|Todos os arquivos (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Report generated Ok</source>
        <translation>Relatório gerado com sucesso</translation>
    </message>
    <message>
        <source>Failed to generate report.
Possible causes are an incorrect filename, or the file specified may be in use by another application</source>
        <translation>Falha ao gerar o relatório.
O nome do arquivo pode estar incorreto ou o arquivo pode estar em uso por outro programa</translation>
    </message>
    <message>
        <source>Failed to execute the &quot;open&quot; verb on %s
Check that you have a default association for this file type</source>
        <translation>Não foi possível abrir %s.
Verifique se há um programa padrão associado a este tipo de arquivo</translation>
    </message>
    <message>
        <source>The chosen file name contains characters that this system cannot use in file names.</source>
        <translation>O nome de arquivo escolhido contém caracteres que este sistema não pode usar em nomes de arquivo.</translation>
    </message>
    <message>
        <source>Please keep the search path on one line, with its folders separated by &quot;;&quot;.</source>
        <translation>Mantenha o caminho de busca em uma só linha, com as pastas separadas por “;”.</translation>
    </message>
    <message>
        <source>There was a problem saving the options.
Please check that lumo.ini is not write-protected.</source>
        <translation>Houve um problema ao salvar as opções.
Verifique se o lumo.ini não está protegido contra gravação.</translation>
    </message>
    <message>
        <source>%1 names with bytes that are no characters of the character set are left as they are.</source>
        <translation>%1 nomes com bytes que não são caracteres do conjunto ficam como estão.</translation>
    </message>
    <message>
        <source>This name holds bytes that are no characters of the %1 character set, so it cannot be edited: its bytes are kept as they are.
If the names look wrong, choose their character set in the Options, then Refresh.</source>
        <translation>Este nome contém bytes que não são caracteres do conjunto %1, por isso não pode ser editado: seus bytes ficam como estão.
Se os nomes parecerem errados, escolha o conjunto de caracteres deles nas Opções e depois atualize.</translation>
    </message>
    <message>
        <source>The names look typed in %1: choose it as the character set in the Options, then Refresh.</source>
        <translation>Os nomes parecem digitados em %1: escolha esse conjunto de caracteres nas Opções e depois atualize.</translation>
    </message>
    <message>
        <source>The text contains characters that cannot be stored.
Please use only the characters of the %1 character set.</source>
        <translation>O texto contém caracteres que não podem ser armazenados.
Use apenas os caracteres do conjunto %1.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Desfazer: %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Refazer: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>&amp;Abrir...	Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importar...</translation>
    </message>
    <message>
        <source>&amp;Report</source>
        <translation>&amp;Relatório</translation>
    </message>
    <message>
        <source>R&amp;efresh</source>
        <translation>A&amp;tualizar</translation>
    </message>
    <message>
        <source>&amp;Clear recent files</source>
        <translation>&amp;Limpar arquivos recentes</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Desfazer	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Y</source>
        <translation>&amp;Refazer	Ctrl+Y</translation>
    </message>
    <message>
        <source>&amp;Find...	Ctrl+F</source>
        <translation>&amp;Localizar...	Ctrl+F</translation>
    </message>
    <message>
        <source>Find &amp;next	F3</source>
        <translation>Localizar &amp;próxima	F3</translation>
    </message>
    <message>
        <source>Find pre&amp;vious	Shift+F3</source>
        <translation>Localizar &amp;anterior	Shift+F3</translation>
    </message>
    <message>
        <source>Re&amp;place...	Ctrl+H</source>
        <translation>&amp;Substituir...	Ctrl+H</translation>
    </message>
    <message>
        <source>&amp;Duplicates...</source>
        <translation>D&amp;uplicatas...</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Preferências</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre o Lumo</translation>
    </message>
    <message>
        <source>&amp;Mail us</source>
        <translation>&amp;Escreva-nos</translation>
    </message>
    <message>
        <source>&amp;Visit our web site</source>
        <translation>&amp;Visite nosso site</translation>
    </message>
    <message>
        <source>&amp;Read the documentation</source>
        <translation>&amp;Ler a documentação</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>An unknown error occurred while accessing %1.</source>
        <translation>Ocorreu um erro desconhecido ao acessar %1.</translation>
    </message>
    <message>
        <source>No error occurred.</source>
        <translation>Não ocorreu nenhum erro.</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 não foi encontrado.</translation>
    </message>
    <message>
        <source>%1 contains an invalid path.</source>
        <translation>%1 contém um caminho inválido.</translation>
    </message>
    <message>
        <source>%1 could not be opened because there are too many open files.</source>
        <translation>Não foi possível abrir %1 porque há arquivos abertos demais.</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>O acesso a %1 foi negado.</translation>
    </message>
    <message>
        <source>An invalid file handle was associated with %1.</source>
        <translation>Um identificador de arquivo inválido foi associado a %1.</translation>
    </message>
    <message>
        <source>%1 could not be removed because it is the current directory.</source>
        <translation>Não foi possível remover %1 porque ele é o diretório atual.</translation>
    </message>
    <message>
        <source>%1 could not be created because the directory is full.</source>
        <translation>Não foi possível criar %1 porque o diretório está cheio.</translation>
    </message>
    <message>
        <source>Seek failed on %1</source>
        <translation>Falha ao posicionar em %1</translation>
    </message>
    <message>
        <source>A hardware I/O error was reported while accessing %1.</source>
        <translation>Um erro de E/S de hardware foi relatado ao acessar %1.</translation>
    </message>
    <message>
        <source>A sharing violation occurred while accessing %1.</source>
        <translation>Ocorreu uma violação de compartilhamento ao acessar %1.</translation>
    </message>
    <message>
        <source>A locking violation occurred while accessing %1.</source>
        <translation>Ocorreu uma violação de bloqueio ao acessar %1.</translation>
    </message>
    <message>
        <source>Disk full while accessing %1.</source>
        <translation>Disco cheio ao acessar %1.</translation>
    </message>
    <message>
        <source>An attempt was made to access %1 past its end.</source>
        <translation>Houve uma tentativa de acessar %1 além do seu fim.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 não é um arquivo comum.</translation>
    </message>
    <message>
        <source>%1 has more than one name (hard links), and the other names would keep the old contents.</source>
        <translation>%1 tem mais de um nome (links físicos), e os outros nomes manteriam o conteúdo antigo.</translation>
    </message>
    <message>
        <source>%1 is too large for the file size limit in force (ulimit -f).</source>
        <translation>%1 é grande demais para o limite de tamanho de arquivo em vigor (ulimit -f).</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Não é possível ler o arquivo.</translation>
    </message>
    <message>
        <source>The file is too large to be read.</source>
        <translation>O arquivo é grande demais para ser lido.</translation>
    </message>
    <message>
        <source>The file no longer exists.</source>
        <translation>O arquivo não existe mais.</translation>
    </message>
    <message>
        <source>The path runs through too many symbolic links.</source>
        <translation>O caminho passa por links simbólicos demais.</translation>
    </message>
    <message>
        <source>The profile folder cannot be created.</source>
        <translation>Não é possível criar a pasta do perfil.</translation>
    </message>
    <message>
        <source>The section name (the disc&apos;s CD key) is empty or holds a control character, so it cannot be written.</source>
        <translation>O nome da seção (a chave de CD do disco) está vazio ou contém um caractere de controle, por isso não pode ser gravado.</translation>
    </message>
    <message>
        <source>The text holds a line break, a control character or blanks that the file cannot keep.</source>
        <translation>O texto contém uma quebra de linha, um caractere de controle ou espaços que o arquivo não consegue guardar.</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>A pasta não existe.</translation>
    </message>
    <message>
        <source>The folder is write-protected.</source>
        <translation>A pasta está protegida contra gravação.</translation>
    </message>
    <message>
        <source>It is not an ordinary file.</source>
        <translation>Não é um arquivo comum.</translation>
    </message>
    <message>
        <source>The file is write-protected.</source>
        <translation>O arquivo está protegido contra gravação.</translation>
    </message>
    <message>
        <source>The file has more than one name (hard links), and the other names would keep the old contents.</source>
        <translation>O arquivo tem mais de um nome (links físicos), e os outros nomes manteriam o conteúdo antigo.</translation>
    </message>
    <message>
        <source>The file&apos;s extended attributes (such as its access control list) cannot be carried over.</source>
        <translation>Os atributos estendidos do arquivo (como a lista de controle de acesso) não podem ser transferidos.</translation>
    </message>
    <message>
        <source>The file was changed by another program since Lumo last read it. Please Refresh to see what it holds now, then make the change again.</source>
        <translation>O arquivo foi alterado por outro programa desde a última vez que o Lumo o leu. Use Atualizar para ver o que ele contém agora e faça a alteração de novo.</translation>
    </message>
    <message>
        <source>Another program holds a lock on the file while it writes it. Please try again in a moment.</source>
        <translation>Outro programa mantém o arquivo bloqueado enquanto o grava. Tente novamente daqui a pouco.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>O disco está cheio.</translation>
    </message>
    <message>
        <source>The file is too large for the file size limit in force (ulimit -f).</source>
        <translation>O arquivo é grande demais para o limite de tamanho de arquivo em vigor (ulimit -f).</translation>
    </message>
    <message>
        <source>Access was denied.</source>
        <translation>O acesso foi negado.</translation>
    </message>
    <message>
        <source>It is the collection already loaded.</source>
        <translation>É a coleção que já está carregada.</translation>
    </message>
    <message>
        <source>It holds NUL bytes: it is not a cdplayer.ini.</source>
        <translation>Ele contém bytes NUL: não é um cdplayer.ini.</translation>
    </message>
</context>
<context>
    <name>Strings</name>
    <message>
        <source>The unique CD key generated by cdplayer.exe</source>
        <translation>A chave de CD única gerada pelo cdplayer.exe</translation>
    </message>
    <message>
        <source>Show only the Artists, not their albums or tracks</source>
        <translation>Mostrar apenas os artistas, sem os álbuns nem as faixas</translation>
    </message>
    <message>
        <source>Show Artists and Albums, but not tracks</source>
        <translation>Mostrar artistas e álbuns, mas não as faixas</translation>
    </message>
    <message>
        <source>fully expand the tree to show all Artists, Albums and Tracks.</source>
        <translation>Expandir toda a árvore para mostrar todos os artistas, álbuns e faixas.</translation>
    </message>
    <message>
        <source>Automatically set when you expand or collapse a node of the tree</source>
        <translation>Selecionado automaticamente quando você expande ou recolhe um nó da árvore</translation>
    </message>
    <message>
        <source>The number of artists</source>
        <translation>O número de artistas</translation>
    </message>
    <message>
        <source>The total number of albums</source>
        <translation>O número total de álbuns</translation>
    </message>
    <message>
        <source>The currently open file</source>
        <translation>O arquivo aberto no momento</translation>
    </message>
    <message>
        <source>No cdplayer.ini found: use File &gt; Open... (Ctrl+O), or add its folder in Options &gt; Preferences.</source>
        <translation>Nenhum cdplayer.ini encontrado: use Arquivo &gt; Abrir... (Ctrl+O) ou adicione a pasta dele em Opções &gt; Preferências.</translation>
    </message>
    <message>
        <source>%1 holds no albums.</source>
        <translation>%1 não contém nenhum álbum.</translation>
    </message>
    <message>
        <source>Open a collection</source>
        <translation>Abrir uma coleção</translation>
    </message>
    <message>
        <source>INI files (*.ini *.INI);;All files (*)</source>
        <translation>Arquivos INI (*.ini *.INI);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Import another cdplayer.ini</source>
        <translation>Importar outro cdplayer.ini</translation>
    </message>
    <message>
        <source>Add the %1 new section(s) of
%2
to the collection? Edit &gt; Undo takes it back.</source>
        <translation>Adicionar %1 seção(ões) nova(s) de
%2
à coleção? Editar &gt; Desfazer reverte a operação.</translation>
    </message>
    <message>
        <source>%1
holds no section that the collection lacks: nothing to import.</source>
        <translation>%1
não contém nenhuma seção que falte na coleção: não há nada para importar.</translation>
    </message>
    <message>
        <source>These CD keys are in the collection already and stay as they are (the other file&apos;s names in brackets):</source>
        <translation>Estas chaves de CD já estão na coleção e continuam como estão (os nomes do outro arquivo entre parênteses):</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... e mais %1.</translation>
    </message>
    <message>
        <source>%1
cannot be imported: %2</source>
        <translation>%1
não pode ser importado: %2</translation>
    </message>
    <message>
        <source>%1 section(s) imported.</source>
        <translation>%1 seção(ões) importada(s).</translation>
    </message>
    <message>
        <source>Search path for finding cdplayer.ini.  (Searched left-to-right)</source>
        <translation>Caminho de busca do cdplayer.ini (pesquisado da esquerda para a direita)</translation>
    </message>
    <message>
        <source>Show or hide unique CD key for each album</source>
        <translation>Mostrar ou ocultar a chave de CD única de cada álbum</translation>
    </message>
    <message>
        <source>Turn tooltips on or off</source>
        <translation>Ativar ou desativar as dicas de ferramenta</translation>
    </message>
    <message>
        <source>The code page the names in cdplayer.ini were typed in.  (Used from the next Refresh)</source>
        <translation>A página de código em que os nomes do cdplayer.ini foram digitados.  (Vale a partir da próxima atualização)</translation>
    </message>
</context>
<context>
    <name>Undo</name>
    <message>
        <source>Rename Track</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Rename Album</source>
        <translation>Renomear faixa</translation>
    </message>
    <message>
        <source>Delete Album</source>
        <translation>Renomear álbum</translation>
    </message>
    <message>
        <source>Rename Artist</source>
        <translation>Excluir álbum</translation>
    </message>
    <message>
        <source>Delete Artist</source>
        <translation>Renomear artista</translation>
    </message>
    <message>
        <source>Delete Duplicate</source>
        <translation>Excluir artista</translation>
    </message>
    <message>
        <source>Merge Artists</source>
        <translation>Excluir duplicata</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Mesclar artistas</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Substituir</translation>
    </message>
</context>
</TS>
