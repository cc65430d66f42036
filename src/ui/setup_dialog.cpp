#include "setup_dialog.h"

#include "directory_list.h"
#include "drive_list.h"
#include "folder_picker.h"
#include "form_helpers.h"
#include "twips.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

using namespace Qt::StringLiterals;

Form2::Form2(const SetupValues &current, QWidget *parent)
    : QDialog(parent, DialogFlags), m_values(current)
{
    setWindowTitle(tr("Setup"));
    FixClientSizeInTwips(this, 4950, 4695);

    Frame1 = Placed(new QGroupBox(tr("L3Enc Path"), this), 0, 0, 4935, 2505);
    Folders = Placed(new FolderPicker(3135, Frame1), 120, 240, 3135, 2100);
    Drive2 = Folders->Drive2;
    Dir2 = Folders->Dir2;
    Label1 = Placed(new QLabel(tr("Select the directory location of the L3Enc executable, "
                               "L3ENC.EXE.  If your encoder program is named something else, you "
                               "should rename it appropriately so this program will find it."),
                               Frame1),
                    3360, 240, 1455, 2025);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Frame6 = Placed(new QGroupBox(tr("Run L3Enc..."), this), 0, 2490, 4935, 615);
    Option11 = Placed(new QRadioButton(tr("Minimized to Start Bar"), Frame6), 120, 240, 1935, 255);
    Option12 = Placed(new QRadioButton(tr("Normal Window"), Frame6), 2520, 240, 1575, 255);

    Frame7 = Placed(new QGroupBox(tr("ID3v2 tag for today's players"), this), 0, 3090, 4935, 915);
    Option13 = Placed(new QRadioButton(tr("2.&4, UTF-8"), Frame7), 120, 240, 1455, 255);
    Option14 = Placed(new QRadioButton(tr("2.&3, UTF-16"), Frame7), 1680, 240, 1575, 255);
    Option15 = Placed(new QRadioButton(tr("N&one"), Frame7), 3360, 240, 1455, 255);
    Option13->setToolTip(tr("Whole texts, track numbers and the cover, in UTF-8: what current "
                         "players and phones read"));
    Option14->setToolTip(tr("The same in UTF-16, for older car stereos and players"));
    Option15->setToolTip(tr("Only the 128-byte ID3v1 tag: 30 Latin-1 characters a field"));
    Check1 = Placed(new QCheckBox(tr("&ReplayGain tags"), Frame7), 120, 540, 4695, 255);
    Check1->setToolTip(tr("The loudness of each track and of each album, measured while "
                          "encoding, so players play them all equally loud (ReplayGain 2.0)"));

    Frame2 = Placed(new QGroupBox(tr("AutoDelete warning messages?"), this), 0, 4005, 2775, 615);
    Option1 = Placed(new QRadioButton(tr("Yes (recommended)"), Frame2), 120, 240, 1815, 255);
    Option2 = Placed(new QRadioButton(tr("No"), Frame2), 1920, 240, 615, 255);

    Frame3 = Placed(new QGroupBox(this), 2880, 4005, 2055, 615);
    Command3 = Placed(new QPushButton(tr("Okay"), Frame3), 120, 240, 855, 255);
    Command1 = Placed(new QPushButton(tr("Cancel"), Frame3), 960, 240, 975, 255);
    Command3->setDefault(true);

    SetTabOrder({Option11, Option12, Command3, Command1, Drive2, Dir2, Option13, Option14, Option15,
                 Check1, Option1, Option2});

    // Opens on the stored directory, whatever file system it lies on; a
    // directory that is gone leaves the lists where they are.
    Folders->openAt(current.encoderPath);
    (current.loadMode == 0 ? Option12 : Option11)->setChecked(true);
    (current.deleteWatch == 1 ? Option1 : Option2)->setChecked(true);
    (current.id3v2 == Id3v2Version::V2_4   ? Option13
     : current.id3v2 == Id3v2Version::V2_3 ? Option14
                                           : Option15)
        ->setChecked(true);
    // ReplayGain lives in the ID3v2 tag: without one there is nothing to choose.
    Check1->setChecked(current.replayGain);
    Check1->setEnabled(!Option15->isChecked());
    connect(Option15, &QRadioButton::toggled, Check1, [this](bool none) { Check1->setEnabled(!none); });
    KeepOneTabStop({Option1, Option2});
    KeepOneTabStop({Option13, Option14, Option15});
    KeepOneTabStop({Option11, Option12})->setFocus(); // the first group in the tab order

    connect(Command3, &QPushButton::clicked, this, &Form2::Command3_Click);
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    FinishForm(this);
}

void Form2::Command3_Click()
{
    m_values = {Dir2->path(), qint16(Option11->isChecked() ? 1 : 0),
                qint16(Option1->isChecked() ? 1 : 0),
                Option13->isChecked()   ? Id3v2Version::V2_4
                : Option14->isChecked() ? Id3v2Version::V2_3
                                        : Id3v2Version::None,
                Check1->isChecked()};
    accept();
}

void Form2::Command1_Click()
{
    reject();
}
