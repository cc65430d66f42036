<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>DirectoryList</name>
    <message>
        <source>Directories</source>
        <translation>フォルダー</translation>
    </message>
</context>
<context>
    <name>DriveList</name>
    <message>
        <source>File systems</source>
        <translation>ファイルシステム</translation>
    </message>
</context>
<context>
    <name>EncodeCheck</name>
    <message>
        <source>The destination directory &quot;%1&quot; does not exist. Choose another one with the Destination button.</source>
        <translation>出力先フォルダー「%1」がありません。「出力先」ボタンで別のフォルダーを選んでください。</translation>
    </message>
    <message>
        <source>The encoder L3ENC was not found in &quot;%1&quot;. Choose its directory with Options, Setup.</source>
        <translation>エンコーダー L3ENC が「%1」に見つかりません。オプションのセットアップでそのフォルダーを選んでください。</translation>
    </message>
    <message>
        <source>The selected files no longer exist in &quot;%1&quot;: %2</source>
        <translation>選択したファイルは「%1」にもうありません: %2</translation>
    </message>
    <message>
        <source>These selected files would all become &quot;%1&quot;: %2. Select only one of them.</source>
        <translation>選択したこれらのファイルはすべて「%1」になってしまいます: %2。どれか 1 つだけを選択してください。</translation>
    </message>
    <message>
        <source>The destination&apos;s file system (FAT, exFAT or NTFS) cannot hold the MP3 names of these selected files (no &quot; * : &lt; &gt; ? \ | in names): %1. Rename them first.</source>
        <translation>出力先のファイルシステム (FAT、exFAT、NTFS) では、選択したこれらのファイルの MP3 名を使えません (名前に &quot; * : &lt; &gt; ? \ | は使えません): %1。先に名前を変更してください。</translation>
    </message>
    <message>
        <source>An MP3 file exists already in the destination and would be replaced:</source>
        <translation>出力先に MP3 ファイルがすでにあり、置き換えられます:</translation>
    </message>
    <message>
        <source>%1 MP3 files exist already in the destination and would be replaced:</source>
        <translation>出力先に MP3 ファイルがすでに %1 個あり、置き換えられます:</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>… ほか %1 個</translation>
    </message>
    <message>
        <source>Replace them, skip those files, or cancel?</source>
        <translation>置き換えますか、それらのファイルをスキップしますか、それともキャンセルしますか?</translation>
    </message>
    <message>
        <source>The names of these selected files are not valid UTF-8, which the script cannot carry: %1. Rename them first.</source>
        <translation>選択したこれらのファイルの名前は有効な UTF-8 ではないため、スクリプトで扱えません: %1。先に名前を変更してください。</translation>
    </message>
</context>
<context>
    <name>EncodeRun</name>
    <message>
        <source>Every selected file has its MP3 already; nothing was encoded.</source>
        <translation>選択したファイルにはすべて MP3 がすでにあります。何もエンコードしませんでした。</translation>
    </message>
    <message>
        <source>The script could not be written: %1</source>
        <translation>スクリプトを書き込めませんでした: %1</translation>
    </message>
    <message>
        <source>Cannot change to the encoder directory &quot;%1&quot;.</source>
        <translation>エンコーダーのフォルダー「%1」に移動できません。</translation>
    </message>
    <message>
        <source>Cannot start the script: %1</source>
        <translation>スクリプトを開始できません: %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>You may regret this option if your WAV files are corrupt or the resulting MP3 does not meet your satisfaction.  Don&apos;t say I didn&apos;t warn you.</source>
        <translation>WAV ファイルが壊れていたり、できあがった MP3 に満足できなかったりすると、このオプションを後悔するかもしれません。警告しなかったとは言わせませんよ。</translation>
    </message>
    <message>
        <source>Encoding bitrate (kbits/s)</source>
        <translation>エンコードのビットレート (kbit/s)</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Downmixing (Stereo to mono)</source>
        <translation>ダウンミックス (ステレオ→モノラル)</translation>
    </message>
    <message>
        <source>CRC checking enabled</source>
        <translation>CRC チェックを有効にする</translation>
    </message>
    <message>
        <source>High quality encoding</source>
        <translation>高品質エンコード</translation>
    </message>
    <message>
        <source>Automatic delete</source>
        <translation>自動削除</translation>
    </message>
    <message>
        <source>(CAUTION!)</source>
        <translation>(注意!)</translation>
    </message>
    <message>
        <source>WAV selector</source>
        <translation>WAV の選択</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>出力先</translation>
    </message>
    <message>
        <source>Encode</source>
        <translation>エンコード</translation>
    </message>
    <message>
        <source>WAV files</source>
        <translation>WAV ファイル</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>Encode &amp;selected</source>
        <translation>選択したファイルをエンコード(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>プロパティ(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Tag selected...</source>
        <translation>選択したファイルにタグ付け(&amp;T)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>オプション(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>セットアップ(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Destination</source>
        <translation>出力先(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>バージョン情報(&amp;A)</translation>
    </message>
    <message>
        <source>The settings could not be saved to &quot;%1&quot;: %2</source>
        <translation>設定を「%1」に保存できませんでした: %2</translation>
    </message>
    <message>
        <source>Yikes!</source>
        <translation>おっと!</translation>
    </message>
    <message>
        <source>Um... pick a file, Brainwick!</source>
        <translation>ええと… ファイルを選んでよ、うっかりさん!</translation>
    </message>
    <message>
        <source>Tag Selected Files</source>
        <translation>選択したファイルにタグ付け</translation>
    </message>
    <message>
        <source>No files are selected. Select the WAV files to tag in the list first.</source>
        <translation>ファイルが選択されていません。先にリストでタグを付ける WAV ファイルを選択してください。</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>置き換える(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Skip those files</source>
        <translation>これらのファイルをスキップ(&amp;S)</translation>
    </message>
    <message>
        <source>Critical</source>
        <translation>重大なエラー</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>%1 lists %2 tracks: Encode makes an MP3 file of each.</source>
        <translation>%1 には %2 トラックがあります。エンコードで各トラックが MP3 ファイルになります。</translation>
    </message>
    <message>
        <source>%1 cannot be used: %2</source>
        <translation>%1 は使えません: %2</translation>
    </message>
    <message>
        <source>Its tags come from %1.</source>
        <translation>タグは %1 から取られます。</translation>
    </message>
    <message>
        <source>Variable, quality (0 best, 9 smallest):</source>
        <translation>可変、品質 (0 最高、9 最小):</translation>
    </message>
    <message>
        <source>Variable bitrate quality, 0 best, 9 smallest</source>
        <translation>可変ビットレートの品質、0 最高、9 最小</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Setup</source>
        <translation>セットアップ</translation>
    </message>
    <message>
        <source>L3Enc Path</source>
        <translation>L3Enc のパス</translation>
    </message>
    <message>
        <source>Select the directory location of the L3Enc executable, L3ENC.EXE.  If your encoder program is named something else, you should rename it appropriately so this program will find it.</source>
        <translation>L3Enc の実行ファイル L3ENC.EXE があるフォルダーを選択してください。エンコーダーの名前が違う場合は、このプログラムが見つけられるように名前を変更してください。</translation>
    </message>
    <message>
        <source>Run L3Enc...</source>
        <translation>L3Enc の実行...</translation>
    </message>
    <message>
        <source>Minimized to Start Bar</source>
        <translation>タスクバーに最小化</translation>
    </message>
    <message>
        <source>Normal Window</source>
        <translation>通常のウィンドウ</translation>
    </message>
    <message>
        <source>ID3v2 tag for today&apos;s players</source>
        <translation>最近のプレーヤー向けの ID3v2 タグ</translation>
    </message>
    <message>
        <source>2.&amp;4, UTF-8</source>
        <translation>2.4、UTF-8(&amp;4)</translation>
    </message>
    <message>
        <source>2.&amp;3, UTF-16</source>
        <translation>2.3、UTF-16(&amp;3)</translation>
    </message>
    <message>
        <source>N&amp;one</source>
        <translation>なし(&amp;O)</translation>
    </message>
    <message>
        <source>Whole texts, track numbers and the cover, in UTF-8: what current players and phones read</source>
        <translation>テキスト全体、トラック番号、カバーを UTF-8 で: 最近のプレーヤーやスマートフォンが読める形式</translation>
    </message>
    <message>
        <source>The same in UTF-16, for older car stereos and players</source>
        <translation>同じ内容を UTF-16 で: 古いカーステレオやプレーヤー向け</translation>
    </message>
    <message>
        <source>Only the 128-byte ID3v1 tag: 30 Latin-1 characters a field</source>
        <translation>128 バイトの ID3v1 タグのみ: 1 項目につき Latin-1 の 30 文字</translation>
    </message>
    <message>
        <source>AutoDelete warning messages?</source>
        <translation>自動削除の警告を表示しますか?</translation>
    </message>
    <message>
        <source>Yes (recommended)</source>
        <translation>はい (推奨)</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>&amp;ReplayGain tags</source>
        <translation>ReplayGain タグ(&amp;R)</translation>
    </message>
    <message>
        <source>The loudness of each track and of each album, measured while encoding, so players play them all equally loud (ReplayGain 2.0)</source>
        <translation>各トラックと各アルバムのラウドネスをエンコード中に測定し、プレーヤーがすべて同じ音量で再生できるようにします (ReplayGain 2.0)</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>About Sondrake</source>
        <translation>Sondrake について</translation>
    </message>
    <message>
        <source>Trelvin Sondrake icon</source>
        <translation>Trelvin Sondrake のアイコン</translation>
    </message>
    <message>
        <source>Visit the official home page at
</source>
        <translation>公式ホームページはこちら:
</translation>
    </message>
    <message>
        <source>eMail</source>
        <translation>メール</translation>
    </message>
    <message>
        <source>eMail the author at </source>
        <translation>作者へのメール: </translation>
    </message>
    <message>
        <source>This release is deemed as donation-ware.   There are no</source>
        <translation>このリリースはドネーションウェアです。義務は</translation>
    </message>
    <message>
        <source>obligations; however, monetary contributions are greatly</source>
        <translation>一切ありませんが、金銭的なご支援は大変ありがたく、</translation>
    </message>
    <message>
        <source>appreciated and would help support the development of </source>
        <translation>このプロジェクトやほかのプロジェクトの</translation>
    </message>
    <message>
        <source>this and other projects in the future.  Please send your</source>
        <translation>今後の開発の支えになります。小切手または</translation>
    </message>
    <message>
        <source>check or money order to:</source>
        <translation>郵便為替の送付先:</translation>
    </message>
    <message>
        <source>Cool!</source>
        <translation>いいね!</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>MP3 Properties</source>
        <translation>MP3 のプロパティ</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>ジャンル</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>タイトル</translation>
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
        <source>Year</source>
        <translation>年</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>コメント</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>Form5</name>
    <message>
        <source>Output Destination</source>
        <translation>出力先</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>Form6</name>
    <message>
        <source>When ticked, %1 is set for every selected file</source>
        <translation>チェックすると、%1 を選択したすべてのファイルに設定します</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>トラック</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>タイトル</translation>
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
        <source>Year</source>
        <translation>年</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>ジャンル</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>コメント</translation>
    </message>
    <message>
        <source>Tag Selected Files</source>
        <translation>選択したファイルにタグ付け</translation>
    </message>
    <message>
        <source>Titles</source>
        <translation>タイトル</translation>
    </message>
    <message>
        <source>&amp;Keep each file&apos;s title</source>
        <translation>各ファイルのタイトルを保持(&amp;K)</translation>
    </message>
    <message>
        <source>Take titles from the file &amp;names</source>
        <translation>ファイル名からタイトルを取る(&amp;N)</translation>
    </message>
    <message>
        <source>Number the tracks in list &amp;order</source>
        <translation>リストの順にトラック番号を付ける(&amp;O)</translation>
    </message>
    <message>
        <source>Track numbers 1 to the number of files, in the order of the list, whatever the names say</source>
        <translation>名前に関係なく、リストの順に 1 からファイル数までのトラック番号を付けます</translation>
    </message>
    <message>
        <source>&amp;Read tags from the WAVs</source>
        <translation>WAV からタグを読み込む(&amp;R)</translation>
    </message>
    <message>
        <source>Tags the WAV files carry take the place of their entries&apos; texts; ticked fields still apply.</source>
        <translation>WAV ファイルが持つタグが各項目のテキストに代わります。チェックした項目は引き続き適用されます。</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Set for every selected file</source>
        <translation>選択したすべてのファイルに設定</translation>
    </message>
    <message>
        <source>&amp;Artist</source>
        <translation>アーティスト(&amp;A)</translation>
    </message>
    <message>
        <source>Al&amp;bum</source>
        <translation>アルバム(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Year</source>
        <translation>年(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;Genre</source>
        <translation>ジャンル(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Comment</source>
        <translation>コメント(&amp;C)</translation>
    </message>
    <message>
        <source>Front cover</source>
        <translation>カバー</translation>
    </message>
    <message>
        <source>Choose &amp;picture...</source>
        <translation>画像を選択(&amp;P)...</translation>
    </message>
    <message>
        <source>No p&amp;icture</source>
        <translation>画像なし(&amp;I)</translation>
    </message>
    <message>
        <source>Only an ID3v2 tag carries a cover, track numbers and whole texts; Setup switches it on.</source>
        <translation>カバー、トラック番号、テキスト全体を持てるのは ID3v2 タグだけです。セットアップで有効にできます。</translation>
    </message>
    <message>
        <source> No cover is embedded.</source>
        <translation> カバーは埋め込まれません。</translation>
    </message>
    <message>
        <source>No cover is embedded.</source>
        <translation>カバーは埋め込まれません。</translation>
    </message>
    <message>
        <source>Embedded as each MP3&apos;s front cover:
</source>
        <translation>各 MP3 のカバーとして埋め込みます:
</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>Each selected file&apos;s tag as it will be stored</source>
        <translation>選択した各ファイルに保存されるタグ</translation>
    </message>
    <message>
        <source>JPEG or PNG pictures (*.jpg *.jpeg *.png *.JPG *.JPEG *.PNG)</source>
        <translation>JPEG または PNG 画像 (*.jpg *.jpeg *.png *.JPG *.JPEG *.PNG)</translation>
    </message>
    <message>
        <source>None of the files carries tags of its own.</source>
        <translation>独自のタグを持つファイルはありません。</translation>
    </message>
    <message>
        <source>%1 of %2 files carry tags of their own; the preview shows them.</source>
        <translation>%2 個中 %1 個のファイルが独自のタグを持っています。プレビューに表示しています。</translation>
    </message>
    <message>
        <source>Some files could not be read:</source>
        <translation>読み込めなかったファイルがあります:</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>長さ</translation>
    </message>
</context>
<context>
    <name>Form7</name>
    <message>
        <source>Tracks of %1</source>
        <translation>%1 のトラック</translation>
    </message>
    <message>
        <source>Text &amp;encoding of the track list:</source>
        <translation>トラックリストの文字コード(&amp;E):</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>番号</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>タイトル</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>アーティスト</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>長さ</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>トラック</translation>
    </message>
    <message>
        <source>Encode the &amp;tracks</source>
        <translation>トラックごとにエンコード(&amp;T)</translation>
    </message>
    <message>
        <source>Encode &amp;whole</source>
        <translation>まとめてエンコード(&amp;W)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>The track list %1 cannot be used: %2. %3 can only be encoded whole.</source>
        <translation>トラックリスト %1 は使えません: %2。%3 は 1 つのファイルとしてのみエンコードできます。</translation>
    </message>
    <message>
        <source>Note: %1.</source>
        <translation>注: %1。</translation>
    </message>
    <message>
        <source>Tracks listed in %1: %2. %3 becomes an MP3 file for each, without a gap between them.</source>
        <translation>%1 のトラック: %2。%3 はトラックごとに MP3 ファイルになり、間に無音は入りません。</translation>
    </message>
    <message>
        <source>Text encoding of the track list</source>
        <translation>トラックリストの文字コード</translation>
    </message>
</context>
<context>
    <name>OpenedPaths</name>
    <message>
        <source>%1: not found</source>
        <translation>%1: 見つかりません</translation>
    </message>
    <message>
        <source>%1: not a WAV file</source>
        <translation>%1: WAV ファイルではありません</translation>
    </message>
    <message>
        <source>%1: the folder cannot be read</source>
        <translation>%1: フォルダーを読み取れません</translation>
    </message>
    <message>
        <source>%1: only one folder is shown at a time</source>
        <translation>%1: 一度に表示できるフォルダーは 1 つだけです</translation>
    </message>
    <message>
        <source>%1: not in the folder shown</source>
        <translation>%1: 表示中のフォルダーにありません</translation>
    </message>
    <message>
        <source>%1: not a file on this computer</source>
        <translation>%1: このコンピューター上のファイルではありません</translation>
    </message>
    <message>
        <source>Nothing was opened:</source>
        <translation>何も開きませんでした:</translation>
    </message>
    <message>
        <source>The window shows &quot;%1&quot;. Not taken:</source>
        <translation>ウィンドウには「%1」を表示しています。取り込まなかったもの:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no WAV files.</source>
        <translation>「%1」には WAV ファイルがありません。</translation>
    </message>
</context>
<context>
    <name>ScriptStarter</name>
    <message>
        <source>%1, so the encoding runs in the background. Its output goes to &quot;%2&quot;.</source>
        <translation>%1。そのためエンコードはバックグラウンドで実行されます。出力は「%2」に書き込まれます。</translation>
    </message>
    <message>
        <source>No terminal window can be opened here</source>
        <translation>ここでは端末ウィンドウを開けません</translation>
    </message>
    <message>
        <source>The terminal window could not be opened (%1: %2)</source>
        <translation>端末ウィンドウを開けませんでした (%1: %2)</translation>
    </message>
</context>
<context>
    <name>WavFileList</name>
    <message>
        <source>This name is not valid UTF-8: rename the file to encode it.</source>
        <translation>この名前は有効な UTF-8 ではありません。エンコードするにはファイル名を変更してください。</translation>
    </message>
</context>
</TS>
