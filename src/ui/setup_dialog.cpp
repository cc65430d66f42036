#include "setup_dialog.h"

#include "directory_list.h"
#include "drive_list.h"
#include "folder_picker.h"
#include "form_helpers.h"
#include "twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

using namespace Qt::StringLiterals;

Form2::Form2(const SetupValues &current, QWidget *parent)
    : QDialog(parent, DialogFlags), m_values(current)
{
    setWindowTitle(u"Setup"_s);
    FixClientSizeInTwips(this, 4950, 4545);

    Frame1 = Placed(new QGroupBox(u"L3Enc Path"_s, this), 0, 0, 4935, 2655);
    Folders = Placed(new FolderPicker(3135, Frame1), 120, 240, 3135, 2250);
    Drive2 = Folders->Drive2;
    Dir2 = Folders->Dir2;
    Label1 = Placed(new QLabel(u"Select the directory location of the L3Enc executable, "
                               "L3ENC.EXE.  If your encoder program is named something else, you "
                               "should rename it appropriately so this program will find it."_s,
                               Frame1),
                    3360, 240, 1455, 2175);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Frame6 = Placed(new QGroupBox(u"Run L3Enc..."_s, this), 0, 2640, 4935, 615);
    Option11 = Placed(new QRadioButton(u"Minimized to Start Bar"_s, Frame6), 120, 240, 1935, 255);
    Option12 = Placed(new QRadioButton(u"Normal Window"_s, Frame6), 2520, 240, 1575, 255);

    Frame7 = Placed(new QGroupBox(u"ID3v2 tag for today's players"_s, this), 0, 3240, 4935, 615);
    Option13 = Placed(new QRadioButton(u"2.&4, UTF-8"_s, Frame7), 120, 240, 1455, 255);
    Option14 = Placed(new QRadioButton(u"2.&3, UTF-16"_s, Frame7), 1680, 240, 1575, 255);
    Option15 = Placed(new QRadioButton(u"N&one"_s, Frame7), 3360, 240, 1455, 255);
    Option13->setToolTip(u"Whole texts, track numbers and the cover, in UTF-8: what current "
                         "players and phones read"_s);
    Option14->setToolTip(u"The same in UTF-16, for older car stereos and players"_s);
    Option15->setToolTip(u"Only the 128-byte ID3v1 tag: 30 Latin-1 characters a field"_s);

    Frame2 = Placed(new QGroupBox(u"AutoDelete warning messages?"_s, this), 0, 3855, 2775, 615);
    Option1 = Placed(new QRadioButton(u"Yes (recommended)"_s, Frame2), 120, 240, 1815, 255);
    Option2 = Placed(new QRadioButton(u"No"_s, Frame2), 1920, 240, 615, 255);

    Frame3 = Placed(new QGroupBox(this), 2880, 3855, 2055, 615);
    Command3 = Placed(new QPushButton(u"Okay"_s, Frame3), 120, 240, 855, 255);
    Command1 = Placed(new QPushButton(u"Cancel"_s, Frame3), 960, 240, 975, 255);
    Command3->setDefault(true);

    SetTabOrder({Option11, Option12, Command3, Command1, Drive2, Dir2, Option13, Option14, Option15,
                 Option1, Option2});

    // Opens on the stored directory, whatever file system it lies on; a
    // directory that is gone leaves the lists where they are.
    Folders->openAt(current.encoderPath);
    (current.loadMode == 0 ? Option12 : Option11)->setChecked(true);
    (current.deleteWatch == 1 ? Option1 : Option2)->setChecked(true);
    (current.id3v2 == Id3v2Version::V2_4   ? Option13
     : current.id3v2 == Id3v2Version::V2_3 ? Option14
                                           : Option15)
        ->setChecked(true);
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
                                        : Id3v2Version::None};
    accept();
}

void Form2::Command1_Click()
{
    reject();
}
