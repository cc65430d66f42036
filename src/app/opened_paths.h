#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

// What a path given to the program or dropped on its window stands for.
enum class PathKind { Folder, Wav, Other, Missing };

// Follows links; a WAV is a regular file the file list would show (".wav" in
// any letter case, not hidden). A path in double quotes is taken without them.
PathKind KindOfPath(const QString &path);

// What dropped or given paths ask the window to show: one folder, and the WAV
// files in it to select. Whatever is not taken is named with the reason.
struct PathsToOpen {
    QString folder;       // canonical; empty when nothing can be shown
    QStringList wavNames; // names in `folder` to select; none when a folder was given
    QStringList leftOut;  // one line each: the path and why it was not taken
};

// The first folder, or the folder of the first WAV file, is shown; WAV files
// of that folder are selected; everything else is left out. Relative paths
// lie below the working directory.
PathsToOpen InterpretPaths(const QStringList &paths);

// Dropped URLs: local files (also a portal's document paths) are paths, any
// other URL is left out.
PathsToOpen InterpretUrls(const QList<QUrl> &urls);

// `opening` once its folder turned out unreadable after all (gone since it
// was looked at): nothing is shown, and the folder is named as left out.
PathsToOpen WithFolderUnreadable(PathsToOpen opening);

// What the user is told once the window shows `opening` with `listedWavs` files
// in its list; empty when everything was taken and there is something to see.
QString OpeningMessage(const PathsToOpen &opening, qsizetype listedWavs);
