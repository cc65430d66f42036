#pragma once

#include "named_drop_down.h"

// The drive list on Linux: the roots of the mounted file systems a user keeps
// files on, each shown as its root path and its name or label when it has one.
// A screen reader announces it as "File systems".
class DriveList : public NamedDropDown {
    Q_OBJECT

public:
    explicit DriveList(QWidget *parent = nullptr);

    // Root path of the chosen file system, e.g. "/" or "/media/card".
    QString rootPath() const;

    // Chooses the file system that holds `path`; false when none does.
    bool selectVolumeOf(const QString &path);

Q_SIGNALS:
    // The user chose a file system.
    void changed();
};
