#include "fat_file_system.h"

#include <QStorageInfo>

using namespace Qt::StringLiterals;

bool IsOnFatFileSystem(const QString &directory)
{
    // fuseblk: exFAT and NTFS through FUSE (exfat-fuse, ntfs-3g), the only
    // common FUSE file systems on a block device.
    static const QList<QByteArray> fatLike{"vfat"_ba, "msdos"_ba, "exfat"_ba, "ntfs"_ba,
                                           "ntfs3"_ba, "fuseblk"_ba};
    return fatLike.contains(QStorageInfo(directory).fileSystemType());
}
