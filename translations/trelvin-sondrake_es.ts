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
</TS>
