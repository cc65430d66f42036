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
        <translation>WAV ファイルが壊れていたり、できあがった MP3 に満足できなかったりすると、このオプションを後悔するかもしれません。  警告しなかったとは言わせませんよ。</translation>
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
        <translation>このリリースはドネーションウェアです。   義務は</translation>
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
        <translation>今後の開発の支えになります。  小切手または</translation>
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
</TS>
