#pragma once

#include <QList>
#include <QString>

// A mounted file system as the drive list judges it.
struct MountedVolume {
    QString rootPath;
    QString device;     // "/dev/sda2", "server:/export", "tmpfs"
    QString type;       // "ext4", "nfs4", "tmpfs"
    QString subvolume;  // btrfs keeps / and /home on one device
    bool usable = true; // valid, ready, a readable directory (not a file bound in)
};

// Whether a user keeps files there: the root, local disks and mounted media
// (block devices), and network shares. Not pseudo or memory file systems,
// boot partitions or packaged images.
bool IsUserFileSystem(const MountedVolume &volume);

// The mounted file systems a user keeps files on, each once (a bind mount
// shows a file system again), sorted by root path.
QList<MountedVolume> UserFileSystems(QList<MountedVolume> mounted);

// The same for this machine's mounts.
QList<MountedVolume> UserFileSystems();
