<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>DirectoryList</name>
    <message>
        <source>Directories</source>
        <translation>Pastas</translation>
    </message>
</context>
<context>
    <name>DriveList</name>
    <message>
        <source>File systems</source>
        <translation>Sistemas de arquivos</translation>
    </message>
</context>
<context>
    <name>EncodeCheck</name>
    <message>
        <source>The destination directory &quot;%1&quot; does not exist. Choose another one with the Destination button.</source>
        <translation>A pasta de destino “%1” não existe. Escolha outra com o botão Destino.</translation>
    </message>
    <message>
        <source>The encoder L3ENC was not found in &quot;%1&quot;. Choose its directory with Options, Setup.</source>
        <translation>O codificador L3ENC não foi encontrado em “%1”. Escolha a pasta dele em Opções, Configuração.</translation>
    </message>
    <message>
        <source>The selected files no longer exist in &quot;%1&quot;: %2</source>
        <translation>Os arquivos selecionados não existem mais em “%1”: %2</translation>
    </message>
    <message>
        <source>These selected files would all become &quot;%1&quot;: %2. Select only one of them.</source>
        <translation>Todos estes arquivos selecionados virariam “%1”: %2. Selecione só um deles.</translation>
    </message>
    <message>
        <source>The destination&apos;s file system (FAT, exFAT or NTFS) cannot hold the MP3 names of these selected files (no &quot; * : &lt; &gt; ? \ | in names): %1. Rename them first.</source>
        <translation>O sistema de arquivos do destino (FAT, exFAT ou NTFS) não aceita os nomes MP3 destes arquivos selecionados (sem &quot; * : &lt; &gt; ? \ | nos nomes): %1. Renomeie-os primeiro.</translation>
    </message>
    <message>
        <source>An MP3 file exists already in the destination and would be replaced:</source>
        <translation>Já existe um arquivo MP3 no destino, que seria substituído:</translation>
    </message>
    <message>
        <source>%1 MP3 files exist already in the destination and would be replaced:</source>
        <translation>Já existem %1 arquivos MP3 no destino, que seriam substituídos:</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>… e mais %1</translation>
    </message>
    <message>
        <source>Replace them, skip those files, or cancel?</source>
        <translation>Substituí-los, pular esses arquivos ou cancelar?</translation>
    </message>
    <message>
        <source>The names of these selected files are not valid UTF-8, which the script cannot carry: %1. Rename them first.</source>
        <translation>Os nomes destes arquivos selecionados não são UTF-8 válido, que o script não consegue levar: %1. Renomeie-os primeiro.</translation>
    </message>
</context>
<context>
    <name>EncodeRun</name>
    <message>
        <source>Every selected file has its MP3 already; nothing was encoded.</source>
        <translation>Todos os arquivos selecionados já têm seu MP3; nada foi codificado.</translation>
    </message>
    <message>
        <source>The script could not be written: %1</source>
        <translation>Não foi possível gravar o script: %1</translation>
    </message>
    <message>
        <source>Cannot change to the encoder directory &quot;%1&quot;.</source>
        <translation>Não é possível mudar para a pasta do codificador “%1”.</translation>
    </message>
    <message>
        <source>Cannot start the script: %1</source>
        <translation>Não é possível iniciar o script: %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>You may regret this option if your WAV files are corrupt or the resulting MP3 does not meet your satisfaction.  Don&apos;t say I didn&apos;t warn you.</source>
        <translation>Você pode se arrepender desta opção se seus arquivos WAV estiverem corrompidos ou se o MP3 resultante não o satisfizer.  Não diga que eu não avisei.</translation>
    </message>
    <message>
        <source>Encoding bitrate (kbits/s)</source>
        <translation>Taxa de bits da codificação (kbit/s)</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Downmixing (Stereo to mono)</source>
        <translation>Mixagem (de estéreo para mono)</translation>
    </message>
    <message>
        <source>CRC checking enabled</source>
        <translation>Verificação CRC ativada</translation>
    </message>
    <message>
        <source>High quality encoding</source>
        <translation>Codificação de alta qualidade</translation>
    </message>
    <message>
        <source>Automatic delete</source>
        <translation>Exclusão automática</translation>
    </message>
    <message>
        <source>(CAUTION!)</source>
        <translation>(CUIDADO!)</translation>
    </message>
    <message>
        <source>WAV selector</source>
        <translation>Seletor de WAV</translation>
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
        <translation>Arquivos WAV</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>Encode &amp;selected</source>
        <translation>&amp;Codificar seleção</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Propriedades</translation>
    </message>
    <message>
        <source>&amp;Tag selected...</source>
        <translation>&amp;Etiquetar seleção...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>&amp;Configuração</translation>
    </message>
    <message>
        <source>&amp;Destination</source>
        <translation>&amp;Destino</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>The settings could not be saved to &quot;%1&quot;: %2</source>
        <translation>Não foi possível salvar as configurações em “%1”: %2</translation>
    </message>
    <message>
        <source>Yikes!</source>
        <translation>Eita!</translation>
    </message>
    <message>
        <source>Um... pick a file, Brainwick!</source>
        <translation>Hum… escolha um arquivo, gênio!</translation>
    </message>
    <message>
        <source>Tag Selected Files</source>
        <translation>Etiquetar arquivos selecionados</translation>
    </message>
    <message>
        <source>No files are selected. Select the WAV files to tag in the list first.</source>
        <translation>Nenhum arquivo selecionado. Selecione primeiro na lista os arquivos WAV a etiquetar.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Substituir</translation>
    </message>
    <message>
        <source>&amp;Skip those files</source>
        <translation>&amp;Pular esses arquivos</translation>
    </message>
    <message>
        <source>Critical</source>
        <translation>Crítico</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>%1 lists %2 tracks: Encode makes an MP3 file of each.</source>
        <translation>%1 lista %2 faixas: Codificar cria um arquivo MP3 de cada uma.</translation>
    </message>
    <message>
        <source>%1 cannot be used: %2</source>
        <translation>%1 não pode ser usado: %2</translation>
    </message>
    <message>
        <source>Its tags come from %1.</source>
        <translation>Suas etiquetas vêm de %1.</translation>
    </message>
    <message>
        <source>Variable, quality (0 best, 9 smallest):</source>
        <translation>Variável, qualidade (0 melhor, 9 menor):</translation>
    </message>
    <message>
        <source>Variable bitrate quality, 0 best, 9 smallest</source>
        <translation>Qualidade da taxa variável, 0 melhor, 9 menor</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Setup</source>
        <translation>Configuração</translation>
    </message>
    <message>
        <source>L3Enc Path</source>
        <translation>Caminho do L3Enc</translation>
    </message>
    <message>
        <source>Select the directory location of the L3Enc executable, L3ENC.EXE.  If your encoder program is named something else, you should rename it appropriately so this program will find it.</source>
        <translation>Selecione a pasta onde está o executável do L3Enc, L3ENC.EXE.  Se o seu codificador tiver outro nome, renomeie-o para que este programa o encontre.</translation>
    </message>
    <message>
        <source>Run L3Enc...</source>
        <translation>Executar o L3Enc...</translation>
    </message>
    <message>
        <source>Minimized to Start Bar</source>
        <translation>Minimizado na barra de tarefas</translation>
    </message>
    <message>
        <source>Normal Window</source>
        <translation>Janela normal</translation>
    </message>
    <message>
        <source>ID3v2 tag for today&apos;s players</source>
        <translation>Etiqueta ID3v2 para os players atuais</translation>
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
        <translation>&amp;Nenhuma</translation>
    </message>
    <message>
        <source>Whole texts, track numbers and the cover, in UTF-8: what current players and phones read</source>
        <translation>Textos inteiros, números de faixa e a capa, em UTF-8: o que os players e celulares atuais leem</translation>
    </message>
    <message>
        <source>The same in UTF-16, for older car stereos and players</source>
        <translation>O mesmo em UTF-16, para rádios de carro e players mais antigos</translation>
    </message>
    <message>
        <source>Only the 128-byte ID3v1 tag: 30 Latin-1 characters a field</source>
        <translation>Só a etiqueta ID3v1 de 128 bytes: 30 caracteres Latin-1 por campo</translation>
    </message>
    <message>
        <source>AutoDelete warning messages?</source>
        <translation>Avisar na exclusão automática?</translation>
    </message>
    <message>
        <source>Yes (recommended)</source>
        <translation>Sim (recomendado)</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>OK</translation>
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
        <translation>A sonoridade de cada faixa e de cada álbum, medida durante a codificação, para que os reprodutores toquem todos com o mesmo volume (ReplayGain 2.0)</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>About Sondrake</source>
        <translation>Sobre o Sondrake</translation>
    </message>
    <message>
        <source>Trelvin Sondrake icon</source>
        <translation>Ícone do Trelvin Sondrake</translation>
    </message>
    <message>
        <source>Visit the official home page at
</source>
        <translation>Visite a página oficial em
</translation>
    </message>
    <message>
        <source>eMail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>eMail the author at </source>
        <translation>Escreva ao autor em </translation>
    </message>
    <message>
        <source>This release is deemed as donation-ware.   There are no</source>
        <translation>Esta versão é considerada donationware.   Não há nenhuma</translation>
    </message>
    <message>
        <source>obligations; however, monetary contributions are greatly</source>
        <translation>obrigação; no entanto, contribuições em dinheiro são muito</translation>
    </message>
    <message>
        <source>appreciated and would help support the development of </source>
        <translation>bem-vindas e ajudariam a apoiar o desenvolvimento deste </translation>
    </message>
    <message>
        <source>this and other projects in the future.  Please send your</source>
        <translation>e de outros projetos no futuro.  Envie seu cheque ou</translation>
    </message>
    <message>
        <source>check or money order to:</source>
        <translation>vale postal para:</translation>
    </message>
    <message>
        <source>Cool!</source>
        <translation>Legal!</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>MP3 Properties</source>
        <translation>Propriedades do MP3</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Gênero</translation>
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
        <translation>Ano</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Comentário</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>OK</translation>
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
        <translation>Destino da saída</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>OK</translation>
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
        <translation>Quando marcada, %1 vale para cada arquivo selecionado</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Faixa</translation>
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
        <translation>Ano</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Gênero</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Comentário</translation>
    </message>
    <message>
        <source>Tag Selected Files</source>
        <translation>Etiquetar arquivos selecionados</translation>
    </message>
    <message>
        <source>Titles</source>
        <translation>Títulos</translation>
    </message>
    <message>
        <source>&amp;Keep each file&apos;s title</source>
        <translation>&amp;Manter o título de cada arquivo</translation>
    </message>
    <message>
        <source>Take titles from the file &amp;names</source>
        <translation>Tirar os títulos dos &amp;nomes dos arquivos</translation>
    </message>
    <message>
        <source>Number the tracks in list &amp;order</source>
        <translation>Numerar as faixas na o&amp;rdem da lista</translation>
    </message>
    <message>
        <source>Track numbers 1 to the number of files, in the order of the list, whatever the names say</source>
        <translation>Números de faixa de 1 até o número de arquivos, na ordem da lista, seja o que for que os nomes digam</translation>
    </message>
    <message>
        <source>&amp;Read tags from the WAVs</source>
        <translation>&amp;Ler etiquetas dos WAVs</translation>
    </message>
    <message>
        <source>Tags the WAV files carry take the place of their entries&apos; texts; ticked fields still apply.</source>
        <translation>As etiquetas dos arquivos WAV substituem os textos das entradas; os campos marcados continuam valendo.</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Set for every selected file</source>
        <translation>Para cada arquivo selecionado</translation>
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
        <translation>An&amp;o</translation>
    </message>
    <message>
        <source>&amp;Genre</source>
        <translation>&amp;Gênero</translation>
    </message>
    <message>
        <source>&amp;Comment</source>
        <translation>&amp;Comentário</translation>
    </message>
    <message>
        <source>Front cover</source>
        <translation>Capa</translation>
    </message>
    <message>
        <source>Choose &amp;picture...</source>
        <translation>Escolher &amp;imagem...</translation>
    </message>
    <message>
        <source>No p&amp;icture</source>
        <translation>&amp;Sem imagem</translation>
    </message>
    <message>
        <source>Only an ID3v2 tag carries a cover, track numbers and whole texts; Setup switches it on.</source>
        <translation>Só uma etiqueta ID3v2 leva capa, números de faixa e textos inteiros; a Configuração a ativa.</translation>
    </message>
    <message>
        <source> No cover is embedded.</source>
        <translation> Nenhuma capa é incorporada.</translation>
    </message>
    <message>
        <source>No cover is embedded.</source>
        <translation>Nenhuma capa é incorporada.</translation>
    </message>
    <message>
        <source>Embedded as each MP3&apos;s front cover:
</source>
        <translation>Incorporada como capa de cada MP3:
</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Prévia</translation>
    </message>
    <message>
        <source>Each selected file&apos;s tag as it will be stored</source>
        <translation>A etiqueta de cada arquivo selecionado como será gravada</translation>
    </message>
    <message>
        <source>JPEG or PNG pictures (*.jpg *.jpeg *.png *.JPG *.JPEG *.PNG)</source>
        <translation>Imagens JPEG ou PNG (*.jpg *.jpeg *.png *.JPG *.JPEG *.PNG)</translation>
    </message>
    <message>
        <source>None of the files carries tags of its own.</source>
        <translation>Nenhum dos arquivos tem etiquetas próprias.</translation>
    </message>
    <message>
        <source>%1 of %2 files carry tags of their own; the preview shows them.</source>
        <translation>%1 de %2 arquivos têm etiquetas próprias; a prévia as mostra.</translation>
    </message>
    <message>
        <source>Some files could not be read:</source>
        <translation>Alguns arquivos não puderam ser lidos:</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Duração</translation>
    </message>
</context>
<context>
    <name>Form7</name>
    <message>
        <source>Tracks of %1</source>
        <translation>Faixas de %1</translation>
    </message>
    <message>
        <source>Text &amp;encoding of the track list:</source>
        <translation>&amp;Codificação do texto da lista:</translation>
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
        <translation>Início</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Duração</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Faixas</translation>
    </message>
    <message>
        <source>Encode the &amp;tracks</source>
        <translation>Codificar as &amp;faixas</translation>
    </message>
    <message>
        <source>Encode &amp;whole</source>
        <translation>Codificar &amp;inteiro</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The track list %1 cannot be used: %2. %3 can only be encoded whole.</source>
        <translation>A lista de faixas %1 não pode ser usada: %2. %3 só pode ser codificado inteiro.</translation>
    </message>
    <message>
        <source>Note: %1.</source>
        <translation>Observação: %1.</translation>
    </message>
    <message>
        <source>Tracks listed in %1: %2. %3 becomes an MP3 file for each, without a gap between them.</source>
        <translation>Faixas em %1: %2. %3 vira um arquivo MP3 por faixa, sem intervalo entre elas.</translation>
    </message>
    <message>
        <source>Text encoding of the track list</source>
        <translation>Codificação do texto da lista</translation>
    </message>
</context>
<context>
    <name>OpenedPaths</name>
    <message>
        <source>%1: not found</source>
        <translation>%1: não encontrado</translation>
    </message>
    <message>
        <source>%1: not a WAV file</source>
        <translation>%1: não é um arquivo WAV</translation>
    </message>
    <message>
        <source>%1: the folder cannot be read</source>
        <translation>%1: a pasta não pode ser lida</translation>
    </message>
    <message>
        <source>%1: only one folder is shown at a time</source>
        <translation>%1: só uma pasta é mostrada por vez</translation>
    </message>
    <message>
        <source>%1: not in the folder shown</source>
        <translation>%1: não está na pasta mostrada</translation>
    </message>
    <message>
        <source>%1: not a file on this computer</source>
        <translation>%1: não é um arquivo deste computador</translation>
    </message>
    <message>
        <source>Nothing was opened:</source>
        <translation>Nada foi aberto:</translation>
    </message>
    <message>
        <source>The window shows &quot;%1&quot;. Not taken:</source>
        <translation>A janela mostra “%1”. Não incluídos:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no WAV files.</source>
        <translation>“%1” não contém arquivos WAV.</translation>
    </message>
</context>
<context>
    <name>ScriptStarter</name>
    <message>
        <source>%1, so the encoding runs in the background. Its output goes to &quot;%2&quot;.</source>
        <translation>%1, então a codificação roda em segundo plano. A saída dela vai para “%2”.</translation>
    </message>
    <message>
        <source>No terminal window can be opened here</source>
        <translation>Nenhuma janela de terminal pode ser aberta aqui</translation>
    </message>
    <message>
        <source>The terminal window could not be opened (%1: %2)</source>
        <translation>Não foi possível abrir a janela de terminal (%1: %2)</translation>
    </message>
</context>
<context>
    <name>WavFileList</name>
    <message>
        <source>This name is not valid UTF-8: rename the file to encode it.</source>
        <translation>Este nome não é UTF-8 válido: renomeie o arquivo para codificá-lo.</translation>
    </message>
</context>
</TS>
