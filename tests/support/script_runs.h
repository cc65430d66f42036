#pragma once

#include <QByteArray>
#include <QMap>
#include <QProcessEnvironment>
#include <QString>

// The encode script run by sh in `directory`, as a terminal would run it,
// with everything it prints. A run that takes over two minutes is killed:
// `finished` says whether it ended by itself.
struct ScriptRun {
    bool finished = false;
    QByteArray output;
};

ScriptRun RunScript(const QString &directory, const QString &script,
                    const QProcessEnvironment &environment =
                        QProcessEnvironment::systemEnvironment());

// Every entry below `root`, by its path relative to it: "file " and a file's
// bytes (over 64 MiB: its size, inode and time), or what a link, directory or
// FIFO is. Links are not followed and
// FIFOs not opened, so taking a snapshot changes and blocks on nothing.
QMap<QString, QByteArray> SnapshotTree(const QString &root);
