#include "script_runs.h"

#include <QDirIterator>
#include <QFile>
#include <QProcess>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

// Larger files (a sparse recording over 4 GiB) are told by which file they
// are and its state rather than their bytes.
constexpr qint64 LargestFileRead = qint64(64) * 1024 * 1024;

QByteArray describe(const QString &path)
{
    struct stat info{};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return {};
    if (S_ISLNK(info.st_mode))
        return QByteArray("link to " + QFile::encodeName(QFile::symLinkTarget(path)));
    if (S_ISDIR(info.st_mode))
        return "directory";
    if (!S_ISREG(info.st_mode))
        return "special";
    if (info.st_size > LargestFileRead)
        return "file of " + QByteArray::number(qint64(info.st_size)) + " bytes, inode "
            + QByteArray::number(qulonglong(info.st_ino)) + ", modified "
            + QByteArray::number(qint64(info.st_mtim.tv_sec)) + "."
            + QByteArray::number(qint64(info.st_mtim.tv_nsec));
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QByteArray("file " + file.readAll()) : "unreadable"_ba;
}

} // namespace

ScriptRun RunScript(const QString &directory, const QString &script,
                    const QProcessEnvironment &environment)
{
    QProcess shell;
    shell.setProcessEnvironment(environment);
    shell.setWorkingDirectory(directory);
    shell.setProcessChannelMode(QProcess::MergedChannels);
    shell.start(u"sh"_s, {script});
    ScriptRun run;
    run.finished = shell.waitForFinished(120000) && shell.exitStatus() == QProcess::NormalExit;
    if (shell.state() != QProcess::NotRunning) {
        shell.kill();
        shell.waitForFinished();
    }
    run.output = shell.readAll();
    return run;
}

QMap<QString, QByteArray> SnapshotTree(const QString &root)
{
    QMap<QString, QByteArray> entries;
    QDirIterator it(root, QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        entries.insert(path.mid(root.size() + 1), describe(path));
    }
    return entries;
}
