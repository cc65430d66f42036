#include "atomic_file.h"

#include "shown_name.h"
#include "unique_fd.h"

#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// Signals that would stop the program between the write and the rename are
// held back until the file is replaced or left as it was.
class HeldSignals {
public:
    HeldSignals()
    {
        sigset_t held;
        sigemptyset(&held);
        for (const int signal : {SIGHUP, SIGINT, SIGQUIT, SIGTERM})
            sigaddset(&held, signal);
        pthread_sigmask(SIG_BLOCK, &held, &m_previous);
    }
    ~HeldSignals() { pthread_sigmask(SIG_SETMASK, &m_previous, nullptr); }
    HeldSignals(const HeldSignals &) = delete;
    HeldSignals &operator=(const HeldSignals &) = delete;

private:
    sigset_t m_previous{};
};

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

bool WriteAll(int fd, QByteArrayView bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t wrote = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0)
            return false;
        done += wrote;
    }
    return true;
}

namespace {

// A hidden name beside `path` that is not taken yet, by chance.
QByteArray hiddenNameBeside(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return path.left(slash + 1) + '.' + path.mid(slash + 1).left(200) + '.'
        + QByteArray::number(QRandomGenerator::global()->generate(), 36);
}

// The new file: unnamed where the file system allows it, so that a kill
// while it is written leaves nothing behind (`temporary` stays empty); else
// created under a hidden name beside `path`.
UniqueFd createBeside(const QByteArray &path, QByteArray &temporary)
{
    const qsizetype slash = path.lastIndexOf('/');
    const QByteArray directory = slash < 0 ? "."_ba : slash == 0 ? "/"_ba : path.left(slash);
    temporary.clear();
    if (UniqueFd unnamed(::open(directory.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
        unnamed)
        return unnamed;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = hiddenNameBeside(path);
        UniqueFd fd(::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        if (fd || errno != EEXIST)
            return fd;
    }
    return {};
}

// Gives an unnamed file a hidden name beside `path`, to rename it from.
bool nameBeside(int fd, const QByteArray &path, QByteArray &temporary)
{
    const QByteArray link = "/proc/self/fd/"_ba + QByteArray::number(fd);
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = hiddenNameBeside(path);
        if (::linkat(AT_FDCWD, link.constData(), AT_FDCWD, temporary.constData(),
                     AT_SYMLINK_FOLLOW) == 0)
            return true;
        if (errno != EEXIST)
            break;
    }
    temporary.clear();
    return false;
}

} // namespace

QString FileId::text() const
{
    return QString::number(quint64(device)) + u' ' + QString::number(quint64(inode));
}

Result SaveFileAtomically(const QString &filePath, const QByteArray &bytes)
{
    return SaveFileAtomically(QFile::encodeName(filePath), bytes);
}

Result SaveFileAtomically(const QByteArray &path, const QByteArray &bytes,
                          std::optional<FileId> expected, FileId *replacement)
{
    return SaveFileAtomically(
        path, [&bytes](int fd) { return WriteAll(fd, bytes); }, expected, replacement);
}

Result SaveFileAtomically(const QByteArray &givenPath, const FileWriter &write,
                          std::optional<FileId> expected, FileId *replacement)
{
    // A link is followed: the file it names is replaced, the link stays.
    QByteArray path = givenPath;
    if (char *target = ::realpath(givenPath.constData(), nullptr)) {
        path = target;
        std::free(target);
    }
    const QString shown = ShownName(QFile::decodeName(givenPath));
    const HeldSignals held;
    struct stat old {};
    const bool exists = ::stat(path.constData(), &old) == 0;
    if (expected && (!exists || FileId{old.st_dev, old.st_ino} != *expected))
        return Result::failure(u"cannot save \""_s + shown + u"\": it was replaced meanwhile"_s);

    QByteArray temporary;
    UniqueFd file = createBeside(path, temporary);
    if (!file)
        return Result::failure(u"cannot create \""_s + shown + u"\": "_s + systemError(errno));
    // The name is joined, never put through a format: it may hold "%1".
    const auto failed = [&temporary, &shown](const QString &verb) {
        const int error = errno;
        if (!temporary.isEmpty())
            ::unlink(temporary.constData());
        return Result::failure(verb + u" \""_s + shown + u"\": "_s + systemError(error));
    };
    if (exists && ::fchmod(file.get(), old.st_mode & 07777) != 0)
        return failed(u"cannot save"_s);
    if (!write(file.get()))
        return failed(u"cannot write"_s);
    struct stat made {};
    if (::fsync(file.get()) != 0 || ::fstat(file.get(), &made) != 0
        || (temporary.isEmpty() && !nameBeside(file.get(), path, temporary)))
        return failed(u"cannot write"_s);
    // Named and renamed back to back: a kill (which no signal mask holds off)
    // finds a hidden name beside the file only in between. The descriptor,
    // which after the fsync has nothing left to report, closes after that.
    if (::rename(temporary.constData(), path.constData()) != 0)
        return failed(u"cannot save"_s);
    if (replacement)
        *replacement = {made.st_dev, made.st_ino};
    return Result::success();
}
