<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>About</name>
    <message>
        <source>Lumo is a small browser and editor for cdplayer.ini, the file in which the Audio CD Player (cdplayer.exe) of Windows 95 and Windows NT keeps the artists, titles and track names you typed for your discs.</source>
        <translation>Lumo は cdplayer.ini を閲覧・編集するための小さなプログラムです。cdplayer.ini は、Windows 95 と Windows NT の CD プレーヤー (cdplayer.exe) が、ディスクごとに入力されたアーティスト名、アルバム名、トラック名を保存するファイルです。</translation>
    </message>
    <message>
        <source>It shows that data as a tree of Artist, Album and Track, and can write the whole collection as a formatted report, either as an HTML page or as CSV (comma-separated values).</source>
        <translation>Lumo はこのデータをアーティスト、アルバム、トラックのツリーとして表示し、コレクション全体を整形したレポートとして HTML ページまたは CSV (カンマ区切り) 形式で書き出すことができます。</translation>
    </message>
    <message>
        <source>Lumo also spots albums that are entered twice under different CD keys and leaves the copies out, which makes it handy when several cdplayer.ini files have been joined into one.</source>
        <translation>また、異なる CD キーで二重に登録されたアルバムを見つけ出し、重複分を除外します。複数の cdplayer.ini ファイルを 1 つにまとめた場合に便利です。</translation>
    </message>
    <message>
        <source>Lumo may be copied and passed on freely, but only complete and unchanged, and it may not be sold or included in anything that is sold.</source>
        <translation>Lumo は自由に複製・配布できます。ただし、すべてのファイルを揃えて変更を加えない場合に限ります。また、Lumo を販売すること、販売される製品に含めることはできません。</translation>
    </message>
    <message>
        <source>Lumo is provided as is, without warranty of any kind. Its makers accept no liability for any loss or damage that comes from using it, including the loss of data: keep a copy of your cdplayer.ini.</source>
        <translation>Lumo は現状のまま提供され、いかなる保証もありません。作者は、データの消失を含め、Lumo の使用によって生じたいかなる損失や損害についても責任を負いません。cdplayer.ini のコピーを保管しておいてください。</translation>
    </message>
</context>
<context>
    <name>CodePage</name>
    <message>
        <source>Western European (Windows-1252)</source>
        <translation>西ヨーロッパ言語 (Windows-1252)</translation>
    </message>
    <message>
        <source>Central European (Windows-1250)</source>
        <translation>中央ヨーロッパ言語 (Windows-1250)</translation>
    </message>
    <message>
        <source>Cyrillic (Windows-1251)</source>
        <translation>キリル言語 (Windows-1251)</translation>
    </message>
    <message>
        <source>Greek (Windows-1253)</source>
        <translation>ギリシャ語 (Windows-1253)</translation>
    </message>
    <message>
        <source>Turkish (Windows-1254)</source>
        <translation>トルコ語 (Windows-1254)</translation>
    </message>
    <message>
        <source>Hebrew (Windows-1255)</source>
        <translation>ヘブライ語 (Windows-1255)</translation>
    </message>
    <message>
        <source>Arabic (Windows-1256)</source>
        <translation>アラビア語 (Windows-1256)</translation>
    </message>
    <message>
        <source>Baltic (Windows-1257)</source>
        <translation>バルト言語 (Windows-1257)</translation>
    </message>
    <message>
        <source>Vietnamese (Windows-1258)</source>
        <translation>ベトナム語 (Windows-1258)</translation>
    </message>
    <message>
        <source>Thai (Windows-874)</source>
        <translation>タイ語 (Windows-874)</translation>
    </message>
    <message>
        <source>Japanese (Shift-JIS)</source>
        <translation>日本語 (シフト JIS)</translation>
    </message>
    <message>
        <source>Simplified Chinese (GBK)</source>
        <translation>簡体字中国語 (GBK)</translation>
    </message>
    <message>
        <source>Korean (Windows-949)</source>
        <translation>韓国語 (Windows-949)</translation>
    </message>
    <message>
        <source>Traditional Chinese (Big5)</source>
        <translation>繁体字中国語 (Big5)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--format takes html, csv or json, not &quot;%1&quot;</source>
        <translation>--format には html、csv、json のいずれかを指定してください (「%1」は指定できません)</translation>
    </message>
    <message>
        <source>--format, --title and --comment go with --report</source>
        <translation>--format、--title、--comment は --report と一緒に指定します</translation>
    </message>
    <message>
        <source>--report needs a file name</source>
        <translation>--report にはファイル名が必要です</translation>
    </message>
    <message>
        <source>--merge needs a file name</source>
        <translation>--merge にはファイル名が必要です</translation>
    </message>
    <message>
        <source>--ini goes with --report, --list, --duplicates or --merge</source>
        <translation>--ini は --report、--list、--duplicates、--merge のいずれかと一緒に指定します</translation>
    </message>
    <message>
        <source>one file at a time: %1 and %2 were named</source>
        <translation>一度に指定できるファイルは 1 つだけです: %1 と %2 が指定されました</translation>
    </message>
    <message>
        <source>the collection goes with --ini, not as %1</source>
        <translation>コレクションは %1 としてではなく --ini で指定します</translation>
    </message>
    <message>
        <source>unknown argument %1</source>
        <translation>不明な引数 %1</translation>
    </message>
    <message>
        <source>nothing to do</source>
        <translation>何もすることがありません</translation>
    </message>
    <message>
        <source>unexpected %1</source>
        <translation>予期しない %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 には値が必要です</translation>
    </message>
    <message>
        <source>%1 cannot be combined with another command</source>
        <translation>%1 は他のコマンドと組み合わせられません</translation>
    </message>
    <message>
        <source>: is too large to be loaded: a cdplayer.ini of more than 1 GB is not read</source>
        <translation>: 大きすぎるため読み込めません: 1 GB を超える cdplayer.ini は読み込みません</translation>
    </message>
    <message>
        <source>: cannot be read as cdplayer.ini</source>
        <translation>: cdplayer.ini として読み込めません</translation>
    </message>
    <message>
        <source>: not found</source>
        <translation>: 見つかりません</translation>
    </message>
    <message>
        <source>cdplayer.ini: not found along the search path &quot;%1&quot; (see --ini)</source>
        <translation>cdplayer.ini: 検索パス「%1」上に見つかりません (--ini を参照)</translation>
    </message>
    <message>
        <source>standard output: cannot be written</source>
        <translation>標準出力: 書き込めません</translation>
    </message>
    <message>
        <source>%1 section(s) added</source>
        <translation>%1 個のセクションを追加しました</translation>
    </message>
    <message>
        <source>kept %1: %2 (the other file has %3)</source>
        <translation>%1 を維持: %2 (別ファイルでは %3)</translation>
    </message>
    <message>
        <source>the title and the comment must keep to the Western European (Windows-1252) characters</source>
        <translation>題名と説明には西ヨーロッパ言語 (Windows-1252) の文字しか使えません</translation>
    </message>
    <message>
        <source>: the report could not be written (check the folder and the name)</source>
        <translation>: レポートを書き込めませんでした (フォルダーと名前を確認してください)</translation>
    </message>
    <message>
        <source> (see lumo --help)</source>
        <translation> (lumo --help を参照)</translation>
    </message>
    <message>
        <source>%1 duplicate album(s) left out, the first of each kept</source>
        <translation>重複したアルバム %1 枚を除外し、それぞれ最初のものを残しました</translation>
    </message>
    <message>
        <source>%1: could not be handed to the running Lumo</source>
        <translation>%1: 実行中の Lumo に渡せませんでした</translation>
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
        <translation>使い方: lumo [ファイル]
        lumo [--report ファイル [--format html|csv|json] [--title テキスト] [--comment テキスト]] [--list]
             [--duplicates] [--merge 別ファイル] [--ini CDPLAYER_INI] [--codepage N] [--help] [--version]
オプションを付けないと、Lumo はウィンドウを開いて「ファイル」を表示します。
「ファイル」がなければ、検索パス上で最初に見つかった cdplayer.ini を表示します。
Lumo が既に起動している場合は、そのウィンドウが「ファイル」を開き、
前面に出ます。
  --report ファイル    レポートを「ファイル」に書き出す (ウィンドウは開かない)
  --format 形式        html、csv、json のいずれか。既定では「ファイル」の拡張子が
                       .csv、.txt、.asc なら csv、.json なら json、それ以外は html
  --title テキスト     HTML レポートの題名 (既定: Output)
  --comment テキスト   HTML レポートの説明 (題名の下に表示)
  --list               コレクションを UTF-8 のタブ区切りの行で出力する:
                       アーティスト、アルバム、トラック番号、トラック名
  --duplicates         重複として除外した各アルバムを UTF-8 のタブ区切りの行で
                       出力する: 残した CD キー、除外した CD キー、アーティスト、
                       タイトル
  --merge 別ファイル   cdplayer.ini「別ファイル」のセクションのうち、CD キーが
                       コレクションにないものをすべて追加する。既存のセクションは
                       そのまま残し、一覧を表示する
  --ini ファイル       読み込む cdplayer.ini (既定: lumo.ini に保存された検索パス
                       上で最初に見つかったもの)
  --codepage N         コレクションの名前の Windows コード ページ (1251、932 など)
                       (既定: オプションで選んだもの、なければ 1252)
  --help               このヘルプを表示する
  --version            バージョンを表示する
終了ステータス: 0 成功、1 ファイルを読み書きできなかった、2 使い方の誤り
</translation>
    </message>
    <message>
        <source>--codepage takes one of %1, not &quot;%2&quot;</source>
        <translation>--codepage には %1 のいずれかを指定してください (「%2」は指定できません)</translation>
    </message>
    <message>
        <source>--codepage goes with --report, --list, --duplicates or --merge</source>
        <translation>--codepage は --report、--list、--duplicates、--merge のいずれかと一緒に指定します</translation>
    </message>
</context>
<context>
    <name>Dialog</name>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>アーティスト</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>アルバム</translation>
    </message>
    <message>
        <source>All</source>
        <translation>すべて</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>カスタム</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Artists</source>
        <translation>アーティスト</translation>
    </message>
    <message>
        <source>Albums</source>
        <translation>アルバム</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>レポート</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>&amp;Search path for cdplayer.ini</source>
        <translation>cdplayer.ini の検索パス(&amp;S)</translation>
    </message>
    <message>
        <source>Show CD keys</source>
        <translation>CD キーを表示する</translation>
    </message>
    <message>
        <source>Enable ToolTips</source>
        <translation>ツールヒントを表示する</translation>
    </message>
    <message>
        <source>Loaded</source>
        <translation>読み込み</translation>
    </message>
    <message>
        <source>Formatted</source>
        <translation>整形</translation>
    </message>
    <message>
        <source>&amp;Title</source>
        <translation>題名(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Comment</source>
        <translation>説明(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Filename</source>
        <translation>出力先(&amp;F)</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>参照</translation>
    </message>
    <message>
        <source>Report format</source>
        <translation>レポートの形式</translation>
    </message>
    <message>
        <source>HTML</source>
        <translation>HTML</translation>
    </message>
    <message>
        <source>CSV (comma-delimited ASCII)</source>
        <translation>CSV (カンマ区切りの ASCII)</translation>
    </message>
    <message>
        <source>View</source>
        <translation>表示</translation>
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
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Apply to all subsequent duplicates like this</source>
        <translation>以降の同様の重複すべてに適用する</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>選択</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>タイトル</translation>
    </message>
    <message>
        <source>Existing entry</source>
        <translation>既存のエントリ</translation>
    </message>
    <message>
        <source>New entry</source>
        <translation>新しいエントリ</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>閉じる(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Web page</source>
        <translation>Web ページ(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Mail us!</source>
        <translation>メール(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Read the documentation</source>
        <translation>ドキュメントを読む(&amp;R)</translation>
    </message>
    <message>
        <source>Fi&amp;nd what:</source>
        <translation>検索語(&amp;N):</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>大文字と小文字を区別する(&amp;C)</translation>
    </message>
    <message>
        <source>Look in</source>
        <translation>検索対象</translation>
    </message>
    <message>
        <source>&amp;Artists</source>
        <translation>アーティスト(&amp;A)</translation>
    </message>
    <message>
        <source>A&amp;lbums</source>
        <translation>アルバム(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Tracks</source>
        <translation>トラック(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Find next</source>
        <translation>次を検索(&amp;F)</translation>
    </message>
    <message>
        <source>Find &amp;previous</source>
        <translation>前を検索(&amp;P)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>&amp;Albums entered more than once:</source>
        <translation>重複して登録されたアルバム(&amp;A):</translation>
    </message>
    <message>
        <source>&amp;Tracks of the selected entry:</source>
        <translation>選択したエントリのトラック(&amp;T):</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Groups of similar artist names:</source>
        <translation>似たアーティスト名のグループ(&amp;G):</translation>
    </message>
    <message>
        <source>&amp;Spelling to give them all:</source>
        <translation>統一する表記(&amp;S):</translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <translation>統合(&amp;M)</translation>
    </message>
    <message>
        <source>Re&amp;place with:</source>
        <translation>置換後(&amp;P):</translation>
    </message>
    <message>
        <source>&amp;Replace all</source>
        <translation>すべて置換(&amp;R)</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Generate report</source>
        <translation>レポートの作成</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Duplicate album found</source>
        <translation>重複したアルバムが見つかりました</translation>
    </message>
    <message>
        <source>Duplicates</source>
        <translation>重複の整理</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>置換</translation>
    </message>
    <message>
        <source>&amp;Character set:</source>
        <translation>文字セット(&amp;C):</translation>
    </message>
</context>
<context>
    <name>Lumo</name>
    <message>
        <source>There is not enough memory to finish the operation.

It has been stopped.</source>
        <translation>メモリが不足しているため、操作を完了できません。

操作を中止しました。</translation>
    </message>
    <message>
        <source>an unknown error</source>
        <translation>不明なエラー</translation>
    </message>
    <message>
        <source>The operation could not be finished:
%1

It has been stopped.</source>
        <translation>操作を完了できませんでした:
%1

操作を中止しました。</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>%1 のバージョン情報</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>概要</translation>
    </message>
    <message>
        <source>Distribution and Legal</source>
        <translation>配布と法的事項</translation>
    </message>
    <message>
        <source>Unable to locate %s.html.  It is most likely that you have an incomplete
copy of %s.  Please complain to whoever sent it to you,
and visit our web site to get the complete version of the software.</source>
        <translation>%s.html が見つかりません。お使いの %s のコピーは
不完全である可能性があります。入手元にお問い合わせいただくか、
当社の Web サイトから完全版を入手してください。</translation>
    </message>
    <message>
        <source>Can&apos;t generate a mail message.  Do you have mail installed?</source>
        <translation>メールを作成できません。メール ソフトがインストールされているか確認してください。</translation>
    </message>
    <message>
        <source>Failed to send mail - tried indirect (browser) and direct (MAPI)</source>
        <translation>メールを送信できませんでした (ブラウザー経由と MAPI による直接送信の両方を試しました)</translation>
    </message>
    <message>
        <source>The change could not be written to</source>
        <translation>変更を次のファイルに書き込めませんでした:</translation>
    </message>
    <message>
        <source>%1 names will change.
Replace them all?
(Edit &gt; Undo takes it back.)</source>
        <translation>%1 個の名前が変更されます。
すべて置換しますか?
([編集] &gt; [元に戻す] で取り消せます。)</translation>
    </message>
    <message>
        <source>Replaced %1 names.</source>
        <translation>%1 個の名前を置換しました。</translation>
    </message>
    <message>
        <source>Cannot find &quot;%1&quot;.</source>
        <translation>「%1」が見つかりません。</translation>
    </message>
    <message>
        <source>Every name with &quot;%1&quot; stays as it is: nothing to replace.</source>
        <translation>「%1」を含む名前はどれも変わりません。置換するものはありません。</translation>
    </message>
    <message>
        <source>Replace all would change &quot;%1&quot;, which is refused:

%2

Nothing has been changed.</source>
        <translation>[すべて置換] では「%1」が変更されますが、この変更は拒否されました:

%2

何も変更されていません。</translation>
    </message>
    <message>
        <source>An album&apos;s title cannot be empty.
Please choose another text.</source>
        <translation>アルバムのタイトルを空にすることはできません。
別のテキストを入力してください。</translation>
    </message>
    <message>
        <source>The name would grow past 1023 characters, more than the CD player can read.
Please choose a shorter text.</source>
        <translation>名前が 1023 文字を超え、CD プレーヤーで読み取れる長さを超えてしまいます。
もっと短いテキストを入力してください。</translation>
    </message>
    <message>
        <source>%1: %2 - %3, %4 tracks</source>
        <translation>%1: %2 - %3、%4 曲</translation>
    </message>
    <message>
        <source> (shown in the tree)</source>
        <translation> (ツリーに表示中)</translation>
    </message>
    <message>
        <source>Duplicate albums</source>
        <translation>重複したアルバム</translation>
    </message>
    <message>
        <source>Similar artists</source>
        <translation>似たアーティスト</translation>
    </message>
    <message>
        <source>&amp;Artist</source>
        <translation>アーティスト(&amp;A)</translation>
    </message>
    <message>
        <source>A&amp;lbum</source>
        <translation>アルバム(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Track</source>
        <translation>トラック(&amp;T)</translation>
    </message>
    <message>
        <source>Edit Artist</source>
        <translation>アーティストの編集</translation>
    </message>
    <message>
        <source>Edit Album</source>
        <translation>アルバムの編集</translation>
    </message>
    <message>
        <source>Edit Track</source>
        <translation>トラックの編集</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(空)</translation>
    </message>
    <message>
        <source>The name contains a line break or a control character (NUL, Ctrl-Z) that cdplayer.ini cannot hold.
Please remove it.</source>
        <translation>名前に、cdplayer.ini に保存できない改行または制御文字 (NUL、Ctrl-Z) が含まれています。
その文字を削除してください。</translation>
    </message>
    <message>
        <source>&quot;&lt;UNKNOWN&gt;&quot; stands for a disc without an artist, and such discs are not shown.
Please choose another name.</source>
        <translation>「&lt;UNKNOWN&gt;」はアーティストのないディスクを表し、そのようなディスクは表示されません。
別の名前を入力してください。</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>移動(&amp;M)</translation>
    </message>
    <message>
        <source>Nothing has been changed.</source>
        <translation>何も変更されていません。</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this artist
and ALL albums attached to it?
(Edit &gt; Undo takes it back.)</source>
        <translation>このアーティストと、そのアーティストの
すべてのアルバムを削除しますか?
([編集] &gt; [元に戻す] で取り消せます。)</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this album?
(Edit &gt; Undo takes it back.)</source>
        <translation>このアルバムを削除しますか?
([編集] &gt; [元に戻す] で取り消せます。)</translation>
    </message>
    <message>
        <source>Moving not implemented yet</source>
        <translation>移動はまだ実装されていません</translation>
    </message>
    <message>
        <source>Lumo already has an entry for this, but it has a different CD key.  This sometimes happens when an album is re-released or when some programs (like WinDac32) write several albums with a blank artist and title field.</source>
        <translation>Lumo には既にこのエントリがありますが、CD キーが異なります。これは、アルバムが再発売された場合や、一部のプログラム (WinDac32 など) がアーティストとタイトルが空欄のアルバムを複数書き込んだ場合に起こります。</translation>
    </message>
    <message>
        <source>The import could not be written to</source>
        <translation>インポートを次のファイルに書き込めませんでした:</translation>
    </message>
    <message>
        <source>
is too large to be loaded: a cdplayer.ini of more than 1 GB is not read.</source>
        <translation>
は大きすぎるため読み込めません。1 GB を超える cdplayer.ini は読み込みません。</translation>
    </message>
    <message>
        <source>
cannot be read: please check that it is a file you may read.</source>
        <translation>
を読み込めません。読み取りが許可されたファイルであることを確認してください。</translation>
    </message>
    <message>
        <source>The All level would show %1 rows, more than the %2 that can be shown at once.
Choose Album and open the albums you want, or use Find to go to a name.</source>
        <translation>[すべて] では %1 行になり、一度に表示できる %2 行を超えます。
[アルバム] を選んで目的のアルバムを開くか、[検索] で名前に移動してください。</translation>
    </message>
    <message>
        <source>Can&apos;t find cdplayer.ini.
Please check the path and try again</source>
        <translation>cdplayer.ini が見つかりません。
パスを確認して、もう一度やり直してください</translation>
    </message>
    <message>
        <source>The change could not be undone in</source>
        <translation>次のファイルで変更を元に戻せませんでした:</translation>
    </message>
    <message>
        <source>The change could not be redone in</source>
        <translation>次のファイルで変更をやり直せませんでした:</translation>
    </message>
    <message>
        <source>Passed the end; searched on from the top.</source>
        <translation>最後まで検索したので、先頭から検索を続けました。</translation>
    </message>
    <message>
        <source>Passed the top; searched on from the end.</source>
        <translation>先頭まで検索したので、最後から検索を続けました。</translation>
    </message>
    <message>
        <source>%1 artists</source>
        <translation>アーティスト: %1</translation>
    </message>
    <message>
        <source>%1 albums</source>
        <translation>アルバム: %1</translation>
    </message>
    <message>
        <source>The path contains characters that this system cannot use in file names.</source>
        <translation>パスに、このシステムのファイル名に使えない文字が含まれています。</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>%1 文字以内で入力してください。</translation>
    </message>
    <message>
        <source>HTML files (*.htm;*.html)|*.htm;*.html|All Files (*.*)|*.*||</source>
        <translation>HTML ファイル (*.htm;*.html)|*.htm;*.html|すべてのファイル (*.*)|*.*||</translation>
    </message>
    <message>
        <source>CSV files (*.csv)|*.csv|Text files (*.txt;*.asc)|*.txt;*.asc|All Files (*.*)|*.*||</source>
        <translation>CSV ファイル (*.csv)|*.csv|テキスト ファイル (*.txt;*.asc)|*.txt;*.asc|すべてのファイル (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Report generated Ok</source>
        <translation>レポートを作成しました</translation>
    </message>
    <message>
        <source>Failed to generate report.
Possible causes are an incorrect filename, or the file specified may be in use by another application</source>
        <translation>レポートを作成できませんでした。
ファイル名が正しくないか、指定したファイルが別のアプリケーションで使用中の可能性があります</translation>
    </message>
    <message>
        <source>Failed to execute the &quot;open&quot; verb on %s
Check that you have a default association for this file type</source>
        <translation>%s を開けませんでした。
この種類のファイルに既定のアプリケーションが関連付けられているか確認してください</translation>
    </message>
    <message>
        <source>The chosen file name contains characters that this system cannot use in file names.</source>
        <translation>選択したファイル名に、このシステムのファイル名に使えない文字が含まれています。</translation>
    </message>
    <message>
        <source>Please keep the search path on one line, with its folders separated by &quot;;&quot;.</source>
        <translation>検索パスは 1 行で入力し、フォルダーは「;」で区切ってください。</translation>
    </message>
    <message>
        <source>There was a problem saving the options.
Please check that lumo.ini is not write-protected.</source>
        <translation>オプションを保存できませんでした。
lumo.ini が書き込み禁止になっていないか確認してください。</translation>
    </message>
    <message>
        <source>%1 names with bytes that are no characters of the character set are left as they are.</source>
        <translation>文字セットの文字ではないバイトを含む %1 個の名前はそのまま残ります。</translation>
    </message>
    <message>
        <source>This name holds bytes that are no characters of the %1 character set, so it cannot be edited: its bytes are kept as they are.
If the names look wrong, choose their character set in the Options, then Refresh.</source>
        <translation>この名前には %1 の文字セットの文字ではないバイトが含まれているため、編集できません。バイトはそのまま残ります。
名前が正しく表示されない場合は、オプションで文字セットを選んでから最新の情報に更新してください。</translation>
    </message>
    <message>
        <source>The names look typed in %1: choose it as the character set in the Options, then Refresh.</source>
        <translation>名前は %1 で入力されているようです。オプションでこの文字セットを選んでから最新の情報に更新してください。</translation>
    </message>
    <message>
        <source>The text contains characters that cannot be stored.
Please use only the characters of the %1 character set.</source>
        <translation>テキストに保存できない文字が含まれています。
%1 の文字セットの文字だけを使ってください。</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation>%1を元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>%1をやり直す(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>やり直し(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>開く(&amp;O)...	Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>インポート(&amp;I)...</translation>
    </message>
    <message>
        <source>&amp;Report</source>
        <translation>レポート(&amp;R)</translation>
    </message>
    <message>
        <source>R&amp;efresh</source>
        <translation>最新の情報に更新(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Clear recent files</source>
        <translation>最近使ったファイルの一覧を消去(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>元に戻す(&amp;U)	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Y</source>
        <translation>やり直し(&amp;R)	Ctrl+Y</translation>
    </message>
    <message>
        <source>&amp;Find...	Ctrl+F</source>
        <translation>検索(&amp;F)...	Ctrl+F</translation>
    </message>
    <message>
        <source>Find &amp;next	F3</source>
        <translation>次を検索(&amp;N)	F3</translation>
    </message>
    <message>
        <source>Find pre&amp;vious	Shift+F3</source>
        <translation>前を検索(&amp;V)	Shift+F3</translation>
    </message>
    <message>
        <source>Re&amp;place...	Ctrl+H</source>
        <translation>置換(&amp;P)...	Ctrl+H</translation>
    </message>
    <message>
        <source>&amp;Duplicates...</source>
        <translation>重複の整理(&amp;D)...</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>設定(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>バージョン情報(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Mail us</source>
        <translation>メールを送る(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Visit our web site</source>
        <translation>Web サイトを開く(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Read the documentation</source>
        <translation>ドキュメントを読む(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>オプション(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>An unknown error occurred while accessing %1.</source>
        <translation>%1 へのアクセス中に不明なエラーが発生しました。</translation>
    </message>
    <message>
        <source>No error occurred.</source>
        <translation>エラーは発生していません。</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 が見つかりませんでした。</translation>
    </message>
    <message>
        <source>%1 contains an invalid path.</source>
        <translation>%1 には無効なパスが含まれています。</translation>
    </message>
    <message>
        <source>%1 could not be opened because there are too many open files.</source>
        <translation>開いているファイルが多すぎるため、%1 を開けませんでした。</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>%1 へのアクセスが拒否されました。</translation>
    </message>
    <message>
        <source>An invalid file handle was associated with %1.</source>
        <translation>%1 に無効なファイル ハンドルが関連付けられていました。</translation>
    </message>
    <message>
        <source>%1 could not be removed because it is the current directory.</source>
        <translation>%1 は現在のディレクトリであるため、削除できませんでした。</translation>
    </message>
    <message>
        <source>%1 could not be created because the directory is full.</source>
        <translation>ディレクトリがいっぱいのため、%1 を作成できませんでした。</translation>
    </message>
    <message>
        <source>Seek failed on %1</source>
        <translation>%1 でシークに失敗しました</translation>
    </message>
    <message>
        <source>A hardware I/O error was reported while accessing %1.</source>
        <translation>%1 へのアクセス中にハードウェアの入出力エラーが報告されました。</translation>
    </message>
    <message>
        <source>A sharing violation occurred while accessing %1.</source>
        <translation>%1 へのアクセス中に共有違反が発生しました。</translation>
    </message>
    <message>
        <source>A locking violation occurred while accessing %1.</source>
        <translation>%1 へのアクセス中にロック違反が発生しました。</translation>
    </message>
    <message>
        <source>Disk full while accessing %1.</source>
        <translation>%1 へのアクセス中にディスクがいっぱいになりました。</translation>
    </message>
    <message>
        <source>An attempt was made to access %1 past its end.</source>
        <translation>%1 の終端を越えてアクセスしようとしました。</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 は通常のファイルではありません。</translation>
    </message>
    <message>
        <source>%1 has more than one name (hard links), and the other names would keep the old contents.</source>
        <translation>%1 には複数の名前 (ハード リンク) があり、ほかの名前には古い内容が残ってしまいます。</translation>
    </message>
    <message>
        <source>%1 is too large for the file size limit in force (ulimit -f).</source>
        <translation>%1 は、現在のファイル サイズの上限 (ulimit -f) を超えています。</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>ファイルを読み込めません。</translation>
    </message>
    <message>
        <source>The file is too large to be read.</source>
        <translation>ファイルが大きすぎるため読み込めません。</translation>
    </message>
    <message>
        <source>The file no longer exists.</source>
        <translation>ファイルはもう存在しません。</translation>
    </message>
    <message>
        <source>The path runs through too many symbolic links.</source>
        <translation>パスがたどるシンボリック リンクが多すぎます。</translation>
    </message>
    <message>
        <source>The profile folder cannot be created.</source>
        <translation>プロファイル フォルダーを作成できません。</translation>
    </message>
    <message>
        <source>The section name (the disc&apos;s CD key) is empty or holds a control character, so it cannot be written.</source>
        <translation>セクション名 (ディスクの CD キー) が空であるか制御文字を含んでいるため、書き込めません。</translation>
    </message>
    <message>
        <source>The text holds a line break, a control character or blanks that the file cannot keep.</source>
        <translation>テキストに、ファイルに保存できない改行、制御文字、または空白が含まれています。</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>フォルダーが存在しません。</translation>
    </message>
    <message>
        <source>The folder is write-protected.</source>
        <translation>フォルダーは書き込み禁止です。</translation>
    </message>
    <message>
        <source>It is not an ordinary file.</source>
        <translation>通常のファイルではありません。</translation>
    </message>
    <message>
        <source>The file is write-protected.</source>
        <translation>ファイルは書き込み禁止です。</translation>
    </message>
    <message>
        <source>The file has more than one name (hard links), and the other names would keep the old contents.</source>
        <translation>ファイルには複数の名前 (ハード リンク) があり、ほかの名前には古い内容が残ってしまいます。</translation>
    </message>
    <message>
        <source>The file&apos;s extended attributes (such as its access control list) cannot be carried over.</source>
        <translation>ファイルの拡張属性 (アクセス制御リストなど) を引き継げません。</translation>
    </message>
    <message>
        <source>The file was changed by another program since Lumo last read it. Please Refresh to see what it holds now, then make the change again.</source>
        <translation>Lumo が最後に読み込んだ後で、ファイルが別のプログラムによって変更されました。[最新の情報に更新] で現在の内容を表示してから、もう一度変更してください。</translation>
    </message>
    <message>
        <source>Another program holds a lock on the file while it writes it. Please try again in a moment.</source>
        <translation>別のプログラムがファイルに書き込むためにロックしています。しばらくしてからもう一度お試しください。</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>ディスクがいっぱいです。</translation>
    </message>
    <message>
        <source>The file is too large for the file size limit in force (ulimit -f).</source>
        <translation>ファイルは、現在のファイル サイズの上限 (ulimit -f) を超えています。</translation>
    </message>
    <message>
        <source>Access was denied.</source>
        <translation>アクセスが拒否されました。</translation>
    </message>
    <message>
        <source>It is the collection already loaded.</source>
        <translation>既に読み込まれているコレクションです。</translation>
    </message>
    <message>
        <source>It holds NUL bytes: it is not a cdplayer.ini.</source>
        <translation>NUL バイトが含まれています。cdplayer.ini ではありません。</translation>
    </message>
</context>
<context>
    <name>Strings</name>
    <message>
        <source>The unique CD key generated by cdplayer.exe</source>
        <translation>cdplayer.exe が生成した一意の CD キー</translation>
    </message>
    <message>
        <source>Show only the Artists, not their albums or tracks</source>
        <translation>アーティストだけを表示し、アルバムやトラックは表示しません</translation>
    </message>
    <message>
        <source>Show Artists and Albums, but not tracks</source>
        <translation>アーティストとアルバムを表示し、トラックは表示しません</translation>
    </message>
    <message>
        <source>fully expand the tree to show all Artists, Albums and Tracks.</source>
        <translation>ツリーをすべて展開し、アーティスト、アルバム、トラックをすべて表示します。</translation>
    </message>
    <message>
        <source>Automatically set when you expand or collapse a node of the tree</source>
        <translation>ツリーのノードを展開したり折りたたんだりすると、自動的に選ばれます</translation>
    </message>
    <message>
        <source>The number of artists</source>
        <translation>アーティストの数</translation>
    </message>
    <message>
        <source>The total number of albums</source>
        <translation>アルバムの総数</translation>
    </message>
    <message>
        <source>The currently open file</source>
        <translation>現在開いているファイル</translation>
    </message>
    <message>
        <source>No cdplayer.ini found: use File &gt; Open... (Ctrl+O), or add its folder in Options &gt; Preferences.</source>
        <translation>cdplayer.ini が見つかりません: [ファイル] &gt; [開く] (Ctrl+O) を使うか、[オプション] &gt; [設定] でそのフォルダーを追加してください。</translation>
    </message>
    <message>
        <source>%1 holds no albums.</source>
        <translation>%1 にはアルバムがありません。</translation>
    </message>
    <message>
        <source>Open a collection</source>
        <translation>コレクションを開く</translation>
    </message>
    <message>
        <source>INI files (*.ini *.INI);;All files (*)</source>
        <translation>INI ファイル (*.ini *.INI);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Import another cdplayer.ini</source>
        <translation>別の cdplayer.ini をインポート</translation>
    </message>
    <message>
        <source>Add the %1 new section(s) of
%2
to the collection? Edit &gt; Undo takes it back.</source>
        <translation>%1 個の新しいセクションを次のファイルから
%2
コレクションに追加しますか? [編集] &gt; [元に戻す] で取り消せます。</translation>
    </message>
    <message>
        <source>%1
holds no section that the collection lacks: nothing to import.</source>
        <translation>%1
には、コレクションにないセクションがありません。インポートするものはありません。</translation>
    </message>
    <message>
        <source>These CD keys are in the collection already and stay as they are (the other file&apos;s names in brackets):</source>
        <translation>次の CD キーは既にコレクションにあるため、そのまま残ります (かっこ内は別ファイルでの名前):</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>...ほか %1 件。</translation>
    </message>
    <message>
        <source>%1
cannot be imported: %2</source>
        <translation>%1
をインポートできません: %2</translation>
    </message>
    <message>
        <source>%1 section(s) imported.</source>
        <translation>%1 個のセクションをインポートしました。</translation>
    </message>
    <message>
        <source>Search path for finding cdplayer.ini.  (Searched left-to-right)</source>
        <translation>cdplayer.ini を探す検索パス (左から順に検索します)</translation>
    </message>
    <message>
        <source>Show or hide unique CD key for each album</source>
        <translation>各アルバムの一意の CD キーを表示または非表示にします</translation>
    </message>
    <message>
        <source>Turn tooltips on or off</source>
        <translation>ツールヒントの表示をオンまたはオフにします</translation>
    </message>
    <message>
        <source>The code page the names in cdplayer.ini were typed in.  (Used from the next Refresh)</source>
        <translation>cdplayer.ini の名前が入力されたコード ページです。(次に最新の情報に更新したときから使われます)</translation>
    </message>
</context>
<context>
    <name>Undo</name>
    <message>
        <source>Rename Track</source>
        <translation>トラック名の変更</translation>
    </message>
    <message>
        <source>Rename Album</source>
        <translation>アルバム名の変更</translation>
    </message>
    <message>
        <source>Delete Album</source>
        <translation>アルバムの削除</translation>
    </message>
    <message>
        <source>Rename Artist</source>
        <translation>アーティスト名の変更</translation>
    </message>
    <message>
        <source>Delete Artist</source>
        <translation>アーティストの削除</translation>
    </message>
    <message>
        <source>Delete Duplicate</source>
        <translation>重複の削除</translation>
    </message>
    <message>
        <source>Merge Artists</source>
        <translation>アーティストの統合</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>置換</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>インポート</translation>
    </message>
</context>
</TS>
