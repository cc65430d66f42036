#include "main_window.h"

#include "about_window.h"
#include "destination_dialog.h"
#include "directory_list.h"
#include "drive_list.h"
#include "properties_dialog.h"
#include "setup_dialog.h"
#include "tag_selected_dialog.h"
#include "tracks_dialog.h"
#include "form_helpers.h"
#include "twips.h"
#include "wav_file_list.h"

#include "base/shown_name.h"
#include "encode/fat_file_system.h"
#include "encode/image_tracks.h"
#include "encode/path_functions.h"
#include "settings/settings_file.h"
#include "tag/cover_picture.h"
#include "tag/sheet_text.h"
#include "tag/tag_entries.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QDropEvent>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>

#include <algorithm>
#include <array>
#include <chrono>

using namespace Qt::StringLiterals;

namespace {

struct BitrateOption {
    QRadioButton *Form1::*member;
    const char16_t *caption; // also the bitrate text of the encoder line
    int left, top, width;
};

// Two rows of five, in tab order.
const std::array<BitrateOption, 10> BitrateOptions{{
    {&Form1::Option1, u"8000", 120, 240, 975},
    {&Form1::Option2, u"16000", 120, 480, 1095},
    {&Form1::Option3, u"24000", 1320, 240, 855},
    {&Form1::Option4, u"32000", 1320, 480, 855},
    {&Form1::Option5, u"56000", 2640, 240, 855},
    {&Form1::Option6, u"64000", 2640, 480, 855},
    {&Form1::Option7, u"96000", 3840, 240, 855},
    {&Form1::Option8, u"112000", 3840, 480, 975},
    {&Form1::Option9, u"128000", 5040, 240, 975},
    {&Form1::Option10, u"256000", 5040, 480, 975},
}};

// How long a terminal may take to open its window.
constexpr auto ScriptWindowOpening = std::chrono::seconds(3);

const char AutoDeleteWarning[] =
    QT_TRANSLATE_NOOP("Form1", "You may regret this option if your WAV files are corrupt or the "
                               "resulting MP3 does not meet your satisfaction.  Don't say I didn't "
                               "warn you.");


} // namespace

Form1::Form1(const QString &programDirectory, QWidget *parent)
    : QMainWindow(parent, MainWindowFlags), AppPath(WithTrailingSeparator(programDirectory))
{
    setWindowTitle(QStringLiteral("Trelvin Sondrake " SONDRAKE_VERSION));
    createControls();
    createMenus();
    layout()->setSizeConstraint(QLayout::SetFixedSize); // fixed size; it can still be minimised
    setAcceptDrops(true); // folders and WAV files from a file manager
}

void Form1::createControls()
{
    auto *client = new QWidget(this);
    setCentralWidget(client);
    FixClientSizeInTwips(client, 6375, 4770);

    Frame2 = Placed(new QGroupBox(tr("Encoding bitrate (kbits/s)"), client), 0, 3480, 6375, 1215);
    for (const BitrateOption &option : BitrateOptions)
        this->*option.member = Placed(new QRadioButton(QString::fromUtf16(option.caption), Frame2),
                                      option.left, option.top, option.width, 255);
    // LAME's variable bitrate instead of the ten constant ones, of a quality
    // from 0 (best) to 9 (smallest); 2 is what guides suggest.
    Option11 = Placed(new QRadioButton(tr("Variable, quality (0 best, 9 smallest):"), Frame2),
                      120, 840, 3855, 255);
    Spin1 = Placed(new QSpinBox(Frame2), 4080, 810, 735, 315);
    Spin1->setRange(0, 9);
    Spin1->setValue(2);
    Spin1->setAccessibleName(tr("Variable bitrate quality, 0 best, 9 smallest"));
    Spin1->setEnabled(false); // only with the variable bitrate chosen
    connect(Option11, &QRadioButton::toggled, Spin1, &QSpinBox::setEnabled);
    Option9->setChecked(true);
    KeepOneTabStop({Option1, Option2, Option3, Option4, Option5, Option6, Option7, Option8,
                    Option9, Option10, Option11})
        ->setFocus(); // the keyboard starts on the chosen bitrate

    Frame3 = Placed(new QGroupBox(tr("Options"), client), 0, 2520, 4935, 975);
    Check1 = Placed(new QCheckBox(tr("Downmixing (Stereo to mono)"), Frame3), 120, 240, 2415, 255);
    Check3 = Placed(new QCheckBox(tr("CRC checking enabled"), Frame3), 2760, 240, 2055, 255);
    Check2 = Placed(new QCheckBox(tr("High quality encoding"), Frame3), 2760, 600, 1935, 255);
    Check4 = Placed(new QCheckBox(tr("Automatic delete"), Frame3), 120, 600, 1575, 255);
    Label1 = Placed(new QLabel(tr("(CAUTION!)"), Frame3), 1680, 600, 1095, 255);
    MakeBold(Label1);
    Label1->setBuddy(Check4); // a screen reader hears the caution with the box
    Check4->setAccessibleDescription(Label1->text());
    Check3->setChecked(true);

    Frame4 = Placed(new QGroupBox(tr("WAV selector"), client), 0, 0, 6375, 2535);
    Dir1 = Placed(new DirectoryList(Frame4), 120, 600, 2775, 1890);
    Drive1 = Placed(new DriveList(Frame4), 120, 240, 2775, 315);
    File1 = Placed(new WavFileList(Frame4), 2880, 240, 3375, 2235);

    Frame1 = Placed(new QGroupBox(client), 5040, 2520, 1335, 975);
    Command4 = Placed(new QPushButton(tr("Destination"), Frame1), 120, 600, 1095, 255);
    Command1 = Placed(new QPushButton(tr("Encode"), Frame1), 120, 240, 1095, 255);
    MakeBold(Command1);

    File1->setAccessibleName(tr("WAV files"));

    SetTabOrder({Option1, Option2, Option3, Option4, Option5, Option6, Option7, Option8, Option9,
                 Option10, Option11, Spin1, Check1, Check3, Check2, Check4, Dir1, Drive1, File1,
                 Command4, Command1});

    connect(Drive1, &DriveList::changed, this, &Form1::Drive1_Change);
    connect(Dir1, &DirectoryList::changed, this, &Form1::Dir1_Change);
    connect(File1, &WavFileList::mouseDown, this, &Form1::File1_MouseDown);
    // Every way the box gets checked: mouse, keyboard, a screen reader's
    // toggle action. The program never sets it itself.
    connect(Check4, &QCheckBox::toggled, this, &Form1::Check4_Click);
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command4, &QPushButton::clicked, this, &Form1::Command4_Click);
    Dir1_Change(); // the list shows the working directory from the start
    FinishForm(client);
}

void Form1::createMenus()
{
    File = menuBar()->addMenu(tr("&File"));
    EncodeSelected = File->addAction(tr("Encode &selected"), this, &Form1::EncodeSelected_Click);
    File->addSeparator();
    Properties = File->addAction(tr("&Properties"), this, &Form1::Properties_Click);
    TagSelected = File->addAction(tr("&Tag selected..."), this, &Form1::TagSelected_Click);
    File->addSeparator();
    Exit = File->addAction(tr("E&xit"), this, &Form1::Exit_Click);

    Options = menuBar()->addMenu(tr("&Options"));
    Setup = Options->addAction(tr("&Setup"), this, &Form1::Setup_Click);
    Options->addSeparator();
    Destination1 = Options->addAction(tr("&Destination"), this, &Form1::Destination1_Click);

    Help = menuBar()->addMenu(tr("&Help"));
    About = Help->addAction(tr("&About"), this, &Form1::About_Click);

    Popup = new QMenu(u"Popup"_s, this);
    EncodeSelectedFiles =
        Popup->addAction(tr("Encode &selected"), this, &Form1::EncodeSelectedFiles_Click);
    Popup->addSeparator();
    Props = Popup->addAction(tr("&Properties"), this, &Form1::Props_Click);
    TagSelectedFiles =
        Popup->addAction(tr("&Tag selected..."), this, &Form1::TagSelectedFiles_Click);
}

void Form1::Form_Load()
{
    setWindowState(Qt::WindowNoState);
    // Linux has no start drive: the encoder is looked for beside the program
    // (where ours is built) and the MP3s go to the home directory.
    EncoderPath = AppPath.size() > 1 ? AppPath.chopped(1) : AppPath;
    Destination = WithTrailingSeparator(QDir::homePath());
    DeleteWatch = 1;

    Settings settings{EncoderPath, Destination, DeleteWatch, LoadMode, Id3v2, ReplayGain};
    const bool complete = ReadSettings(SettingsFilePath(AppPath), settings,
                                       [this](const QString &directory) {
                                           return Dir1->setPath(directory);
                                       });
    EncoderPath = settings.encoderPath;
    Destination = settings.destination;
    DeleteWatch = settings.deleteWatch;
    LoadMode = settings.loadMode;
    Id3v2 = settings.id3v2;
    ReplayGain = settings.replayGain;
    if (!complete)
        Setup_Click();
}

void Form1::Form_Unload()
{
    const QString file = SettingsFilePath(AppPath);
    const Result saved =
        WriteSettings(file, {EncoderPath, Destination, DeleteWatch, LoadMode, Id3v2, ReplayGain},
                      Dir1->path());
    if (!saved)
        showMessage(QMessageBox::Warning, windowTitle(),
                    tr("The settings could not be saved to \"%1\": %2")
                        .arg(ShownName(file), saved.message()));
}

void Form1::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}

// Only file managers' URL lists are taken, and none while a dialog is open:
// the dialog works on the directory shown.
void Form1::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasUrls() && !QApplication::activeModalWidget())
        event->acceptProposedAction();
}

void Form1::dropEvent(QDropEvent *event)
{
    if (!event->mimeData()->hasUrls() || QApplication::activeModalWidget())
        return;
    event->acceptProposedAction();
    const PathsToOpen opening = InterpretUrls(event->mimeData()->urls());
    // The file manager waits for the drop to end: the message comes after.
    QTimer::singleShot(0, this, [this, opening] { OpenPaths(opening); });
}

void Form1::OpenPaths(const PathsToOpen &opening)
{
    // WAV files of the directory shown keep the tag data typed for it.
    const bool listed =
        !opening.wavNames.isEmpty() && opening.folder == Dir1->path()
        && std::ranges::all_of(opening.wavNames, [this](const QString &name) {
               return !File1->findItems(name, Qt::MatchExactly | Qt::MatchCaseSensitive).isEmpty();
           });
    // A folder gone since it was looked at is left out.
    const PathsToOpen shown = opening.folder.isEmpty() || listed || Dir1->setPath(opening.folder)
                                  ? opening
                                  : WithFolderUnreadable(opening);
    if (!shown.folder.isEmpty()) {
        Drive1->selectVolumeOf(shown.folder);
        File1->clearSelection();
        int first = -1;
        for (int i = 0; i < File1->count(); ++i) {
            if (shown.wavNames.contains(File1->name(i))) {
                File1->item(i)->setSelected(true);
                first = first < 0 ? i : first;
            }
        }
        if (first >= 0) // Properties edits the first of them
            File1->setCurrentRow(first, QItemSelectionModel::NoUpdate);
    }
    const QString message = OpeningMessage(shown, File1->count());
    if (!message.isEmpty())
        showMessage(QMessageBox::Information, windowTitle(), message);
}

void Form1::Drive1_Change()
{
    // A file system that cannot be read leaves everything as it was.
    Dir1->setPath(Drive1->rootPath());
}

void Form1::Dir1_Change()
{
    File1->setPath(Dir1->path());
    ResetTagEntries(List1, File1->count());
    List1Extras = QList<TagExtras>(File1->count());
    List1Tracks = QList<QList<ImageTrack>>(File1->count());
    // A WAV with a track list beside it says so before it is encoded.
    QStringList names;
    for (int i = 0; i < File1->count(); ++i)
        names << File1->name(i);
    const QList<std::optional<FoundSheet>> sheets =
        FindTrackSheets(Dir1->path(), names, UserCodePage());
    for (int i = 0; i < int(sheets.size()); ++i) {
        if (!sheets[i])
            continue;
        const FoundSheet &sheet = *sheets[i];
        const QString name = ShownName(sheet.sheetName);
        if (!sheet.reading.sheet)
            File1->setNote(i, tr("%1 cannot be used: %2").arg(name, sheet.reading.problem));
        else if (sheet.reading.sheet->wholeFile())
            File1->setNote(i, tr("Its tags come from %1.").arg(name));
        else
            File1->setNote(i, tr("%1 lists %2 tracks: Encode makes an MP3 file of each.")
                                  .arg(name)
                                  .arg(sheet.reading.sheet->tracks.size()));
    }
}

EncodeRequest Form1::encodeRequest() const
{
    EncodeRequest request;
    for (int i = 0; i < File1->count(); ++i)
        request.files.append({File1->name(i), File1->isSelected(i), File1->nameNotUtf8(i)});
    request.directory = Dir1->path();
    request.entries = List1;
    request.extras = List1Extras;
    request.id3v2 = Id3v2;
    request.replayGain = ReplayGain;
    for (const BitrateOption &option : BitrateOptions) {
        if ((this->*option.member)->isChecked()) {
            request.bitrate = QString::fromUtf16(option.caption);
            break;
        }
    }
    if (Option11->isChecked())
        request.vbrQuality = Spin1->value();
    request.switches = {Check1->isChecked(), Check2->isChecked(), Check3->isChecked(),
                        Check4->isChecked()};
    request.encoderPath = EncoderPath;
    request.destination = Destination;
    request.appPath = AppPath;
    request.startDirectory = m_startDirectory;
    return request;
}

bool Form1::chooseTracks(EncodeRequest &request)
{
    if (!HasSelection(request.files))
        return true;
    QStringList names;
    for (const ListedFile &file : request.files)
        names << file.name;
    const QList<std::optional<FoundSheet>> sheets =
        FindTrackSheets(request.directory, names, UserCodePage());
    const bool fat = IsOnFatFileSystem(request.destination);
    const QString foundCover = FindCover(request.directory);
    request.tracks = QList<QList<ImageTrack>>(request.files.size());
    for (qsizetype i = 0; i < request.files.size(); ++i) {
        if (!request.files[i].selected || request.files[i].nameNotUtf8 || !sheets[i])
            continue;
        const std::optional<TrackSheet> &sheet = sheets[i]->reading.sheet;
        // A track of a per-track rip stays one MP3, with the sheet's tags
        // where its entry has none of its own.
        if (sheet && sheet->wholeFile()) {
            if (i < request.extras.size() && request.entries[i].trimmed().isEmpty()) {
                const ImageTrack track = ImageTracksFor(*sheet, foundCover, fat).constFirst();
                request.entries[i] = track.entry;
                request.extras[i] = track.extras;
            }
            continue;
        }
        Form7 dialog(request.directory, names[i], *sheets[i], this);
        dialog.exec();
        if (dialog.choice() == Form7::Choice::Cancel)
            return false;
        if (dialog.choice() == Form7::Choice::Whole)
            continue;
        const QString chosen = request.extras.value(i).cover;
        const QString cover = chosen.isEmpty() ? foundCover : chosen;
        // Read in another code page, the sheet's titles are new: tags given
        // to the old ones no longer stand for them.
        const QList<ImageTrack> tracks = ImageTracksFor(*dialog.sheet().reading.sheet, cover, fat);
        request.tracks[i] = dialog.sheet().encoding == sheets[i]->encoding
            ? WithTagsOf(tracks, List1Tracks.value(i))
            : tracks;
    }
    return true;
}

void Form1::Command1_Click()
{
    EncodeRequest request = encodeRequest();
    if (!chooseTracks(request))
        return;
    const EncodeCheck check = CheckEncodeRequest(request);
    ExistingMp3s existing = ExistingMp3s::Replace;
    if (check.verdict == EncodeCheck::Verdict::Ready && !check.existingMp3s.isEmpty()) {
        const std::optional<ExistingMp3s> answer = askAboutExistingMp3s(check.existingMp3s);
        if (!answer)
            return;
        existing = *answer;
    }
    const EncodeOutcome outcome =
        StartEncode(check, existing, m_starter ? m_starter : TerminalStarter(LoadMode));
    switch (outcome.kind) {
    case EncodeOutcome::Kind::Started:
        if (!outcome.message.isEmpty())
            showMessage(QMessageBox::Information, windowTitle(), outcome.message);
        else
            keepFocusFromTheScriptWindow();
        break;
    case EncodeOutcome::Kind::NothingSelected:
        showMessage(QMessageBox::Warning, tr("Yikes!"), tr("Um... pick a file, Brainwick!"));
        break;
    case EncodeOutcome::Kind::Refused:
        showMessage(QMessageBox::Critical, windowTitle(), outcome.message);
        break;
    }
}

// The script's window must not take the focus from the main window, but a
// terminal gives no way to open without it: when it takes it as it opens,
// the main window takes it back, once.
void Form1::keepFocusFromTheScriptWindow()
{
    auto *watch = new QObject(this);
    connect(qApp, &QGuiApplication::applicationStateChanged, watch,
            [this, watch](Qt::ApplicationState state) {
                if (state != Qt::ApplicationActive) {
                    activateWindow();
                    delete watch;
                }
            });
    QTimer::singleShot(ScriptWindowOpening, watch, [watch] { delete watch; });
}

void Form1::EncodeSelected_Click()
{
    Command1_Click();
}

void Form1::EncodeSelectedFiles_Click()
{
    Command1_Click();
}

void Form1::Props_Click()
{
    // With nothing current there is no entry to edit.
    const int index = File1->currentRow();
    if (File1->count() == 0 || index < 0 || index >= List1.size())
        return;
    // With an ID3v2 tag the dialog shows and takes whole texts.
    const bool whole = Id3v2 != Id3v2Version::None;
    Form4 dialog(File1->name(index),
                 whole ? WholeFields(List1[index], List1Extras.value(index))
                       : ReadTagEntry(List1[index]),
                 this, whole);
    if (dialog.exec() != QDialog::Accepted)
        return;
    List1[index] = MakeTagEntry(dialog.fields());
    if (index < List1Extras.size())
        List1Extras[index].whole = TrimmedFields(dialog.fields());
}

void Form1::Properties_Click()
{
    Props_Click();
}

void Form1::TagSelected_Click()
{
    // A row a file; an image WAV with its track list, a row a track.
    QStringList names;
    for (int i = 0; i < File1->count(); ++i)
        names << File1->name(i);
    const QList<std::optional<FoundSheet>> sheets =
        FindTrackSheets(Dir1->path(), names, UserCodePage());
    QList<int> indexes;
    QList<int> trackRows; // per row: the image's track, or -1
    QList<AlbumFile> files;
    QHash<int, QList<ImageTrack>> images;
    for (int i = 0; i < File1->count() && i < List1.size(); ++i) {
        if (!File1->isSelected(i))
            continue;
        const std::optional<FoundSheet> &sheet = sheets.value(i);
        if (!sheet || !sheet->reading.sheet || sheet->reading.sheet->wholeFile()) {
            indexes.append(i);
            trackRows.append(-1);
            // A track of a per-track rip: the sheet's tags until it has its own.
            const bool fromSheet = sheet && sheet->reading.sheet && List1[i].trimmed().isEmpty();
            files.append({File1->name(i),
                          fromSheet ? ImageTracksFor(*sheet->reading.sheet, {}, false).constFirst().extras.whole
                                    : WholeFields(List1[i], List1Extras.value(i)),
                          {}, {}});
            continue;
        }
        const QList<ImageTrack> tracks =
            WithTagsOf(ImageTracksFor(*sheet->reading.sheet, {}, IsOnFatFileSystem(Destination)),
                       List1Tracks.value(i));
        images.insert(i, tracks);
        for (qsizetype t = 0; t < tracks.size(); ++t) {
            const ImageTrack &track = tracks[t];
            const int rate = sheet->audio.sampleRate;
            indexes.append(i);
            trackRows.append(int(t));
            files.append({File1->name(i), WholeFields(track.entry, track.extras), {}, {},
                          SheetPlace{track.extras.track, track.extras.disc,
                                     TrackTimeText(track.firstFrame, rate),
                                     TrackTimeText(track.endFrame - track.firstFrame, rate)}});
        }
    }
    if (files.isEmpty()) {
        showMessage(QMessageBox::Information, tr("Tag Selected Files"),
                    tr("No files are selected. Select the WAV files to tag in the list first."));
        return;
    }
    Form6 dialog(File1->path(), files, this, Id3v2 != Id3v2Version::None);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QStringList entries = dialog.entries();
    const QList<TagExtras> extras = dialog.extras();
    for (qsizetype k = 0; k < indexes.size(); ++k) {
        const int i = indexes[k];
        if (trackRows[k] >= 0) {
            // The sheet's names beyond the six fields stay with the track.
            ImageTrack &track = images[i][trackRows[k]];
            track.entry = entries[k];
            track.extras.whole = extras[k].whole;
            track.extras.track = extras[k].track;
            track.extras.disc = extras[k].disc;
            track.extras.cover = extras[k].cover;
            continue;
        }
        List1[i] = entries[k];
        if (i < List1Extras.size())
            List1Extras[i] = extras[k];
    }
    for (auto it = images.cbegin(); it != images.cend(); ++it) {
        if (it.key() < List1Tracks.size())
            List1Tracks[it.key()] = it.value();
    }
}

void Form1::TagSelectedFiles_Click()
{
    TagSelected_Click();
}

void Form1::Check4_Click()
{
    if (Check4->isChecked() && DeleteWatch == 1)
        showMessage(QMessageBox::Information, tr("Warning"), tr(AutoDeleteWarning));
}

void Form1::Command4_Click()
{
    Destination1_Click();
}

void Form1::Destination1_Click()
{
    Form5 dialog(Destination, this);
    if (dialog.exec() == QDialog::Accepted)
        Destination = dialog.destination();
}

void Form1::Setup_Click()
{
    Form2 dialog({EncoderPath, LoadMode, DeleteWatch, Id3v2, ReplayGain}, this);
    if (!isVisible()) // the first start: no window to centre on yet
        CentreOnScreen(&dialog);
    if (dialog.exec() == QDialog::Accepted) {
        const SetupValues chosen = dialog.values();
        EncoderPath = chosen.encoderPath;
        LoadMode = chosen.loadMode;
        DeleteWatch = chosen.deleteWatch;
        Id3v2 = chosen.id3v2;
        ReplayGain = chosen.replayGain;
    }
}

void Form1::About_Click()
{
    Form3 dialog(this);
    dialog.exec();
}

void Form1::Exit_Click()
{
    close();
}

void Form1::File1_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers, QPoint position)
{
    if (button == Qt::RightButton)
        Popup->popup(File1->viewport()->mapToGlobal(position));
}

// Nothing set apart by the user is replaced without asking; Escape and the
// default choice replace nothing.
std::optional<ExistingMp3s> Form1::askAboutExistingMp3s(const QStringList &existingMp3s)
{
    QMessageBox box(QMessageBox::Question, windowTitle(), ExistingMp3sQuestion(existingMp3s),
                    QMessageBox::NoButton, this, DialogFlags);
    box.setTextFormat(Qt::PlainText);
    QPushButton *replace = box.addButton(tr("&Replace"), QMessageBox::DestructiveRole);
    QPushButton *skip = box.addButton(tr("&Skip those files"), QMessageBox::AcceptRole);
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(skip);
    box.exec();
    if (box.clickedButton() == replace)
        return ExistingMp3s::Replace;
    if (box.clickedButton() == skip)
        return ExistingMp3s::Skip;
    return std::nullopt;
}

void Form1::showMessage(QMessageBox::Icon icon, const QString &caption, const QString &text)
{
    QMessageBox box(icon, caption, text, QMessageBox::Ok, this, DialogFlags);
    box.setTextFormat(Qt::PlainText); // a file name that looks like markup stays a name
    // The icon tells a screen reader's user what kind of message it is, too.
    if (auto *picture = box.findChild<QLabel *>(u"qt_msgboxex_icon_label"_s)) {
        switch (icon) {
        case QMessageBox::Warning:
            picture->setAccessibleName(tr("Warning"));
            break;
        case QMessageBox::Critical:
            picture->setAccessibleName(tr("Critical"));
            break;
        default:
            picture->setAccessibleName(tr("Information"));
        }
    }
    box.exec();
}
