#include "destination_dialog.h"

#include "directory_list.h"
#include "drive_list.h"
#include "form_helpers.h"
#include "twips.h"

#include "encode/path_functions.h"

#include <QGroupBox>
#include <QPushButton>

using namespace Qt::StringLiterals;

Form5::Form5(const QString &destination, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), m_destination(destination)
{
    setWindowTitle(u"Output Destination"_s);
    FixClientSizeInTwips(this, 3030, 3105);

    Frame1 = Placed(new QGroupBox(this), 0, 0, 3015, 2655);
    Drive2 = Placed(new DriveList(Frame1), 120, 240, 2775, 315);
    Dir2 = Placed(new DirectoryList(Frame1), 120, 600, 2775, 1890);
    Command3 = Placed(new QPushButton(u"Okay"_s, this), 1200, 2760, 855, 255);
    Command1 = Placed(new QPushButton(u"Cancel"_s, this), 2040, 2760, 975, 255);
    Command3->setDefault(true);

    SetTabOrder({Dir2, Drive2, Command1, Command3});
    FitFontToBoxes(this);

    // Each step that fails is skipped: the dialog always opens.
    Drive2->selectVolumeOf(destination);
    Dir2->setPath(destination);

    connect(Drive2, &DriveList::changed, this, &Form5::Drive2_Change);
    connect(Command3, &QPushButton::clicked, this, &Form5::Command3_Click);
    connect(Command1, &QPushButton::clicked, this, &Form5::Command1_Click);
}

void Form5::Drive2_Change()
{
    // Linux keeps no current directory per file system: its root it is.
    Dir2->setPath(Drive2->rootPath());
}

void Form5::Command3_Click()
{
    m_destination = WithTrailingSeparator(Dir2->path());
    accept();
}

void Form5::Command1_Click()
{
    reject();
}
