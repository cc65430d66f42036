<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>DirectoryList</name>
    <message>
        <source>Directories</source>
        <translation>Dossiers</translation>
    </message>
</context>
<context>
    <name>DriveList</name>
    <message>
        <source>File systems</source>
        <translation>Systèmes de fichiers</translation>
    </message>
</context>
<context>
    <name>EncodeCheck</name>
    <message>
        <source>The destination directory &quot;%1&quot; does not exist. Choose another one with the Destination button.</source>
        <translation>Le dossier de destination « %1 » n’existe pas. Choisissez-en un autre avec le bouton Destination.</translation>
    </message>
    <message>
        <source>The encoder L3ENC was not found in &quot;%1&quot;. Choose its directory with Options, Setup.</source>
        <translation>L’encodeur L3ENC est introuvable dans « %1 ». Choisissez son dossier dans Options, Configuration.</translation>
    </message>
    <message>
        <source>The selected files no longer exist in &quot;%1&quot;: %2</source>
        <translation>Les fichiers sélectionnés n’existent plus dans « %1 » : %2</translation>
    </message>
    <message>
        <source>These selected files would all become &quot;%1&quot;: %2. Select only one of them.</source>
        <translation>Ces fichiers sélectionnés deviendraient tous « %1 » : %2. N’en sélectionnez qu’un seul.</translation>
    </message>
    <message>
        <source>The destination&apos;s file system (FAT, exFAT or NTFS) cannot hold the MP3 names of these selected files (no &quot; * : &lt; &gt; ? \ | in names): %1. Rename them first.</source>
        <translation>Le système de fichiers de la destination (FAT, exFAT ou NTFS) ne peut pas recevoir les noms MP3 de ces fichiers sélectionnés (pas de &quot; * : &lt; &gt; ? \ | dans les noms) : %1. Renommez-les d’abord.</translation>
    </message>
    <message>
        <source>An MP3 file exists already in the destination and would be replaced:</source>
        <translation>Un fichier MP3 existe déjà dans la destination et serait remplacé :</translation>
    </message>
    <message>
        <source>%1 MP3 files exist already in the destination and would be replaced:</source>
        <translation>%1 fichiers MP3 existent déjà dans la destination et seraient remplacés :</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>… et %1 de plus</translation>
    </message>
    <message>
        <source>Replace them, skip those files, or cancel?</source>
        <translation>Les remplacer, ignorer ces fichiers ou annuler ?</translation>
    </message>
</context>
<context>
    <name>EncodeRun</name>
    <message>
        <source>Every selected file has its MP3 already; nothing was encoded.</source>
        <translation>Chaque fichier sélectionné a déjà son MP3 ; rien n’a été encodé.</translation>
    </message>
    <message>
        <source>The script could not be written: %1</source>
        <translation>Le script n’a pas pu être écrit : %1</translation>
    </message>
    <message>
        <source>Cannot change to the encoder directory &quot;%1&quot;.</source>
        <translation>Impossible de passer dans le dossier de l’encodeur « %1 ».</translation>
    </message>
    <message>
        <source>Cannot start the script: %1</source>
        <translation>Impossible de lancer le script : %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>You may regret this option if your WAV files are corrupt or the resulting MP3 does not meet your satisfaction.  Don&apos;t say I didn&apos;t warn you.</source>
        <translation>Vous pourriez regretter cette option si vos fichiers WAV sont corrompus ou si le MP3 obtenu ne vous satisfait pas.  Ne dites pas que je ne vous ai pas prévenu.</translation>
    </message>
    <message>
        <source>Encoding bitrate (kbits/s)</source>
        <translation>Débit d’encodage (kbit/s)</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Downmixing (Stereo to mono)</source>
        <translation>Mixage (stéréo vers mono)</translation>
    </message>
    <message>
        <source>CRC checking enabled</source>
        <translation>Contrôle CRC activé</translation>
    </message>
    <message>
        <source>High quality encoding</source>
        <translation>Encodage haute qualité</translation>
    </message>
    <message>
        <source>Automatic delete</source>
        <translation>Suppression automatique</translation>
    </message>
    <message>
        <source>(CAUTION!)</source>
        <translation>(ATTENTION !)</translation>
    </message>
    <message>
        <source>WAV selector</source>
        <translation>Sélection des WAV</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>Encode</source>
        <translation>Encoder</translation>
    </message>
    <message>
        <source>WAV files</source>
        <translation>Fichiers WAV</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Encode &amp;selected</source>
        <translation>&amp;Encoder la sélection</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Propriétés</translation>
    </message>
    <message>
        <source>&amp;Tag selected...</source>
        <translation>É&amp;tiqueter la sélection...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>&amp;Configuration</translation>
    </message>
    <message>
        <source>&amp;Destination</source>
        <translation>&amp;Destination</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>The settings could not be saved to &quot;%1&quot;: %2</source>
        <translation>Les réglages n’ont pas pu être enregistrés dans « %1 » : %2</translation>
    </message>
    <message>
        <source>Yikes!</source>
        <translation>Aïe !</translation>
    </message>
    <message>
        <source>Um... pick a file, Brainwick!</source>
        <translation>Euh… choisis un fichier, petit génie !</translation>
    </message>
    <message>
        <source>Tag Selected Files</source>
        <translation>Étiqueter les fichiers sélectionnés</translation>
    </message>
    <message>
        <source>No files are selected. Select the WAV files to tag in the list first.</source>
        <translation>Aucun fichier n’est sélectionné. Sélectionnez d’abord dans la liste les fichiers WAV à étiqueter.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Remplacer</translation>
    </message>
    <message>
        <source>&amp;Skip those files</source>
        <translation>&amp;Ignorer ces fichiers</translation>
    </message>
    <message>
        <source>Critical</source>
        <translation>Critique</translation>
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
        <translation>À propos de Sondrake</translation>
    </message>
    <message>
        <source>Trelvin Sondrake icon</source>
        <translation>Icône de Trelvin Sondrake</translation>
    </message>
    <message>
        <source>Visit the official home page at
</source>
        <translation>Visitez la page d’accueil officielle à l’adresse
</translation>
    </message>
    <message>
        <source>eMail</source>
        <translation>Courriel</translation>
    </message>
    <message>
        <source>eMail the author at </source>
        <translation>Écrivez à l’auteur : </translation>
    </message>
    <message>
        <source>This release is deemed as donation-ware.   There are no</source>
        <translation>Cette version est un donationware.   Vous n’avez aucune</translation>
    </message>
    <message>
        <source>obligations; however, monetary contributions are greatly</source>
        <translation>obligation ; toutefois, les contributions financières sont</translation>
    </message>
    <message>
        <source>appreciated and would help support the development of </source>
        <translation>très appréciées et aideraient à soutenir le développement </translation>
    </message>
    <message>
        <source>this and other projects in the future.  Please send your</source>
        <translation>de ce projet et d’autres à l’avenir.  Veuillez envoyer votre</translation>
    </message>
    <message>
        <source>check or money order to:</source>
        <translation>chèque ou mandat à :</translation>
    </message>
    <message>
        <source>Cool!</source>
        <translation>Super !</translation>
    </message>
</context>
<context>
    <name>Form5</name>
    <message>
        <source>Output Destination</source>
        <translation>Destination de sortie</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>OpenedPaths</name>
    <message>
        <source>%1: not found</source>
        <translation>%1 : introuvable</translation>
    </message>
    <message>
        <source>%1: not a WAV file</source>
        <translation>%1 : pas un fichier WAV</translation>
    </message>
    <message>
        <source>%1: the folder cannot be read</source>
        <translation>%1 : le dossier ne peut pas être lu</translation>
    </message>
    <message>
        <source>%1: only one folder is shown at a time</source>
        <translation>%1 : un seul dossier est affiché à la fois</translation>
    </message>
    <message>
        <source>%1: not in the folder shown</source>
        <translation>%1 : pas dans le dossier affiché</translation>
    </message>
    <message>
        <source>%1: not a file on this computer</source>
        <translation>%1 : pas un fichier de cet ordinateur</translation>
    </message>
    <message>
        <source>Nothing was opened:</source>
        <translation>Rien n’a été ouvert :</translation>
    </message>
    <message>
        <source>The window shows &quot;%1&quot;. Not taken:</source>
        <translation>La fenêtre affiche « %1 ». Non retenus :</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no WAV files.</source>
        <translation>« %1 » ne contient aucun fichier WAV.</translation>
    </message>
</context>
<context>
    <name>ScriptStarter</name>
    <message>
        <source>%1, so the encoding runs in the background. Its output goes to &quot;%2&quot;.</source>
        <translation>%1 ; l’encodage s’exécute donc en arrière-plan. Sa sortie va dans « %2 ».</translation>
    </message>
    <message>
        <source>No terminal window can be opened here</source>
        <translation>Aucune fenêtre de terminal ne peut s’ouvrir ici</translation>
    </message>
    <message>
        <source>The terminal window could not be opened (%1: %2)</source>
        <translation>La fenêtre de terminal n’a pas pu s’ouvrir (%1 : %2)</translation>
    </message>
</context>
</TS>
