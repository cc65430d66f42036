#include "tracks_dialog.h"

#include "form_helpers.h"
#include "named_drop_down.h"
#include "twips.h"

#include "base/shown_name.h"
#include "encode/image_tracks.h"
#include "tag/sheet_text.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

using namespace Qt::StringLiterals;

Form7::Form7(const QString &directory, const QString &wavName, const FoundSheet &sheet,
             QWidget *parent)
    : QDialog(parent, DialogFlags), m_directory(directory), m_wavName(wavName), m_sheet(sheet)
{
    setWindowTitle(tr("Tracks of %1").arg(ShownName(wavName)));
    FixClientSizeInTwips(this, 7200, 5040);

    Label1 = Placed(new QLabel(this), 0, 0, 7200, 735);
    Label1->setWordWrap(true);
    Label1->setTextFormat(Qt::PlainText); // file names, never markup
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label2 = Placed(new QLabel(tr("Text &encoding of the track list:"), this), 0, 840, 3600, 255);
    Combo1 = Placed(new NamedDropDown(tr("Text encoding of the track list"), this), 3720, 840,
                    2520, 285);
    Label2->setBuddy(Combo1);
    for (const QByteArray &page : SheetCodePages())
        Combo1->addItem(QString::fromLatin1(page), page);
    Combo1->setCurrentIndex(qMax(0, Combo1->findData(sheet.encoding)));
    Grid1 = Placed(new QTableWidget(0, 5, this), 0, 1260, 7200, 3300);
    Grid1->setHorizontalHeaderLabels({tr("No."), tr("Title"), tr("Artist"), tr("Start"),
                                      tr("Length")});
    Grid1->setAccessibleName(tr("Tracks"));
    Grid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    Grid1->setTabKeyNavigation(false); // Tab leaves the table, as everywhere else
    Grid1->verticalHeader()->hide();
    Grid1->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    Grid1->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch); // the title

    Command1 = Placed(new QPushButton(tr("Encode the &tracks"), this), 2520, 4680, 1920, 285);
    Command2 = Placed(new QPushButton(tr("Encode &whole"), this), 4560, 4680, 1440, 285);
    Command3 = Placed(new QPushButton(tr("Cancel"), this), 6105, 4680, 1095, 285);
    SetTabOrder({Combo1, Grid1, Command1, Command2, Command3});

    connect(Command1, &QPushButton::clicked, this, &Form7::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form7::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form7::Command3_Click);
    connect(Combo1, &QComboBox::activated, this, &Form7::Combo1_Click);
    Form_Refresh();
    FinishForm(this);
}

void Form7::Form_Refresh()
{
    const bool usable = bool(m_sheet.reading.sheet);
    // Only a sheet that names no encoding may be read in another.
    Label2->setVisible(m_sheet.codePage);
    Combo1->setVisible(m_sheet.codePage);
    Command1->setEnabled(usable);
    Command1->setDefault(usable);
    Command2->setDefault(!usable);
    (usable ? Command1 : Command2)->setFocus();
    Grid1->setRowCount(0);
    if (!usable) {
        Label1->setText(tr("The track list %1 cannot be used: %2. %3 can only be encoded whole.")
                            .arg(ShownName(m_sheet.sheetName), m_sheet.reading.problem,
                                 ShownName(m_wavName)));
        return;
    }
    const TrackSheet &sheet = *m_sheet.reading.sheet;
    QString text = tr("Tracks listed in %1: %2. %3 becomes an MP3 file for each, without a gap "
                      "between them.")
                       .arg(ShownName(m_sheet.sheetName), QString::number(sheet.tracks.size()),
                            ShownName(m_wavName));
    if (!sheet.note.isEmpty())
        text += u' ' + tr("Note: %1.").arg(sheet.note);
    Label1->setText(text);
    const int rate = m_sheet.audio.sampleRate;
    for (const SheetTrack &track : sheet.tracks) {
        const int row = Grid1->rowCount();
        Grid1->insertRow(row);
        const QStringList cells{QString::number(track.number).rightJustified(2, u'0'), track.title,
                                track.performer, TrackTimeText(track.firstFrame, rate),
                                TrackTimeText(track.endFrame - track.firstFrame, rate)};
        for (int column = 0; column < int(cells.size()); ++column)
            Grid1->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
}

void Form7::Combo1_Click()
{
    const std::optional<FoundSheet> again =
        FindTrackSheets(m_directory, {m_wavName}, Combo1->currentData().toByteArray()).value(0);
    if (again)
        m_sheet = *again;
    Form_Refresh();
}

void Form7::Command1_Click()
{
    m_choice = Choice::Tracks;
    accept();
}

void Form7::Command2_Click()
{
    m_choice = Choice::Whole;
    accept();
}

void Form7::Command3_Click()
{
    m_choice = Choice::Cancel;
    reject();
}
