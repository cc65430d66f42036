<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>DirectoryList</name>
    <message>
        <source>Directories</source>
        <translation>Папки</translation>
    </message>
</context>
<context>
    <name>DriveList</name>
    <message>
        <source>File systems</source>
        <translation>Файловые системы</translation>
    </message>
</context>
<context>
    <name>EncodeCheck</name>
    <message>
        <source>The destination directory &quot;%1&quot; does not exist. Choose another one with the Destination button.</source>
        <translation>Папка назначения «%1» не существует. Выберите другую кнопкой «Назначение».</translation>
    </message>
    <message>
        <source>The encoder L3ENC was not found in &quot;%1&quot;. Choose its directory with Options, Setup.</source>
        <translation>Кодировщик L3ENC не найден в «%1». Выберите его папку в меню Параметры, Настройка.</translation>
    </message>
    <message>
        <source>The selected files no longer exist in &quot;%1&quot;: %2</source>
        <translation>Выбранных файлов больше нет в «%1»: %2</translation>
    </message>
    <message>
        <source>These selected files would all become &quot;%1&quot;: %2. Select only one of them.</source>
        <translation>Все эти выбранные файлы стали бы «%1»: %2. Выберите только один из них.</translation>
    </message>
    <message>
        <source>The destination&apos;s file system (FAT, exFAT or NTFS) cannot hold the MP3 names of these selected files (no &quot; * : &lt; &gt; ? \ | in names): %1. Rename them first.</source>
        <translation>Файловая система назначения (FAT, exFAT или NTFS) не допускает имена MP3 этих выбранных файлов (в именах нельзя &quot; * : &lt; &gt; ? \ |): %1. Сначала переименуйте их.</translation>
    </message>
    <message>
        <source>An MP3 file exists already in the destination and would be replaced:</source>
        <translation>В папке назначения уже есть файл MP3, он будет заменён:</translation>
    </message>
    <message>
        <source>%1 MP3 files exist already in the destination and would be replaced:</source>
        <translation>В папке назначения уже есть файлы MP3 (%1 шт.), они будут заменены:</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>… и ещё %1</translation>
    </message>
    <message>
        <source>Replace them, skip those files, or cancel?</source>
        <translation>Заменить их, пропустить эти файлы или отменить?</translation>
    </message>
    <message>
        <source>The names of these selected files are not valid UTF-8, which the script cannot carry: %1. Rename them first.</source>
        <translation>Имена этих выбранных файлов не являются корректным UTF-8, и сценарий не может их передать: %1. Сначала переименуйте их.</translation>
    </message>
</context>
<context>
    <name>EncodeRun</name>
    <message>
        <source>Every selected file has its MP3 already; nothing was encoded.</source>
        <translation>У каждого выбранного файла уже есть MP3; ничего не закодировано.</translation>
    </message>
    <message>
        <source>The script could not be written: %1</source>
        <translation>Не удалось записать скрипт: %1</translation>
    </message>
    <message>
        <source>Cannot change to the encoder directory &quot;%1&quot;.</source>
        <translation>Не удаётся перейти в папку кодировщика «%1».</translation>
    </message>
    <message>
        <source>Cannot start the script: %1</source>
        <translation>Не удаётся запустить скрипт: %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>You may regret this option if your WAV files are corrupt or the resulting MP3 does not meet your satisfaction.  Don&apos;t say I didn&apos;t warn you.</source>
        <translation>Вы можете пожалеть об этом параметре, если ваши файлы WAV повреждены или полученный MP3 вас не устроит.  Не говорите потом, что я не предупреждал.</translation>
    </message>
    <message>
        <source>Encoding bitrate (kbits/s)</source>
        <translation>Битрейт кодирования (кбит/с)</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Downmixing (Stereo to mono)</source>
        <translation>Сведение (стерео в моно)</translation>
    </message>
    <message>
        <source>CRC checking enabled</source>
        <translation>Проверка CRC включена</translation>
    </message>
    <message>
        <source>High quality encoding</source>
        <translation>Высокое качество кодирования</translation>
    </message>
    <message>
        <source>Automatic delete</source>
        <translation>Автоматическое удаление</translation>
    </message>
    <message>
        <source>(CAUTION!)</source>
        <translation>(ОСТОРОЖНО!)</translation>
    </message>
    <message>
        <source>WAV selector</source>
        <translation>Выбор WAV</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Назначение</translation>
    </message>
    <message>
        <source>Encode</source>
        <translation>Кодировать</translation>
    </message>
    <message>
        <source>WAV files</source>
        <translation>Файлы WAV</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>Encode &amp;selected</source>
        <translation>&amp;Кодировать выбранные</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Свойства</translation>
    </message>
    <message>
        <source>&amp;Tag selected...</source>
        <translation>&amp;Теги выбранных...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Параметры</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>&amp;Настройка</translation>
    </message>
    <message>
        <source>&amp;Destination</source>
        <translation>&amp;Папка назначения</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>The settings could not be saved to &quot;%1&quot;: %2</source>
        <translation>Не удалось сохранить настройки в «%1»: %2</translation>
    </message>
    <message>
        <source>Yikes!</source>
        <translation>Ой!</translation>
    </message>
    <message>
        <source>Um... pick a file, Brainwick!</source>
        <translation>Э-э… выбери файл, умник!</translation>
    </message>
    <message>
        <source>Tag Selected Files</source>
        <translation>Теги выбранных файлов</translation>
    </message>
    <message>
        <source>No files are selected. Select the WAV files to tag in the list first.</source>
        <translation>Файлы не выбраны. Сначала выберите в списке файлы WAV, которым нужны теги.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Заменить</translation>
    </message>
    <message>
        <source>&amp;Skip those files</source>
        <translation>&amp;Пропустить эти файлы</translation>
    </message>
    <message>
        <source>Critical</source>
        <translation>Критическая ошибка</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>%1 lists %2 tracks: Encode makes an MP3 file of each.</source>
        <translation>В %1 треков: %2. При кодировании каждый станет MP3-файлом.</translation>
    </message>
    <message>
        <source>%1 cannot be used: %2</source>
        <translation>%1 нельзя использовать: %2</translation>
    </message>
    <message>
        <source>Its tags come from %1.</source>
        <translation>Его теги берутся из %1.</translation>
    </message>
    <message>
        <source>Variable, quality (0 best, 9 smallest):</source>
        <translation>Переменный, качество (0 лучшее, 9 меньше):</translation>
    </message>
    <message>
        <source>Variable bitrate quality, 0 best, 9 smallest</source>
        <translation>Качество переменного битрейта, 0 лучшее, 9 меньше</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Setup</source>
        <translation>Настройка</translation>
    </message>
    <message>
        <source>L3Enc Path</source>
        <translation>Путь к L3Enc</translation>
    </message>
    <message>
        <source>Select the directory location of the L3Enc executable, L3ENC.EXE.  If your encoder program is named something else, you should rename it appropriately so this program will find it.</source>
        <translation>Выберите папку, в которой лежит исполняемый файл L3Enc, L3ENC.EXE.  Если ваш кодировщик называется иначе, переименуйте его, чтобы эта программа его нашла.</translation>
    </message>
    <message>
        <source>Run L3Enc...</source>
        <translation>Запускать L3Enc...</translation>
    </message>
    <message>
        <source>Minimized to Start Bar</source>
        <translation>Свёрнутым на панель задач</translation>
    </message>
    <message>
        <source>Normal Window</source>
        <translation>В обычном окне</translation>
    </message>
    <message>
        <source>ID3v2 tag for today&apos;s players</source>
        <translation>Тег ID3v2 для современных плееров</translation>
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
        <translation>&amp;Нет</translation>
    </message>
    <message>
        <source>Whole texts, track numbers and the cover, in UTF-8: what current players and phones read</source>
        <translation>Полные тексты, номера треков и обложка в UTF-8: то, что читают современные плееры и телефоны</translation>
    </message>
    <message>
        <source>The same in UTF-16, for older car stereos and players</source>
        <translation>То же в UTF-16, для старых автомагнитол и плееров</translation>
    </message>
    <message>
        <source>Only the 128-byte ID3v1 tag: 30 Latin-1 characters a field</source>
        <translation>Только 128-байтовый тег ID3v1: 30 символов Latin-1 на поле</translation>
    </message>
    <message>
        <source>AutoDelete warning messages?</source>
        <translation>Предупреждать об автоудалении?</translation>
    </message>
    <message>
        <source>Yes (recommended)</source>
        <translation>Да (рекомендуется)</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>&amp;ReplayGain tags</source>
        <translation>Теги &amp;ReplayGain</translation>
    </message>
    <message>
        <source>The loudness of each track and of each album, measured while encoding, so players play them all equally loud (ReplayGain 2.0)</source>
        <translation>Громкость каждой дорожки и каждого альбома, измеренная при кодировании, чтобы проигрыватели воспроизводили всё одинаково громко (ReplayGain 2.0)</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>About Sondrake</source>
        <translation>О программе Sondrake</translation>
    </message>
    <message>
        <source>Trelvin Sondrake icon</source>
        <translation>Значок Trelvin Sondrake</translation>
    </message>
    <message>
        <source>Visit the official home page at
</source>
        <translation>Официальная домашняя страница:
</translation>
    </message>
    <message>
        <source>eMail</source>
        <translation>Почта</translation>
    </message>
    <message>
        <source>eMail the author at </source>
        <translation>Написать автору: </translation>
    </message>
    <message>
        <source>This release is deemed as donation-ware.   There are no</source>
        <translation>Эта версия распространяется как donationware.   Никаких</translation>
    </message>
    <message>
        <source>obligations; however, monetary contributions are greatly</source>
        <translation>обязательств нет, однако денежные пожертвования очень</translation>
    </message>
    <message>
        <source>appreciated and would help support the development of </source>
        <translation>приветствуются и помогут поддержать развитие этого </translation>
    </message>
    <message>
        <source>this and other projects in the future.  Please send your</source>
        <translation>и других проектов в будущем.  Пожалуйста, отправьте</translation>
    </message>
    <message>
        <source>check or money order to:</source>
        <translation>чек или денежный перевод по адресу:</translation>
    </message>
    <message>
        <source>Cool!</source>
        <translation>Здорово!</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>MP3 Properties</source>
        <translation>Свойства MP3</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Жанр</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>Исполнитель</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>Альбом</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Год</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Комментарий</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>Form5</name>
    <message>
        <source>Output Destination</source>
        <translation>Папка назначения</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>Form6</name>
    <message>
        <source>When ticked, %1 is set for every selected file</source>
        <translation>Если отмечено, поле «%1» задаётся для каждого выбранного файла</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Трек</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>Исполнитель</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>Альбом</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Год</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Жанр</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Комментарий</translation>
    </message>
    <message>
        <source>Tag Selected Files</source>
        <translation>Теги выбранных файлов</translation>
    </message>
    <message>
        <source>Titles</source>
        <translation>Названия</translation>
    </message>
    <message>
        <source>&amp;Keep each file&apos;s title</source>
        <translation>&amp;Оставить название каждого файла</translation>
    </message>
    <message>
        <source>Take titles from the file &amp;names</source>
        <translation>Брать названия из &amp;имён файлов</translation>
    </message>
    <message>
        <source>Number the tracks in list &amp;order</source>
        <translation>Нумеровать треки в &amp;порядке списка</translation>
    </message>
    <message>
        <source>Track numbers 1 to the number of files, in the order of the list, whatever the names say</source>
        <translation>Номера треков от 1 до числа файлов в порядке списка, что бы ни говорили имена</translation>
    </message>
    <message>
        <source>&amp;Read tags from the WAVs</source>
        <translation>&amp;Читать теги из WAV</translation>
    </message>
    <message>
        <source>Tags the WAV files carry take the place of their entries&apos; texts; ticked fields still apply.</source>
        <translation>Теги, которые несут файлы WAV, заменяют тексты их записей; отмеченные поля по-прежнему применяются.</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Set for every selected file</source>
        <translation>Задать для каждого выбранного файла</translation>
    </message>
    <message>
        <source>&amp;Artist</source>
        <translation>Испол&amp;нитель</translation>
    </message>
    <message>
        <source>Al&amp;bum</source>
        <translation>&amp;Альбом</translation>
    </message>
    <message>
        <source>&amp;Year</source>
        <translation>&amp;Год</translation>
    </message>
    <message>
        <source>&amp;Genre</source>
        <translation>&amp;Жанр</translation>
    </message>
    <message>
        <source>&amp;Comment</source>
        <translation>&amp;Комментарий</translation>
    </message>
    <message>
        <source>Front cover</source>
        <translation>Обложка</translation>
    </message>
    <message>
        <source>Choose &amp;picture...</source>
        <translation>&amp;Выбрать изображение...</translation>
    </message>
    <message>
        <source>No p&amp;icture</source>
        <translation>&amp;Без изображения</translation>
    </message>
    <message>
        <source>Only an ID3v2 tag carries a cover, track numbers and whole texts; Setup switches it on.</source>
        <translation>Обложку, номера треков и полные тексты несёт только тег ID3v2; его включают в настройке.</translation>
    </message>
    <message>
        <source> No cover is embedded.</source>
        <translation> Обложка не встраивается.</translation>
    </message>
    <message>
        <source>No cover is embedded.</source>
        <translation>Обложка не встраивается.</translation>
    </message>
    <message>
        <source>Embedded as each MP3&apos;s front cover:
</source>
        <translation>Встраивается как обложка каждого MP3:
</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Предпросмотр</translation>
    </message>
    <message>
        <source>Each selected file&apos;s tag as it will be stored</source>
        <translation>Тег каждого выбранного файла в том виде, в каком он будет сохранён</translation>
    </message>
    <message>
        <source>JPEG or PNG pictures (*.jpg *.jpeg *.png *.JPG *.JPEG *.PNG)</source>
        <translation>Изображения JPEG или PNG (*.jpg *.jpeg *.png *.JPG *.JPEG *.PNG)</translation>
    </message>
    <message>
        <source>None of the files carries tags of its own.</source>
        <translation>Ни у одного файла нет собственных тегов.</translation>
    </message>
    <message>
        <source>%1 of %2 files carry tags of their own; the preview shows them.</source>
        <translation>Собственные теги есть у файлов: %1 из %2; они показаны в предпросмотре.</translation>
    </message>
    <message>
        <source>Some files could not be read:</source>
        <translation>Некоторые файлы не удалось прочитать:</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Длительность</translation>
    </message>
</context>
<context>
    <name>Form7</name>
    <message>
        <source>Tracks of %1</source>
        <translation>Треки %1</translation>
    </message>
    <message>
        <source>Text &amp;encoding of the track list:</source>
        <translation>&amp;Кодировка текста списка треков:</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>№</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>Исполнитель</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Длительность</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Треки</translation>
    </message>
    <message>
        <source>Encode the &amp;tracks</source>
        <translation>Кодировать &amp;треки</translation>
    </message>
    <message>
        <source>Encode &amp;whole</source>
        <translation>Кодировать &amp;целиком</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>The track list %1 cannot be used: %2. %3 can only be encoded whole.</source>
        <translation>Список треков %1 нельзя использовать: %2. %3 можно закодировать только целиком.</translation>
    </message>
    <message>
        <source>Note: %1.</source>
        <translation>Примечание: %1.</translation>
    </message>
    <message>
        <source>Tracks listed in %1: %2. %3 becomes an MP3 file for each, without a gap between them.</source>
        <translation>Треков в %1: %2. %3 станет отдельным MP3-файлом для каждого трека, без пауз между ними.</translation>
    </message>
    <message>
        <source>Text encoding of the track list</source>
        <translation>Кодировка текста списка треков</translation>
    </message>
</context>
<context>
    <name>OpenedPaths</name>
    <message>
        <source>%1: not found</source>
        <translation>%1: не найден</translation>
    </message>
    <message>
        <source>%1: not a WAV file</source>
        <translation>%1: не файл WAV</translation>
    </message>
    <message>
        <source>%1: the folder cannot be read</source>
        <translation>%1: папку нельзя прочитать</translation>
    </message>
    <message>
        <source>%1: only one folder is shown at a time</source>
        <translation>%1: одновременно показывается только одна папка</translation>
    </message>
    <message>
        <source>%1: not in the folder shown</source>
        <translation>%1: не в показанной папке</translation>
    </message>
    <message>
        <source>%1: not a file on this computer</source>
        <translation>%1: не файл на этом компьютере</translation>
    </message>
    <message>
        <source>Nothing was opened:</source>
        <translation>Ничего не открыто:</translation>
    </message>
    <message>
        <source>The window shows &quot;%1&quot;. Not taken:</source>
        <translation>В окне показана папка «%1». Не взяты:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no WAV files.</source>
        <translation>В «%1» нет файлов WAV.</translation>
    </message>
</context>
<context>
    <name>ScriptStarter</name>
    <message>
        <source>%1, so the encoding runs in the background. Its output goes to &quot;%2&quot;.</source>
        <translation>%1, поэтому кодирование идёт в фоне. Его вывод записывается в «%2».</translation>
    </message>
    <message>
        <source>No terminal window can be opened here</source>
        <translation>Здесь нельзя открыть окно терминала</translation>
    </message>
    <message>
        <source>The terminal window could not be opened (%1: %2)</source>
        <translation>Не удалось открыть окно терминала (%1: %2)</translation>
    </message>
</context>
<context>
    <name>WavFileList</name>
    <message>
        <source>This name is not valid UTF-8: rename the file to encode it.</source>
        <translation>Это имя не является корректным UTF-8: переименуйте файл, чтобы закодировать его.</translation>
    </message>
</context>
</TS>
