<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>DirectoryList</name>
    <message>
        <source>Directories</source>
        <translation>Verzeichnisse</translation>
    </message>
</context>
<context>
    <name>DriveList</name>
    <message>
        <source>File systems</source>
        <translation>Dateisysteme</translation>
    </message>
</context>
<context>
    <name>EncodeCheck</name>
    <message>
        <source>The destination directory &quot;%1&quot; does not exist. Choose another one with the Destination button.</source>
        <translation>Das Zielverzeichnis „%1“ existiert nicht. Wählen Sie mit der Schaltfläche „Ziel“ ein anderes.</translation>
    </message>
    <message>
        <source>The encoder L3ENC was not found in &quot;%1&quot;. Choose its directory with Options, Setup.</source>
        <translation>Der Encoder L3ENC wurde in „%1“ nicht gefunden. Wählen Sie sein Verzeichnis unter Optionen, Einrichtung.</translation>
    </message>
    <message>
        <source>The selected files no longer exist in &quot;%1&quot;: %2</source>
        <translation>Die ausgewählten Dateien gibt es in „%1“ nicht mehr: %2</translation>
    </message>
    <message>
        <source>These selected files would all become &quot;%1&quot;: %2. Select only one of them.</source>
        <translation>Aus diesen ausgewählten Dateien würde jeweils „%1“: %2. Wählen Sie nur eine davon aus.</translation>
    </message>
    <message>
        <source>The destination&apos;s file system (FAT, exFAT or NTFS) cannot hold the MP3 names of these selected files (no &quot; * : &lt; &gt; ? \ | in names): %1. Rename them first.</source>
        <translation>Das Dateisystem des Ziels (FAT, exFAT oder NTFS) kann die MP3-Namen dieser ausgewählten Dateien nicht aufnehmen (kein &quot; * : &lt; &gt; ? \ | in Namen): %1. Benennen Sie sie zuerst um.</translation>
    </message>
    <message>
        <source>An MP3 file exists already in the destination and would be replaced:</source>
        <translation>Im Ziel gibt es bereits eine MP3-Datei, die ersetzt würde:</translation>
    </message>
    <message>
        <source>%1 MP3 files exist already in the destination and would be replaced:</source>
        <translation>Im Ziel gibt es bereits %1 MP3-Dateien, die ersetzt würden:</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>… und %1 weitere</translation>
    </message>
    <message>
        <source>Replace them, skip those files, or cancel?</source>
        <translation>Ersetzen, diese Dateien überspringen oder abbrechen?</translation>
    </message>
    <message>
        <source>The names of these selected files are not valid UTF-8, which the script cannot carry: %1. Rename them first.</source>
        <translation>Die Namen dieser ausgewählten Dateien sind kein gültiges UTF-8, das das Skript nicht tragen kann: %1. Benennen Sie sie zuerst um.</translation>
    </message>
</context>
<context>
    <name>EncodeRun</name>
    <message>
        <source>Every selected file has its MP3 already; nothing was encoded.</source>
        <translation>Jede ausgewählte Datei hat ihre MP3 bereits; nichts wurde kodiert.</translation>
    </message>
    <message>
        <source>The script could not be written: %1</source>
        <translation>Das Skript konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Cannot change to the encoder directory &quot;%1&quot;.</source>
        <translation>Wechsel in das Encoder-Verzeichnis „%1“ nicht möglich.</translation>
    </message>
    <message>
        <source>Cannot start the script: %1</source>
        <translation>Das Skript kann nicht gestartet werden: %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>You may regret this option if your WAV files are corrupt or the resulting MP3 does not meet your satisfaction.  Don&apos;t say I didn&apos;t warn you.</source>
        <translation>Diese Option könnten Sie bereuen, wenn Ihre WAV-Dateien beschädigt sind oder die entstandene MP3 nicht Ihren Ansprüchen genügt.  Sagen Sie nicht, ich hätte Sie nicht gewarnt.</translation>
    </message>
    <message>
        <source>Encoding bitrate (kbits/s)</source>
        <translation>Bitrate der Kodierung (kbit/s)</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Downmixing (Stereo to mono)</source>
        <translation>Heruntermischen (Stereo zu Mono)</translation>
    </message>
    <message>
        <source>CRC checking enabled</source>
        <translation>CRC-Prüfung eingeschaltet</translation>
    </message>
    <message>
        <source>High quality encoding</source>
        <translation>Kodierung in hoher Qualität</translation>
    </message>
    <message>
        <source>Automatic delete</source>
        <translation>Automatisch löschen</translation>
    </message>
    <message>
        <source>(CAUTION!)</source>
        <translation>(VORSICHT!)</translation>
    </message>
    <message>
        <source>WAV selector</source>
        <translation>WAV-Auswahl</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Encode</source>
        <translation>Kodieren</translation>
    </message>
    <message>
        <source>WAV files</source>
        <translation>WAV-Dateien</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Encode &amp;selected</source>
        <translation>&amp;Auswahl kodieren</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Eigenschaften</translation>
    </message>
    <message>
        <source>&amp;Tag selected...</source>
        <translation>Auswahl &amp;taggen...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>&amp;Einrichtung</translation>
    </message>
    <message>
        <source>&amp;Destination</source>
        <translation>&amp;Ziel</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>The settings could not be saved to &quot;%1&quot;: %2</source>
        <translation>Die Einstellungen konnten nicht in „%1“ gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Yikes!</source>
        <translation>Huch!</translation>
    </message>
    <message>
        <source>Um... pick a file, Brainwick!</source>
        <translation>Ähm … wähl eine Datei aus, Schlaumeier!</translation>
    </message>
    <message>
        <source>Tag Selected Files</source>
        <translation>Ausgewählte Dateien taggen</translation>
    </message>
    <message>
        <source>No files are selected. Select the WAV files to tag in the list first.</source>
        <translation>Keine Dateien ausgewählt. Wählen Sie zuerst in der Liste die WAV-Dateien aus, die getaggt werden sollen.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Ersetzen</translation>
    </message>
    <message>
        <source>&amp;Skip those files</source>
        <translation>Diese Dateien ü&amp;berspringen</translation>
    </message>
    <message>
        <source>Critical</source>
        <translation>Kritisch</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>%1 lists %2 tracks: Encode makes an MP3 file of each.</source>
        <translation>%1 listet %2 Titel: Kodieren macht aus jedem eine MP3-Datei.</translation>
    </message>
    <message>
        <source>%1 cannot be used: %2</source>
        <translation>%1 ist nicht verwendbar: %2</translation>
    </message>
    <message>
        <source>Its tags come from %1.</source>
        <translation>Seine Tags stammen aus %1.</translation>
    </message>
    <message>
        <source>Variable, quality (0 best, 9 smallest):</source>
        <translation>Variabel, Qualität (0 beste, 9 kleinste):</translation>
    </message>
    <message>
        <source>Variable bitrate quality, 0 best, 9 smallest</source>
        <translation>Qualität der variablen Bitrate, 0 beste, 9 kleinste</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Setup</source>
        <translation>Einrichtung</translation>
    </message>
    <message>
        <source>L3Enc Path</source>
        <translation>L3Enc-Pfad</translation>
    </message>
    <message>
        <source>Select the directory location of the L3Enc executable, L3ENC.EXE.  If your encoder program is named something else, you should rename it appropriately so this program will find it.</source>
        <translation>Wählen Sie das Verzeichnis, in dem das L3Enc-Programm L3ENC.EXE liegt.  Heißt Ihr Encoder anders, benennen Sie ihn passend um, damit dieses Programm ihn findet.</translation>
    </message>
    <message>
        <source>Run L3Enc...</source>
        <translation>L3Enc ausführen...</translation>
    </message>
    <message>
        <source>Minimized to Start Bar</source>
        <translation>Minimiert in der Taskleiste</translation>
    </message>
    <message>
        <source>Normal Window</source>
        <translation>Normales Fenster</translation>
    </message>
    <message>
        <source>ID3v2 tag for today&apos;s players</source>
        <translation>ID3v2-Tag für heutige Player</translation>
    </message>
    <message>
        <source>2.&amp;4, UTF-8</source>
        <translation>2.&amp;4, UTF-8</translation>
    </message>
    <message>
        <source>2.&amp;3, UTF-16</source>
        <translation>2.&amp;3, UTF-16</translation>
    </message>
    <message>
        <source>N&amp;one</source>
        <translation>&amp;Keins</translation>
    </message>
    <message>
        <source>Whole texts, track numbers and the cover, in UTF-8: what current players and phones read</source>
        <translation>Ganze Texte, Titelnummern und das Cover in UTF-8: was heutige Player und Handys lesen</translation>
    </message>
    <message>
        <source>The same in UTF-16, for older car stereos and players</source>
        <translation>Dasselbe in UTF-16, für ältere Autoradios und Player</translation>
    </message>
    <message>
        <source>Only the 128-byte ID3v1 tag: 30 Latin-1 characters a field</source>
        <translation>Nur das 128-Byte-ID3v1-Tag: 30 Latin-1-Zeichen je Feld</translation>
    </message>
    <message>
        <source>AutoDelete warning messages?</source>
        <translation>Warnung bei automatischem Löschen?</translation>
    </message>
    <message>
        <source>Yes (recommended)</source>
        <translation>Ja (empfohlen)</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>Okay</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;ReplayGain tags</source>
        <translation>&amp;ReplayGain-Tags</translation>
    </message>
    <message>
        <source>The loudness of each track and of each album, measured while encoding, so players play them all equally loud (ReplayGain 2.0)</source>
        <translation>Die Lautheit jedes Titels und jedes Albums, beim Kodieren gemessen, damit Player alle gleich laut abspielen (ReplayGain 2.0)</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>About Sondrake</source>
        <translation>Über Sondrake</translation>
    </message>
    <message>
        <source>Trelvin Sondrake icon</source>
        <translation>Symbol von Trelvin Sondrake</translation>
    </message>
    <message>
        <source>Visit the official home page at
</source>
        <translation>Besuchen Sie die offizielle Homepage unter
</translation>
    </message>
    <message>
        <source>eMail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>eMail the author at </source>
        <translation>E-Mail an den Autor: </translation>
    </message>
    <message>
        <source>This release is deemed as donation-ware.   There are no</source>
        <translation>Diese Version gilt als Donationware.   Es besteht keine</translation>
    </message>
    <message>
        <source>obligations; however, monetary contributions are greatly</source>
        <translation>Verpflichtung; finanzielle Beiträge sind jedoch sehr</translation>
    </message>
    <message>
        <source>appreciated and would help support the development of </source>
        <translation>willkommen und helfen, dieses und andere Projekte </translation>
    </message>
    <message>
        <source>this and other projects in the future.  Please send your</source>
        <translation>künftig weiterzuentwickeln.  Bitte senden Sie Ihren</translation>
    </message>
    <message>
        <source>check or money order to:</source>
        <translation>Scheck oder Ihre Zahlungsanweisung an:</translation>
    </message>
    <message>
        <source>Cool!</source>
        <translation>Klasse!</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>MP3 Properties</source>
        <translation>MP3-Eigenschaften</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Genre</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
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
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>Okay</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Form5</name>
    <message>
        <source>Output Destination</source>
        <translation>Ausgabeziel</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>Okay</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Form6</name>
    <message>
        <source>When ticked, %1 is set for every selected file</source>
        <translation>Wenn angehakt, gilt %1 für jede ausgewählte Datei</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
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
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Genre</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Tag Selected Files</source>
        <translation>Ausgewählte Dateien taggen</translation>
    </message>
    <message>
        <source>Titles</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>&amp;Keep each file&apos;s title</source>
        <translation>Titel jeder Datei &amp;behalten</translation>
    </message>
    <message>
        <source>Take titles from the file &amp;names</source>
        <translation>Titel aus den Datei&amp;namen nehmen</translation>
    </message>
    <message>
        <source>Number the tracks in list &amp;order</source>
        <translation>Titel in &amp;Listenreihenfolge nummerieren</translation>
    </message>
    <message>
        <source>Track numbers 1 to the number of files, in the order of the list, whatever the names say</source>
        <translation>Titelnummern von 1 bis zur Anzahl der Dateien, in der Reihenfolge der Liste, was auch immer die Namen sagen</translation>
    </message>
    <message>
        <source>&amp;Read tags from the WAVs</source>
        <translation>Tags aus den WAVs l&amp;esen</translation>
    </message>
    <message>
        <source>Tags the WAV files carry take the place of their entries&apos; texts; ticked fields still apply.</source>
        <translation>Tags, die die WAV-Dateien tragen, ersetzen die Texte ihrer Einträge; angehakte Felder gelten weiterhin.</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>Okay</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Set for every selected file</source>
        <translation>Für jede ausgewählte Datei setzen</translation>
    </message>
    <message>
        <source>&amp;Artist</source>
        <translation>&amp;Interpret</translation>
    </message>
    <message>
        <source>Al&amp;bum</source>
        <translation>&amp;Album</translation>
    </message>
    <message>
        <source>&amp;Year</source>
        <translation>&amp;Jahr</translation>
    </message>
    <message>
        <source>&amp;Genre</source>
        <translation>&amp;Genre</translation>
    </message>
    <message>
        <source>&amp;Comment</source>
        <translation>&amp;Kommentar</translation>
    </message>
    <message>
        <source>Front cover</source>
        <translation>Cover</translation>
    </message>
    <message>
        <source>Choose &amp;picture...</source>
        <translation>Bild &amp;wählen...</translation>
    </message>
    <message>
        <source>No p&amp;icture</source>
        <translation>&amp;Ohne Bild</translation>
    </message>
    <message>
        <source>Only an ID3v2 tag carries a cover, track numbers and whole texts; Setup switches it on.</source>
        <translation>Nur ein ID3v2-Tag trägt ein Cover, Titelnummern und ganze Texte; die Einrichtung schaltet es ein.</translation>
    </message>
    <message>
        <source> No cover is embedded.</source>
        <translation> Es wird kein Cover eingebettet.</translation>
    </message>
    <message>
        <source>No cover is embedded.</source>
        <translation>Es wird kein Cover eingebettet.</translation>
    </message>
    <message>
        <source>Embedded as each MP3&apos;s front cover:
</source>
        <translation>Eingebettet als Cover jeder MP3:
</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Each selected file&apos;s tag as it will be stored</source>
        <translation>Das Tag jeder ausgewählten Datei, wie es gespeichert wird</translation>
    </message>
    <message>
        <source>JPEG or PNG pictures (*.jpg *.jpeg *.png *.JPG *.JPEG *.PNG)</source>
        <translation>JPEG- oder PNG-Bilder (*.jpg *.jpeg *.png *.JPG *.JPEG *.PNG)</translation>
    </message>
    <message>
        <source>None of the files carries tags of its own.</source>
        <translation>Keine der Dateien trägt eigene Tags.</translation>
    </message>
    <message>
        <source>%1 of %2 files carry tags of their own; the preview shows them.</source>
        <translation>%1 von %2 Dateien tragen eigene Tags; die Vorschau zeigt sie.</translation>
    </message>
    <message>
        <source>Some files could not be read:</source>
        <translation>Einige Dateien konnten nicht gelesen werden:</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
</context>
<context>
    <name>Form7</name>
    <message>
        <source>Tracks of %1</source>
        <translation>Titel von %1</translation>
    </message>
    <message>
        <source>Text &amp;encoding of the track list:</source>
        <translation>Text&amp;kodierung der Titelliste:</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>Interpret</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Encode the &amp;tracks</source>
        <translation>Die &amp;Titel kodieren</translation>
    </message>
    <message>
        <source>Encode &amp;whole</source>
        <translation>&amp;Ganz kodieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The track list %1 cannot be used: %2. %3 can only be encoded whole.</source>
        <translation>Die Titelliste %1 ist nicht verwendbar: %2. %3 kann nur als Ganzes kodiert werden.</translation>
    </message>
    <message>
        <source>Note: %1.</source>
        <translation>Hinweis: %1.</translation>
    </message>
    <message>
        <source>Tracks listed in %1: %2. %3 becomes an MP3 file for each, without a gap between them.</source>
        <translation>Titel in %1: %2. %3 wird zu je einer MP3-Datei pro Titel, ohne Lücke dazwischen.</translation>
    </message>
    <message>
        <source>Text encoding of the track list</source>
        <translation>Textkodierung der Titelliste</translation>
    </message>
</context>
<context>
    <name>OpenedPaths</name>
    <message>
        <source>%1: not found</source>
        <translation>%1: nicht gefunden</translation>
    </message>
    <message>
        <source>%1: not a WAV file</source>
        <translation>%1: keine WAV-Datei</translation>
    </message>
    <message>
        <source>%1: the folder cannot be read</source>
        <translation>%1: der Ordner kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1: only one folder is shown at a time</source>
        <translation>%1: es wird immer nur ein Ordner angezeigt</translation>
    </message>
    <message>
        <source>%1: not in the folder shown</source>
        <translation>%1: nicht im angezeigten Ordner</translation>
    </message>
    <message>
        <source>%1: not a file on this computer</source>
        <translation>%1: keine Datei auf diesem Computer</translation>
    </message>
    <message>
        <source>Nothing was opened:</source>
        <translation>Nichts wurde geöffnet:</translation>
    </message>
    <message>
        <source>The window shows &quot;%1&quot;. Not taken:</source>
        <translation>Das Fenster zeigt „%1“. Nicht übernommen:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no WAV files.</source>
        <translation>„%1“ enthält keine WAV-Dateien.</translation>
    </message>
</context>
<context>
    <name>ScriptStarter</name>
    <message>
        <source>%1, so the encoding runs in the background. Its output goes to &quot;%2&quot;.</source>
        <translation>%1, daher läuft die Kodierung im Hintergrund. Ihre Ausgabe steht in „%2“.</translation>
    </message>
    <message>
        <source>No terminal window can be opened here</source>
        <translation>Hier kann kein Terminalfenster geöffnet werden</translation>
    </message>
    <message>
        <source>The terminal window could not be opened (%1: %2)</source>
        <translation>Das Terminalfenster konnte nicht geöffnet werden (%1: %2)</translation>
    </message>
</context>
<context>
    <name>WavFileList</name>
    <message>
        <source>This name is not valid UTF-8: rename the file to encode it.</source>
        <translation>Dieser Name ist kein gültiges UTF-8: Benennen Sie die Datei um, um sie zu kodieren.</translation>
    </message>
</context>
</TS>
