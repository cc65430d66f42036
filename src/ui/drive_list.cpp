#include "drive_list.h"

#include <QDir>
#include <QStorageInfo>

#include <algorithm>

using namespace Qt::StringLiterals;

DriveList::DriveList(QWidget *parent) : QComboBox(parent)
{
    QList<QStorageInfo> volumes = QStorageInfo::mountedVolumes();
    std::sort(volumes.begin(), volumes.end(),
              [](const QStorageInfo &a, const QStorageInfo &b) { return a.rootPath() < b.rootPath(); });
    for (const QStorageInfo &volume : std::as_const(volumes)) {
        if (!volume.isValid() || !volume.isReady())
            continue;
        const QString name = volume.name();
        addItem(name.isEmpty() ? volume.rootPath() : u"%1  [%2]"_s.arg(volume.rootPath(), name),
                volume.rootPath());
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
