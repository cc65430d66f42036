#include "tag_selected_dialog.h"

#include "form_helpers.h"
#include "twips.h"

#include "tag/genre_table.h"
#include "tag/wav_tags.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QPixmap>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr int FieldLeft = 1320;
constexpr int FieldWidth = 3240;

// A shared field's row: its box, ticked as soon as the user types, and the
// field named for a screen reader.
QCheckBox *tickBox(QWidget *field, const QString &caption, const QString &name, int top)
{
    auto *box = Placed(new QCheckBox(caption, field->parentWidget()), 120, top, 1095, 255);
    box->setAccessibleDescription(
        QCoreApplication::translate("Form6", "When ticked, %1 is set for every selected file")
            .arg(name));
    field->setAccessibleName(name);
    return box;
}

QLineEdit *sharedField(QWidget *parent, int top, int width, int limit)
{
    auto *field = Placed(new QLineEdit(parent), FieldLeft, top, width, 285);
    field->setMaxLength(limit);
    return field;
}

std::optional<QString> whenTicked(const QCheckBox *box, const QString &text)
{
    return box->isChecked() ? std::optional(text) : std::nullopt;
}

QStringList previewColumns()
{
    return {QCoreApplication::translate("Form6", "File"),
            QCoreApplication::translate("Form6", "Track"),
            QCoreApplication::translate("Form6", "Title"),
            QCoreApplication::translate("Form6", "Artist"),
            QCoreApplication::translate("Form6", "Album"),
            QCoreApplication::translate("Form6", "Year"),
            QCoreApplication::translate("Form6", "Genre"),
            QCoreApplication::translate("Form6", "Comment"),
            QCoreApplication::translate("Form6", "Start"),
            QCoreApplication::translate("Form6", "Length")};
}

} // namespace

Form6::Form6(const QString &directory, const QList<AlbumFile> &files, QWidget *parent,
             bool wholeText)
    : QDialog(parent, DialogFlags), m_directory(directory), m_own(files), m_files(files),
      m_wholeText(wholeText)
{
    setWindowTitle(tr("Tag Selected Files"));
    FixClientSizeInTwips(this, 9000, 6900);

    createFieldRows();

    Frame2 = Placed(new QGroupBox(tr("Titles"), this), 4800, 0, 4200, 1455);
    Option1 = Placed(new QRadioButton(tr("&Keep each file's title"), Frame2), 120, 360, 3960, 255);
    Option2 = Placed(new QRadioButton(tr("Take titles from the file &names"), Frame2),
                     120, 720, 3960, 255);
    Option1->setChecked(true);
    KeepOneTabStop({Option1, Option2});
    Check6 = Placed(new QCheckBox(tr("Number the tracks in list &order"), Frame2),
                    120, 1080, 3960, 255);
    Check6->setAccessibleDescription(tr("Track numbers 1 to the number of files, in the order "
                                     "of the list, whatever the names say"));

    Command3 = Placed(new QPushButton(tr("&Read tags from the WAVs"), this), 4800, 1560, 2655, 255);
    Label1 = Placed(new QLabel(tr("Tags the WAV files carry take the place of their entries' "
                               "texts; ticked fields still apply."),
                               this),
                    4800, 1920, 4200, 735);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    createCoverRow();
    createPreview();

    Command1 = Placed(new QPushButton(tr("Okay"), this), 6960, 6540, 855, 255);
    Command2 = Placed(new QPushButton(tr("Cancel"), this), 7905, 6540, 1095, 255);
    Command1->setDefault(true);

    SetTabOrder({Check1, Text1, Check2, Text2, Check3, Text3, Check4, Combo1, Check5, Text4,
                 Option1, Option2, Check6, Command3, Command4, Command5, Grid1, Command1,
                 Command2});

    for (QLineEdit *field : {Text1, Text2, Text3, Text4})
        connect(field, &QLineEdit::textChanged, this, &Form6::Form_Refresh);
    connect(Combo1, &QComboBox::currentIndexChanged, this, &Form6::Form_Refresh);
    for (QCheckBox *box : {Check1, Check2, Check3, Check4, Check5})
        connect(box, &QCheckBox::toggled, this, &Form6::Form_Refresh);
    connect(Option2, &QRadioButton::toggled, this, &Form6::Form_Refresh);
    connect(Check6, &QCheckBox::toggled, this, &Form6::Form_Refresh);
    connect(Command1, &QPushButton::clicked, this, &Form6::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form6::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form6::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form6::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &Form6::Command5_Click);
    Form_Refresh();
    Text1->setFocus();
    FinishForm(this);
}

void Form6::createFieldRows()
{
    Frame1 = Placed(new QGroupBox(tr("Set for every selected file"), this), 0, 0, 4680, 2295);
    const int limit = m_wholeText ? LongestWholeText : 30;
    Text1 = sharedField(Frame1, 360, FieldWidth, limit);
    Text2 = sharedField(Frame1, 720, FieldWidth, limit);
    Text3 = sharedField(Frame1, 1080, 735, 4);
    Combo1 = Placed(new QComboBox(Frame1), FieldLeft, 1440, FieldWidth, 315);
    Combo1->addItems(Module1::GenreNamesInListOrder());
    Combo1->setCurrentIndex(Module1::DefaultGenreListPosition);
    Text4 = sharedField(Frame1, 1800, FieldWidth, limit);
    Check1 = tickBox(Text1, tr("&Artist"), tr("Artist"), 360);
    Check2 = tickBox(Text2, tr("Al&bum"), tr("Album"), 720);
    Check3 = tickBox(Text3, tr("&Year"), tr("Year"), 1080);
    Check4 = tickBox(Combo1, tr("&Genre"), tr("Genre"), 1440);
    Check5 = tickBox(Text4, tr("&Comment"), tr("Comment"), 1800);

    // Typing or choosing means the field is meant: its box ticks itself.
    const std::pair<QLineEdit *, QCheckBox *> rows[] = {
        {Text1, Check1}, {Text2, Check2}, {Text3, Check3}, {Text4, Check5}};
    for (const auto &[field, box] : rows)
        connect(field, &QLineEdit::textEdited, box, [box = box] { box->setChecked(true); });
    connect(Combo1, &QComboBox::activated, Check4, [this] { Check4->setChecked(true); });
}

void Form6::createCoverRow()
{
    Frame4 = Placed(new QGroupBox(tr("Front cover"), this), 0, 2760, 9000, 1335);
    Image1 = Placed(new QLabel(Frame4), 120, 300, 900, 900);
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setFrameShape(QFrame::StyledPanel);
    Image1->setAccessibleName(tr("Front cover"));
    Label2 = Placed(new QLabel(Frame4), 1140, 300, 5700, 900);
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label2->setTextFormat(Qt::PlainText);
    Command4 = Placed(new QPushButton(tr("Choose &picture..."), Frame4), 6960, 300, 1920, 285);
    Command5 = Placed(new QPushButton(tr("No p&icture"), Frame4), 6960, 660, 1920, 285);

    if (!m_wholeText) {
        Label2->setText(tr("Only an ID3v2 tag carries a cover, track numbers and whole texts; "
                        "Setup switches it on."));
        for (QWidget *control : std::initializer_list<QWidget *>{Command4, Command5, Check6})
            control->setEnabled(false);
        return;
    }
    // The picture beside the WAVs, shown before it is used: never a surprise.
    const QString found = FindCover(m_directory);
    const CoverPicture picture = found.isEmpty() ? CoverPicture{} : LoadCover(found);
    if (!picture.failure.isEmpty()) {
        showCover({}, {});
        Label2->setText(picture.failure + tr(" No cover is embedded."));
        return;
    }
    m_cover = found;
    showCover(picture, found);
}

void Form6::showCover(const CoverPicture &picture, const QString &path)
{
    QPixmap pixmap;
    if (!path.isEmpty() && pixmap.loadFromData(picture.data)) {
        Image1->setPixmap(pixmap.scaled(Image1->contentsRect().size(), Qt::KeepAspectRatio,
                                        Qt::SmoothTransformation));
    } else {
        Image1->setPixmap({});
    }
    Label2->setText(path.isEmpty()
                        ? tr("No cover is embedded.")
                        : tr("Embedded as each MP3's front cover:\n") + QDir::toNativeSeparators(path));
    Image1->setAccessibleDescription(Label2->text());
}

bool Form6::setCover(const QString &path)
{
    if (path.isEmpty()) {
        m_cover.clear();
        showCover({}, {});
        return true;
    }
    const CoverPicture picture = LoadCover(path);
    if (!picture.failure.isEmpty()) {
        QMessageBox box(QMessageBox::Warning, windowTitle(), picture.failure, QMessageBox::Ok, this,
                        DialogFlags);
        box.setTextFormat(Qt::PlainText); // file names, never markup
        box.exec();
        return false;
    }
    m_cover = path;
    showCover(picture, path);
    return true;
}

void Form6::createPreview()
{
    Frame3 = Placed(new QGroupBox(tr("Preview"), this), 0, 4200, 9000, 2235);
    Grid1 = Placed(new QTableWidget(int(m_files.size()), int(previewColumns().size()), Frame3),
                   120, 240, 8760, 1875);
    Grid1->setHorizontalHeaderLabels(previewColumns());
    Grid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid1->setSelectionMode(QAbstractItemView::NoSelection);
    Grid1->setTabKeyNavigation(false); // Tab leaves the table, as everywhere else
    Grid1->verticalHeader()->hide();
    Grid1->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    Grid1->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    Grid1->setAccessibleName(tr("Preview"));
    Grid1->setAccessibleDescription(tr("Each selected file's tag as it will be stored"));
    Grid1->setColumnHidden(1, !m_wholeText); // only an ID3v2 tag holds the track
    // Where an image's tracks are rows of their own, where each one lies.
    const bool tracks = std::any_of(m_files.begin(), m_files.end(),
                                    [](const AlbumFile &file) { return file.place.has_value(); });
    for (const int column : {8, 9})
        Grid1->setColumnHidden(column, !tracks);
    for (int row = 0; row < m_files.size(); ++row) {
        for (int column = 0; column < previewColumns().size(); ++column)
            Grid1->setItem(row, column, new QTableWidgetItem);
        Grid1->item(row, 0)->setText(m_files[row].name);
    }
}

SharedFields Form6::shared() const
{
    return {whenTicked(Check1, Text1->text()), whenTicked(Check2, Text2->text()),
            whenTicked(Check3, Text3->text()), whenTicked(Check4, Combo1->currentText()),
            whenTicked(Check5, Text4->text()), Option2->isChecked(), Check6->isChecked()};
}

QList<TagExtras> Form6::extras() const
{
    const SharedFields fields = shared();
    const QList<TrackNumbers> tracks = AlbumTracks(m_files, fields);
    QList<TagExtras> extras;
    for (qsizetype i = 0; i < m_files.size(); ++i) {
        extras.append({TaggedFields(m_files[i], fields, m_wholeText), tracks[i].track,
                       tracks[i].disc, m_cover, {}, {}, {}});
    }
    return extras;
}

QStringList Form6::entries() const
{
    const SharedFields fields = shared();
    QStringList entries;
    for (const AlbumFile &file : m_files)
        entries.append(TaggedEntry(file, fields));
    return entries;
}

void Form6::Form_Refresh()
{
    const SharedFields fields = shared();
    const QList<TrackNumbers> tracks = AlbumTracks(m_files, fields);
    for (int row = 0; row < m_files.size(); ++row) {
        const TagFields tagged = TaggedFields(m_files[row], fields, m_wholeText);
        const TrackNumbers &number = tracks[row];
        const std::optional<SheetPlace> &place = m_files[row].place;
        const QString texts[] = {
            number.disc.isEmpty() ? number.track : number.disc + u'-' + number.track,
            tagged.title, tagged.artist, tagged.album, tagged.year, tagged.genre, tagged.comment,
            place ? place->start : QString(), place ? place->length : QString()};
        for (int column = 1; column < previewColumns().size(); ++column)
            Grid1->item(row, column)->setText(texts[column - 1]);
    }
}

void Form6::Command1_Click()
{
    accept();
}

void Form6::Command2_Click()
{
    reject();
}

void Form6::Command4_Click()
{
    const QString path = QFileDialog::getOpenFileName(
        this, tr("Front cover"), m_cover.isEmpty() ? m_directory : m_cover,
        tr("JPEG or PNG pictures (*.jpg *.jpeg *.png *.JPG *.JPEG *.PNG)"));
    if (!path.isEmpty())
        setCover(path);
}

void Form6::Command5_Click()
{
    setCover({});
}

void Form6::Command3_Click()
{
    QStringList failures;
    int tagged = 0;
    for (qsizetype i = 0; i < m_files.size(); ++i) {
        if (m_files[i].place)
            continue; // an image's track: its tags are its sheet's
        const WavTags tags = ReadWavTags(QDir(m_directory).filePath(m_own[i].name));
        if (!tags.failure.isEmpty())
            failures.append(tags.failure);
        if (tags.hasInfo || tags.hasId3)
            ++tagged;
        m_files[i].fields = WithWavTags(m_own[i].fields, tags.fields);
        m_files[i].wavTrack = tags.track;
        m_files[i].wavDisc = tags.disc;
    }
    Label1->setText(
        tagged == 0
            ? tr("None of the files carries tags of its own.")
            : tr("%1 of %2 files carry tags of their own; the preview shows them.").arg(tagged).arg(
                  m_files.size()));
    Form_Refresh();
    if (!failures.isEmpty()) {
        QMessageBox box(QMessageBox::Warning, windowTitle(),
                        tr("Some files could not be read:") + u"\n\n"_s + failures.join(u'\n'),
                        QMessageBox::Ok, this, DialogFlags);
        box.setTextFormat(Qt::PlainText);
        box.exec();
    }
}
