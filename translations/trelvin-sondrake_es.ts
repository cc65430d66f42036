<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>DirectoryList</name>
    <message>
        <source>Directories</source>
        <translation>Carpetas</translation>
    </message>
</context>
<context>
    <name>DriveList</name>
    <message>
        <source>File systems</source>
        <translation>Sistemas de archivos</translation>
    </message>
</context>
<context>
    <name>EncodeCheck</name>
    <message>
        <source>The destination directory &quot;%1&quot; does not exist. Choose another one with the Destination button.</source>
        <translation>La carpeta de destino «%1» no existe. Elija otra con el botón Destino.</translation>
    </message>
    <message>
        <source>The encoder L3ENC was not found in &quot;%1&quot;. Choose its directory with Options, Setup.</source>
        <translation>No se encontró el codificador L3ENC en «%1». Elija su carpeta en Opciones, Configuración.</translation>
    </message>
    <message>
        <source>The selected files no longer exist in &quot;%1&quot;: %2</source>
        <translation>Los archivos seleccionados ya no existen en «%1»: %2</translation>
    </message>
    <message>
        <source>These selected files would all become &quot;%1&quot;: %2. Select only one of them.</source>
        <translation>Todos estos archivos seleccionados se convertirían en «%1»: %2. Seleccione solo uno de ellos.</translation>
    </message>
    <message>
        <source>The destination&apos;s file system (FAT, exFAT or NTFS) cannot hold the MP3 names of these selected files (no &quot; * : &lt; &gt; ? \ | in names): %1. Rename them first.</source>
        <translation>El sistema de archivos del destino (FAT, exFAT o NTFS) no admite los nombres MP3 de estos archivos seleccionados (sin &quot; * : &lt; &gt; ? \ | en los nombres): %1. Cámbieles el nombre primero.</translation>
    </message>
    <message>
        <source>An MP3 file exists already in the destination and would be replaced:</source>
        <translation>Ya existe un archivo MP3 en el destino y se reemplazaría:</translation>
    </message>
    <message>
        <source>%1 MP3 files exist already in the destination and would be replaced:</source>
        <translation>Ya existen %1 archivos MP3 en el destino y se reemplazarían:</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>… y %1 más</translation>
    </message>
    <message>
        <source>Replace them, skip those files, or cancel?</source>
        <translation>¿Reemplazarlos, omitir esos archivos o cancelar?</translation>
    </message>
    <message>
        <source>The names of these selected files are not valid UTF-8, which the script cannot carry: %1. Rename them first.</source>
        <translation>Los nombres de estos archivos seleccionados no son UTF-8 válido, que el script no puede llevar: %1. Cámbieles el nombre primero.</translation>
    </message>
</context>
<context>
    <name>EncodeRun</name>
    <message>
        <source>Every selected file has its MP3 already; nothing was encoded.</source>
        <translation>Todos los archivos seleccionados ya tienen su MP3; no se codificó nada.</translation>
    </message>
    <message>
        <source>The script could not be written: %1</source>
        <translation>No se pudo escribir el script: %1</translation>
    </message>
    <message>
        <source>Cannot change to the encoder directory &quot;%1&quot;.</source>
        <translation>No se puede cambiar a la carpeta del codificador «%1».</translation>
    </message>
    <message>
        <source>Cannot start the script: %1</source>
        <translation>No se puede iniciar el script: %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>You may regret this option if your WAV files are corrupt or the resulting MP3 does not meet your satisfaction.  Don&apos;t say I didn&apos;t warn you.</source>
        <translation>Puede que se arrepienta de esta opción si sus archivos WAV están dañados o el MP3 resultante no le satisface.  No diga que no se lo advertí.</translation>
    </message>
    <message>
        <source>Encoding bitrate (kbits/s)</source>
        <translation>Tasa de bits de codificación (kbit/s)</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Downmixing (Stereo to mono)</source>
        <translation>Mezcla (de estéreo a mono)</translation>
    </message>
    <message>
        <source>CRC checking enabled</source>
        <translation>Comprobación CRC activada</translation>
    </message>
    <message>
        <source>High quality encoding</source>
        <translation>Codificación de alta calidad</translation>
    </message>
    <message>
        <source>Automatic delete</source>
        <translation>Borrado automático</translation>
    </message>
    <message>
        <source>(CAUTION!)</source>
        <translation>(¡CUIDADO!)</translation>
    </message>
    <message>
        <source>WAV selector</source>
        <translation>Selector de WAV</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>Encode</source>
        <translation>Codificar</translation>
    </message>
    <message>
        <source>WAV files</source>
        <translation>Archivos WAV</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Encode &amp;selected</source>
        <translation>&amp;Codificar selección</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Propiedades</translation>
    </message>
    <message>
        <source>&amp;Tag selected...</source>
        <translation>&amp;Etiquetar selección...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>&amp;Configuración</translation>
    </message>
    <message>
        <source>&amp;Destination</source>
        <translation>&amp;Destino</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>The settings could not be saved to &quot;%1&quot;: %2</source>
        <translation>No se pudo guardar la configuración en «%1»: %2</translation>
    </message>
    <message>
        <source>Yikes!</source>
        <translation>¡Caramba!</translation>
    </message>
    <message>
        <source>Um... pick a file, Brainwick!</source>
        <translation>Eh… ¡elige un archivo, cerebrito!</translation>
    </message>
    <message>
        <source>Tag Selected Files</source>
        <translation>Etiquetar archivos seleccionados</translation>
    </message>
    <message>
        <source>No files are selected. Select the WAV files to tag in the list first.</source>
        <translation>No hay archivos seleccionados. Seleccione primero en la lista los archivos WAV que quiere etiquetar.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Reemplazar</translation>
    </message>
    <message>
        <source>&amp;Skip those files</source>
        <translation>&amp;Omitir esos archivos</translation>
    </message>
    <message>
        <source>Critical</source>
        <translation>Crítico</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>%1 lists %2 tracks: Encode makes an MP3 file of each.</source>
        <translation>%1 enumera %2 pistas: Codificar crea un archivo MP3 de cada una.</translation>
    </message>
    <message>
        <source>%1 cannot be used: %2</source>
        <translation>%1 no se puede usar: %2</translation>
    </message>
    <message>
        <source>Its tags come from %1.</source>
        <translation>Sus etiquetas vienen de %1.</translation>
    </message>
    <message>
        <source>Variable, quality (0 best, 9 smallest):</source>
        <translation>Variable, calidad (0 mejor, 9 menor):</translation>
    </message>
    <message>
        <source>Variable bitrate quality, 0 best, 9 smallest</source>
        <translation>Calidad de la tasa variable, 0 mejor, 9 menor</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Setup</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>L3Enc Path</source>
        <translation>Ruta de L3Enc</translation>
    </message>
    <message>
        <source>Select the directory location of the L3Enc executable, L3ENC.EXE.  If your encoder program is named something else, you should rename it appropriately so this program will find it.</source>
        <translation>Seleccione la carpeta donde está el ejecutable de L3Enc, L3ENC.EXE.  Si su codificador se llama de otra forma, cámbiele el nombre para que este programa lo encuentre.</translation>
    </message>
    <message>
        <source>Run L3Enc...</source>
        <translation>Ejecutar L3Enc...</translation>
    </message>
    <message>
        <source>Minimized to Start Bar</source>
        <translation>Minimizado en la barra de tareas</translation>
    </message>
    <message>
        <source>Normal Window</source>
        <translation>Ventana normal</translation>
    </message>
    <message>
        <source>ID3v2 tag for today&apos;s players</source>
        <translation>Etiqueta ID3v2 para los reproductores actuales</translation>
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
        <translation>&amp;Ninguna</translation>
    </message>
    <message>
        <source>Whole texts, track numbers and the cover, in UTF-8: what current players and phones read</source>
        <translation>Textos completos, números de pista y la portada, en UTF-8: lo que leen los reproductores y teléfonos actuales</translation>
    </message>
    <message>
        <source>The same in UTF-16, for older car stereos and players</source>
        <translation>Lo mismo en UTF-16, para autorradios y reproductores más antiguos</translation>
    </message>
    <message>
        <source>Only the 128-byte ID3v1 tag: 30 Latin-1 characters a field</source>
        <translation>Solo la etiqueta ID3v1 de 128 bytes: 30 caracteres Latin-1 por campo</translation>
    </message>
    <message>
        <source>AutoDelete warning messages?</source>
        <translation>¿Avisar al borrar automáticamente?</translation>
    </message>
    <message>
        <source>Yes (recommended)</source>
        <translation>Sí (recomendado)</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;ReplayGain tags</source>
        <translation>Etiquetas &amp;ReplayGain</translation>
    </message>
    <message>
        <source>The loudness of each track and of each album, measured while encoding, so players play them all equally loud (ReplayGain 2.0)</source>
        <translation>La sonoridad de cada pista y de cada álbum, medida al codificar, para que los reproductores los reproduzcan todos igual de fuerte (ReplayGain 2.0)</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>About Sondrake</source>
        <translation>Acerca de Sondrake</translation>
    </message>
    <message>
        <source>Trelvin Sondrake icon</source>
        <translation>Icono de Trelvin Sondrake</translation>
    </message>
    <message>
        <source>Visit the official home page at
</source>
        <translation>Visite la página oficial en
</translation>
    </message>
    <message>
        <source>eMail</source>
        <translation>Correo</translation>
    </message>
    <message>
        <source>eMail the author at </source>
        <translation>Escriba al autor a </translation>
    </message>
    <message>
        <source>This release is deemed as donation-ware.   There are no</source>
        <translation>Esta versión se considera donationware.   No existe ninguna</translation>
    </message>
    <message>
        <source>obligations; however, monetary contributions are greatly</source>
        <translation>obligación; sin embargo, las contribuciones económicas</translation>
    </message>
    <message>
        <source>appreciated and would help support the development of </source>
        <translation>se agradecen mucho y ayudarían a sostener el desarrollo </translation>
    </message>
    <message>
        <source>this and other projects in the future.  Please send your</source>
        <translation>de este y otros proyectos en el futuro.  Envíe su cheque</translation>
    </message>
    <message>
        <source>check or money order to:</source>
        <translation>o giro postal a:</translation>
    </message>
    <message>
        <source>Cool!</source>
        <translation>¡Genial!</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>MP3 Properties</source>
        <translation>Propiedades del MP3</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Género</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
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
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Comentario</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>Form5</name>
    <message>
        <source>Output Destination</source>
        <translation>Destino de salida</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>Form6</name>
    <message>
        <source>When ticked, %1 is set for every selected file</source>
        <translation>Si está marcada, %1 se aplica a cada archivo seleccionado</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
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
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Género</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Comentario</translation>
    </message>
    <message>
        <source>Tag Selected Files</source>
        <translation>Etiquetar archivos seleccionados</translation>
    </message>
    <message>
        <source>Titles</source>
        <translation>Títulos</translation>
    </message>
    <message>
        <source>&amp;Keep each file&apos;s title</source>
        <translation>&amp;Mantener el título de cada archivo</translation>
    </message>
    <message>
        <source>Take titles from the file &amp;names</source>
        <translation>Tomar los títulos de los &amp;nombres de archivo</translation>
    </message>
    <message>
        <source>Number the tracks in list &amp;order</source>
        <translation>Numerar las pistas según el o&amp;rden de la lista</translation>
    </message>
    <message>
        <source>Track numbers 1 to the number of files, in the order of the list, whatever the names say</source>
        <translation>Números de pista del 1 al número de archivos, en el orden de la lista, digan lo que digan los nombres</translation>
    </message>
    <message>
        <source>&amp;Read tags from the WAVs</source>
        <translation>&amp;Leer etiquetas de los WAV</translation>
    </message>
    <message>
        <source>Tags the WAV files carry take the place of their entries&apos; texts; ticked fields still apply.</source>
        <translation>Las etiquetas que llevan los archivos WAV sustituyen los textos de sus entradas; los campos marcados siguen aplicándose.</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Set for every selected file</source>
        <translation>Para cada archivo seleccionado</translation>
    </message>
    <message>
        <source>&amp;Artist</source>
        <translation>&amp;Artista</translation>
    </message>
    <message>
        <source>Al&amp;bum</source>
        <translation>Ál&amp;bum</translation>
    </message>
    <message>
        <source>&amp;Year</source>
        <translation>Añ&amp;o</translation>
    </message>
    <message>
        <source>&amp;Genre</source>
        <translation>&amp;Género</translation>
    </message>
    <message>
        <source>&amp;Comment</source>
        <translation>&amp;Comentario</translation>
    </message>
    <message>
        <source>Front cover</source>
        <translation>Portada</translation>
    </message>
    <message>
        <source>Choose &amp;picture...</source>
        <translation>Elegir &amp;imagen...</translation>
    </message>
    <message>
        <source>No p&amp;icture</source>
        <translation>&amp;Sin imagen</translation>
    </message>
    <message>
        <source>Only an ID3v2 tag carries a cover, track numbers and whole texts; Setup switches it on.</source>
        <translation>Solo una etiqueta ID3v2 lleva portada, números de pista y textos completos; la Configuración la activa.</translation>
    </message>
    <message>
        <source> No cover is embedded.</source>
        <translation> No se incrusta ninguna portada.</translation>
    </message>
    <message>
        <source>No cover is embedded.</source>
        <translation>No se incrusta ninguna portada.</translation>
    </message>
    <message>
        <source>Embedded as each MP3&apos;s front cover:
</source>
        <translation>Incrustada como portada de cada MP3:
</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Each selected file&apos;s tag as it will be stored</source>
        <translation>La etiqueta de cada archivo seleccionado tal como se guardará</translation>
    </message>
    <message>
        <source>JPEG or PNG pictures (*.jpg *.jpeg *.png *.JPG *.JPEG *.PNG)</source>
        <translation>Imágenes JPEG o PNG (*.jpg *.jpeg *.png *.JPG *.JPEG *.PNG)</translation>
    </message>
    <message>
        <source>None of the files carries tags of its own.</source>
        <translation>Ninguno de los archivos lleva etiquetas propias.</translation>
    </message>
    <message>
        <source>%1 of %2 files carry tags of their own; the preview shows them.</source>
        <translation>%1 de %2 archivos llevan etiquetas propias; la vista previa las muestra.</translation>
    </message>
    <message>
        <source>Some files could not be read:</source>
        <translation>No se pudieron leer algunos archivos:</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Duración</translation>
    </message>
</context>
<context>
    <name>Form7</name>
    <message>
        <source>Tracks of %1</source>
        <translation>Pistas de %1</translation>
    </message>
    <message>
        <source>Text &amp;encoding of the track list:</source>
        <translation>&amp;Codificación del texto de la lista:</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>Artista</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Pistas</translation>
    </message>
    <message>
        <source>Encode the &amp;tracks</source>
        <translation>Codificar las &amp;pistas</translation>
    </message>
    <message>
        <source>Encode &amp;whole</source>
        <translation>Codificar &amp;entero</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The track list %1 cannot be used: %2. %3 can only be encoded whole.</source>
        <translation>La lista de pistas %1 no se puede usar: %2. %3 solo se puede codificar entero.</translation>
    </message>
    <message>
        <source>Note: %1.</source>
        <translation>Nota: %1.</translation>
    </message>
    <message>
        <source>Tracks listed in %1: %2. %3 becomes an MP3 file for each, without a gap between them.</source>
        <translation>Pistas en %1: %2. %3 se convierte en un archivo MP3 por pista, sin silencio entre ellas.</translation>
    </message>
    <message>
        <source>Text encoding of the track list</source>
        <translation>Codificación del texto de la lista</translation>
    </message>
</context>
<context>
    <name>OpenedPaths</name>
    <message>
        <source>%1: not found</source>
        <translation>%1: no encontrado</translation>
    </message>
    <message>
        <source>%1: not a WAV file</source>
        <translation>%1: no es un archivo WAV</translation>
    </message>
    <message>
        <source>%1: the folder cannot be read</source>
        <translation>%1: no se puede leer la carpeta</translation>
    </message>
    <message>
        <source>%1: only one folder is shown at a time</source>
        <translation>%1: solo se muestra una carpeta a la vez</translation>
    </message>
    <message>
        <source>%1: not in the folder shown</source>
        <translation>%1: no está en la carpeta mostrada</translation>
    </message>
    <message>
        <source>%1: not a file on this computer</source>
        <translation>%1: no es un archivo de este equipo</translation>
    </message>
    <message>
        <source>Nothing was opened:</source>
        <translation>No se abrió nada:</translation>
    </message>
    <message>
        <source>The window shows &quot;%1&quot;. Not taken:</source>
        <translation>La ventana muestra «%1». No se tomaron:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no WAV files.</source>
        <translation>«%1» no contiene archivos WAV.</translation>
    </message>
</context>
<context>
    <name>ScriptStarter</name>
    <message>
        <source>%1, so the encoding runs in the background. Its output goes to &quot;%2&quot;.</source>
        <translation>%1, así que la codificación se ejecuta en segundo plano. Su salida va a «%2».</translation>
    </message>
    <message>
        <source>No terminal window can be opened here</source>
        <translation>Aquí no se puede abrir ninguna ventana de terminal</translation>
    </message>
    <message>
        <source>The terminal window could not be opened (%1: %2)</source>
        <translation>No se pudo abrir la ventana de terminal (%1: %2)</translation>
    </message>
</context>
<context>
    <name>WavFileList</name>
    <message>
        <source>This name is not valid UTF-8: rename the file to encode it.</source>
        <translation>Este nombre no es UTF-8 válido: cambie el nombre del archivo para codificarlo.</translation>
    </message>
</context>
</TS>
