#include "user_file_systems.h"

#include <QFileInfo>
#include <QSet>
#include <QStorageInfo>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

bool isNetworkType(const QString &type)
{
    static const QSet<QString> networkTypes{u"nfs"_s, u"nfs4"_s, u"cifs"_s, u"smb3"_s, u"smbfs"_s,
                                            u"fuse.sshfs"_s, u"sshfs"_s, u"fuse.davfs2"_s,
                                            u"davfs"_s};
    return networkTypes.contains(type);
}

bool isBelow(const QString &path, const QString &directory)
{
    return path == directory || path.startsWith(directory + u'/');
}

} // namespace

bool IsUserFileSystem(const MountedVolume &volume)
{
    if (!volume.usable)
        return false;
    if (volume.rootPath == u"/"_s)
        return true;
    for (const QString &system : {u"/boot"_s, u"/efi"_s, u"/snap"_s, u"/proc"_s, u"/sys"_s,
                                  u"/dev"_s}) {
        if (isBelow(volume.rootPath, system))
            return false;
    }
    if (isBelow(volume.rootPath, u"/run"_s) && !isBelow(volume.rootPath, u"/run/media"_s))
        return false;
    if (isNetworkType(volume.type))
        return true;
    return volume.device.startsWith(u"/dev/"_s) && volume.type != u"squashfs"_s;
}

QList<MountedVolume> UserFileSystems(QList<MountedVolume> mounted)
{
    std::sort(mounted.begin(), mounted.end(), [](const MountedVolume &a, const MountedVolume &b) {
        return a.rootPath < b.rootPath;
    });
    QList<MountedVolume> chosen;
    QSet<QString> seen;
    for (const MountedVolume &volume : std::as_const(mounted)) {
        // The shortest root path of a device comes first and stands for it.
        const QString key = volume.device + u'\n' + volume.subvolume;
        if (IsUserFileSystem(volume) && (volume.rootPath == u"/"_s || !seen.contains(key)))
            chosen.append(volume);
        seen.insert(key);
    }
    return chosen;
}

QList<MountedVolume> UserFileSystems()
{
    QList<MountedVolume> mounted;
    for (const QStorageInfo &storage : QStorageInfo::mountedVolumes()) {
        const QFileInfo root(storage.rootPath());
        mounted.append({storage.rootPath(), QString::fromLocal8Bit(storage.device()),
                        QString::fromLatin1(storage.fileSystemType()),
                        QString::fromLocal8Bit(storage.subvolume()),
                        storage.isValid() && storage.isReady() && root.isDir() && root.isReadable()
                            && root.isExecutable()});
    }
    return UserFileSystems(mounted);
}
