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
</TS>
