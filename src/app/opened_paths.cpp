#include "opened_paths.h"

#include "base/shown_name.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

QString translated(const char *text)
{
    return QCoreApplication::translate("OpenedPaths", text);
}

const char FolderUnreadable[] = QT_TRANSLATE_NOOP("OpenedPaths", "%1: the folder cannot be read");

QString withoutQuotes(const QString &path)
{
    const bool quoted = path.size() >= 2 && path.startsWith(u'"') && path.endsWith(u'"');
    return quoted ? path.mid(1, path.size() - 2) : path;
}

// The directory list opens only what it can list.
bool canList(const QFileInfo &folder)
{
    return folder.isReadable() && folder.isExecutable();
}

} // namespace

PathKind KindOfPath(const QString &path)
{
    const QFileInfo info(withoutQuotes(path));
    if (!info.exists())
        return PathKind::Missing;
    if (info.isDir())
        return PathKind::Folder;
    const bool wav = info.fileName().endsWith(u".wav"_s, Qt::CaseInsensitive)
                     && !info.fileName().startsWith(u'.');
    return info.isFile() && wav ? PathKind::Wav : PathKind::Other;
}

PathsToOpen InterpretPaths(const QStringList &paths)
{
    PathsToOpen opening;
    const auto leaveOut = [&](const char *reason, const QString &path) {
        opening.leftOut << translated(reason).arg(ShownName(path));
    };
    for (const QString &given : paths) {
        const QString path = withoutQuotes(given);
        const QFileInfo info(QDir::current().absoluteFilePath(path));
        const PathKind kind = KindOfPath(path);
        if (kind == PathKind::Missing) {
            leaveOut(QT_TRANSLATE_NOOP("OpenedPaths", "%1: not found"), path);
            continue;
        }
        if (kind == PathKind::Other) {
            leaveOut(QT_TRANSLATE_NOOP("OpenedPaths", "%1: not a WAV file"), path);
            continue;
        }
        const QFileInfo folder(kind == PathKind::Folder ? info.absoluteFilePath()
                                                        : info.absolutePath());
        if (!canList(folder)) {
            leaveOut(FolderUnreadable, path);
            continue;
        }
        const QString canonical = folder.canonicalFilePath();
        if (opening.folder.isEmpty())
            opening.folder = canonical;
        if (kind == PathKind::Folder && canonical != opening.folder)
            leaveOut(QT_TRANSLATE_NOOP("OpenedPaths", "%1: only one folder is shown at a time"),
                     path);
        else if (kind == PathKind::Wav && canonical != opening.folder)
            leaveOut(QT_TRANSLATE_NOOP("OpenedPaths", "%1: not in the folder shown"), path);
        else if (kind == PathKind::Wav && !opening.wavNames.contains(info.fileName()))
            opening.wavNames << info.fileName();
    }
    return opening;
}

PathsToOpen InterpretUrls(const QList<QUrl> &urls)
{
    QStringList paths;
    QStringList notLocal;
    for (const QUrl &url : urls) {
        if (url.isLocalFile())
            paths << url.toLocalFile();
        else
            notLocal << translated(QT_TRANSLATE_NOOP("OpenedPaths",
                                                     "%1: not a file on this computer"))
                            .arg(ShownName(url.toDisplayString()));
    }
    PathsToOpen opening = InterpretPaths(paths);
    opening.leftOut << notLocal;
    return opening;
}

PathsToOpen WithFolderUnreadable(PathsToOpen opening)
{
    opening.leftOut.prepend(translated(FolderUnreadable).arg(ShownName(opening.folder)));
    opening.folder.clear();
    opening.wavNames.clear();
    return opening;
}

QString OpeningMessage(const PathsToOpen &opening, qsizetype listedWavs)
{
    const QString leftOut = opening.leftOut.join(u'\n');
    if (opening.folder.isEmpty() && leftOut.isEmpty())
        return {}; // nothing was given
    if (opening.folder.isEmpty())
        return translated(QT_TRANSLATE_NOOP("OpenedPaths", "Nothing was opened:")) + u"\n\n"_s
               + leftOut;
    QStringList parts;
    if (!leftOut.isEmpty())
        parts << translated(QT_TRANSLATE_NOOP("OpenedPaths", "The window shows \"%1\". Not taken:"))
                         .arg(ShownName(opening.folder))
                     + u"\n\n"_s + leftOut;
    if (listedWavs == 0)
        parts << translated(QT_TRANSLATE_NOOP("OpenedPaths", "\"%1\" holds no WAV files."))
                     .arg(ShownName(opening.folder));
    return parts.join(u"\n\n"_s);
}
