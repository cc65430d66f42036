#include "destination_dialog.h"

#include "directory_list.h"
#include "drive_list.h"
#include "folder_picker.h"
#include "form_helpers.h"
#include "twips.h"

#include "encode/path_functions.h"

#include <QGroupBox>
#include <QPushButton>

using namespace Qt::StringLiterals;

Form5::Form5(const QString &destination, QWidget *parent)
    : QDialog(parent, DialogFlags), m_destination(destination)
{
    setWindowTitle(tr("Output Destination"));
    FixClientSizeInTwips(this, 3030, 3105);

    Frame1 = Placed(new QGroupBox(this), 0, 0, 3015, 2655);
    Folders = Placed(new FolderPicker(2775, Frame1), 120, 240, 2775, 2250);
    Drive2 = Folders->Drive2;
    Dir2 = Folders->Dir2;
    Command3 = Placed(new QPushButton(tr("Okay"), this), 1200, 2760, 855, 255);
    Command1 = Placed(new QPushButton(tr("Cancel"), this), 2040, 2760, 975, 255);
    Command3->setDefault(true);

    SetTabOrder({Dir2, Drive2, Command1, Command3});

    Folders->openAt(destination);

    connect(Command3, &QPushButton::clicked, this, &Form5::Command3_Click);
    connect(Command1, &QPushButton::clicked, this, &Form5::Command1_Click);
    FinishForm(this);
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
