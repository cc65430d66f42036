#include "drive_list.h"

#include "user_file_systems.h"

#include <QDir>
#include <QStorageInfo>

using namespace Qt::StringLiterals;

DriveList::DriveList(QWidget *parent) : NamedDropDown(tr("File systems"), parent)
{
    for (const MountedVolume &volume : UserFileSystems()) {
        const QString name = QStorageInfo(volume.rootPath).name();
        addItem(name.isEmpty() ? volume.rootPath : u"%1  [%2]"_s.arg(volume.rootPath, name),
                volume.rootPath);
    }
    if (findData(u"/"_s) < 0)
        addItem(u"/"_s, u"/"_s);
    selectVolumeOf(QDir::currentPath()); // the file system of the working directory
    connect(this, &QComboBox::activated, this, &DriveList::changed);
}

QString DriveList::rootPath() const
{
    return currentData().toString();
}

bool DriveList::selectVolumeOf(const QString &path)
{
    const QStorageInfo volume(path);
    if (!volume.isValid())
        return false;
    const int index = findData(volume.rootPath());
    if (index < 0)
        return false;
    setCurrentIndex(index);
    return true;
}
