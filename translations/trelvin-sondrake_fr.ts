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
    <message>
        <source>The names of these selected files are not valid UTF-8, which the script cannot carry: %1. Rename them first.</source>
        <translation>Les noms de ces fichiers sélectionnés ne sont pas en UTF-8 valide, que le script ne peut pas porter : %1. Renommez-les d’abord.</translation>
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
    <message>
        <source>%1 lists %2 tracks: Encode makes an MP3 file of each.</source>
        <translation>%1 liste %2 pistes : Encoder fait un fichier MP3 de chacune.</translation>
    </message>
    <message>
        <source>%1 cannot be used: %2</source>
        <translation>%1 est inutilisable : %2</translation>
    </message>
    <message>
        <source>Its tags come from %1.</source>
        <translation>Ses étiquettes viennent de %1.</translation>
    </message>
    <message>
        <source>Variable, quality (0 best, 9 smallest):</source>
        <translation>Variable, qualité (0 meilleure, 9 plus petite) :</translation>
    </message>
    <message>
        <source>Variable bitrate quality, 0 best, 9 smallest</source>
        <translation>Qualité du débit variable, 0 meilleure, 9 plus petite</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Setup</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>L3Enc Path</source>
        <translation>Chemin de L3Enc</translation>
    </message>
    <message>
        <source>Select the directory location of the L3Enc executable, L3ENC.EXE.  If your encoder program is named something else, you should rename it appropriately so this program will find it.</source>
        <translation>Choisissez le dossier où se trouve l’exécutable de L3Enc, L3ENC.EXE.  Si votre encodeur porte un autre nom, renommez-le en conséquence pour que ce programme le trouve.</translation>
    </message>
    <message>
        <source>Run L3Enc...</source>
        <translation>Lancer L3Enc...</translation>
    </message>
    <message>
        <source>Minimized to Start Bar</source>
        <translation>Réduit dans la barre des tâches</translation>
    </message>
    <message>
        <source>Normal Window</source>
        <translation>Fenêtre normale</translation>
    </message>
    <message>
        <source>ID3v2 tag for today&apos;s players</source>
        <translation>Étiquette ID3v2 pour les lecteurs actuels</translation>
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
        <translation>&amp;Aucune</translation>
    </message>
    <message>
        <source>Whole texts, track numbers and the cover, in UTF-8: what current players and phones read</source>
        <translation>Textes entiers, numéros de piste et pochette, en UTF-8 : ce que lisent les lecteurs et téléphones actuels</translation>
    </message>
    <message>
        <source>The same in UTF-16, for older car stereos and players</source>
        <translation>La même chose en UTF-16, pour les autoradios et lecteurs plus anciens</translation>
    </message>
    <message>
        <source>Only the 128-byte ID3v1 tag: 30 Latin-1 characters a field</source>
        <translation>Seulement l’étiquette ID3v1 de 128 octets : 30 caractères Latin-1 par champ</translation>
    </message>
    <message>
        <source>AutoDelete warning messages?</source>
        <translation>Avertir lors de la suppression automatique ?</translation>
    </message>
    <message>
        <source>Yes (recommended)</source>
        <translation>Oui (recommandé)</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;ReplayGain tags</source>
        <translation>Balises &amp;ReplayGain</translation>
    </message>
    <message>
        <source>The loudness of each track and of each album, measured while encoding, so players play them all equally loud (ReplayGain 2.0)</source>
        <translation>La sonie de chaque piste et de chaque album, mesurée pendant l&apos;encodage, pour que les lecteurs les jouent tous aussi fort (ReplayGain 2.0)</translation>
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
    <name>Form4</name>
    <message>
        <source>MP3 Properties</source>
        <translation>Propriétés MP3</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Genre</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
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
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Commentaire</translation>
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
    <name>Form6</name>
    <message>
        <source>When ticked, %1 is set for every selected file</source>
        <translation>Une fois coché, %1 s’applique à chaque fichier sélectionné</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Piste</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
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
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Genre</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Commentaire</translation>
    </message>
    <message>
        <source>Tag Selected Files</source>
        <translation>Étiqueter les fichiers sélectionnés</translation>
    </message>
    <message>
        <source>Titles</source>
        <translation>Titres</translation>
    </message>
    <message>
        <source>&amp;Keep each file&apos;s title</source>
        <translation>&amp;Garder le titre de chaque fichier</translation>
    </message>
    <message>
        <source>Take titles from the file &amp;names</source>
        <translation>Prendre les titres dans les &amp;noms de fichier</translation>
    </message>
    <message>
        <source>Number the tracks in list &amp;order</source>
        <translation>Numéroter les pistes dans l’&amp;ordre de la liste</translation>
    </message>
    <message>
        <source>Track numbers 1 to the number of files, in the order of the list, whatever the names say</source>
        <translation>Numéros de piste de 1 au nombre de fichiers, dans l’ordre de la liste, quoi que disent les noms</translation>
    </message>
    <message>
        <source>&amp;Read tags from the WAVs</source>
        <translation>&amp;Lire les étiquettes des WAV</translation>
    </message>
    <message>
        <source>Tags the WAV files carry take the place of their entries&apos; texts; ticked fields still apply.</source>
        <translation>Les étiquettes que portent les fichiers WAV remplacent les textes de leurs entrées ; les champs cochés s’appliquent toujours.</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Set for every selected file</source>
        <translation>Pour chaque fichier sélectionné</translation>
    </message>
    <message>
        <source>&amp;Artist</source>
        <translation>A&amp;rtiste</translation>
    </message>
    <message>
        <source>Al&amp;bum</source>
        <translation>Al&amp;bum</translation>
    </message>
    <message>
        <source>&amp;Year</source>
        <translation>&amp;Année</translation>
    </message>
    <message>
        <source>&amp;Genre</source>
        <translation>G&amp;enre</translation>
    </message>
    <message>
        <source>&amp;Comment</source>
        <translation>&amp;Commentaire</translation>
    </message>
    <message>
        <source>Front cover</source>
        <translation>Pochette</translation>
    </message>
    <message>
        <source>Choose &amp;picture...</source>
        <translation>Choisir une &amp;image...</translation>
    </message>
    <message>
        <source>No p&amp;icture</source>
        <translation>&amp;Sans image</translation>
    </message>
    <message>
        <source>Only an ID3v2 tag carries a cover, track numbers and whole texts; Setup switches it on.</source>
        <translation>Seule une étiquette ID3v2 porte une pochette, des numéros de piste et des textes entiers ; la Configuration l’active.</translation>
    </message>
    <message>
        <source> No cover is embedded.</source>
        <translation> Aucune pochette n’est intégrée.</translation>
    </message>
    <message>
        <source>No cover is embedded.</source>
        <translation>Aucune pochette n’est intégrée.</translation>
    </message>
    <message>
        <source>Embedded as each MP3&apos;s front cover:
</source>
        <translation>Intégrée comme pochette de chaque MP3 :
</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Each selected file&apos;s tag as it will be stored</source>
        <translation>L’étiquette de chaque fichier sélectionné telle qu’elle sera enregistrée</translation>
    </message>
    <message>
        <source>JPEG or PNG pictures (*.jpg *.jpeg *.png *.JPG *.JPEG *.PNG)</source>
        <translation>Images JPEG ou PNG (*.jpg *.jpeg *.png *.JPG *.JPEG *.PNG)</translation>
    </message>
    <message>
        <source>None of the files carries tags of its own.</source>
        <translation>Aucun des fichiers ne porte ses propres étiquettes.</translation>
    </message>
    <message>
        <source>%1 of %2 files carry tags of their own; the preview shows them.</source>
        <translation>%1 fichiers sur %2 portent leurs propres étiquettes ; l’aperçu les montre.</translation>
    </message>
    <message>
        <source>Some files could not be read:</source>
        <translation>Certains fichiers n’ont pas pu être lus :</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Durée</translation>
    </message>
</context>
<context>
    <name>Form7</name>
    <message>
        <source>Tracks of %1</source>
        <translation>Pistes de %1</translation>
    </message>
    <message>
        <source>Text &amp;encoding of the track list:</source>
        <translation>&amp;Encodage du texte de la liste :</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>Artiste</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Pistes</translation>
    </message>
    <message>
        <source>Encode the &amp;tracks</source>
        <translation>Encoder les &amp;pistes</translation>
    </message>
    <message>
        <source>Encode &amp;whole</source>
        <translation>Encoder en en&amp;tier</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The track list %1 cannot be used: %2. %3 can only be encoded whole.</source>
        <translation>La liste de pistes %1 est inutilisable : %2. %3 ne peut être encodé qu’en entier.</translation>
    </message>
    <message>
        <source>Note: %1.</source>
        <translation>Remarque : %1.</translation>
    </message>
    <message>
        <source>Tracks listed in %1: %2. %3 becomes an MP3 file for each, without a gap between them.</source>
        <translation>Pistes de %1 : %2. %3 devient un fichier MP3 par piste, sans blanc entre elles.</translation>
    </message>
    <message>
        <source>Text encoding of the track list</source>
        <translation>Encodage du texte de la liste</translation>
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
<context>
    <name>WavFileList</name>
    <message>
        <source>This name is not valid UTF-8: rename the file to encode it.</source>
        <translation>Ce nom n’est pas en UTF-8 valide : renommez le fichier pour l’encoder.</translation>
    </message>
</context>
</TS>
