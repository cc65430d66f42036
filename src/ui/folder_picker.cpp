#include "folder_picker.h"

#include "directory_list.h"
#include "drive_list.h"
#include "twips.h"

FolderPicker::FolderPicker(int width, QWidget *parent) : QWidget(parent)
{
    Drive2 = Placed(new DriveList(this), 0, 0, width, 315);
    Dir2 = Placed(new DirectoryList(this), 0, 360, width, 1890);
    connect(Drive2, &DriveList::changed, this, &FolderPicker::Drive2_Change);
}

void FolderPicker::openAt(const QString &path)
{
    Drive2->selectVolumeOf(path);
    Dir2->setPath(path);
}

void FolderPicker::Drive2_Change()
{
    // Linux keeps no current directory per file system: its root it is.
    Dir2->setPath(Drive2->rootPath());
}
