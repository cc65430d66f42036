#include "atomic_file.h"

#include "file_attributes.h"
#include "shown_name.h"
#include "system_error.h"
#include "unique_fd.h"

#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
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

// At most `limit` bytes of `name`, cut before a UTF-8 character, never in
// one: FAT and exFAT refuse a name that is not whole UTF-8.
QByteArray namePrefix(const QByteArray &name, qsizetype limit)
{
    qsizetype end = qMin(limit, name.size());
    while (end > 0 && end < name.size() && (quint8(name[end]) & 0xC0) == 0x80)
        --end;
    return name.left(end);
}

// A hidden name beside `path` that is not taken yet, by chance; short enough
// for every file system (FAT counts 255 UTF-16 units, others 255 bytes).
QByteArray hiddenNameBeside(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return path.left(slash + 1) + '.' + namePrefix(path.mid(slash + 1), 64) + '.'
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

// Links an unnamed file to `temporary` and renames that over `path`, in a
// child that shares this process's memory and waits for it: a kill of this
// process between the two steps (no signal mask holds off SIGKILL) would
// leave the hidden name behind, while the child, which such a kill does not
// reach, finishes both. Gives 0 or the errno of the step that failed.
int linkAndRename(const QByteArray &link, const QByteArray &temporary, const QByteArray &path)
{
    volatile int error = 0;
    const pid_t child = ::vfork();
    if (child == 0) {
        if (::linkat(AT_FDCWD, link.constData(), AT_FDCWD, temporary.constData(),
                     AT_SYMLINK_FOLLOW) != 0) {
            error = errno;
        } else if (::rename(temporary.constData(), path.constData()) != 0) {
            error = errno;
            ::unlink(temporary.constData());
        }
        ::_exit(0);
    }
    if (child < 0)
        return errno;
    while (::waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
    }
    return error;
}

// Puts the unnamed file `fd` in the place of `path`, through a hidden name
// beside it that is not taken; false with errno set on failure.
bool placeUnnamed(int fd, const QByteArray &path)
{
    const QByteArray link = "/proc/self/fd/"_ba + QByteArray::number(fd);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const int error = linkAndRename(link, hiddenNameBeside(path), path);
        errno = error;
        if (error != EEXIST)
            return error == 0;
    }
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

    if (exists && old.st_nlink > 1) {
        return Result::failure(u"cannot save \""_s + shown + u"\": it has "_s
                               + QString::number(old.st_nlink)
                               + u" names (hard links), and a new file in its place would part it"
                                 " from the others"_s);
    }

    QByteArray temporary;
    UniqueFd file = createBeside(path, temporary);
    if (!file)
        return Result::failure(u"cannot create \""_s + shown + u"\": "_s + SystemError(errno));
    // The name is joined, never put through a format: it may hold "%1".
    const auto failed = [&temporary, &shown](const QString &verb) {
        const int error = errno;
        if (!temporary.isEmpty())
            ::unlink(temporary.constData());
        return Result::failure(verb + u" \""_s + shown + u"\": "_s + SystemError(error));
    };
    if (exists) {
        if (Result kept = KeepFileAttributes(path, old, file.get()); !kept) {
            if (!temporary.isEmpty())
                ::unlink(temporary.constData());
            return Result::failure(u"cannot save \""_s + shown + u"\": "_s + kept.message());
        }
    }
    if (!write(file.get()))
        return failed(u"cannot write"_s);
    struct stat made {};
    if (::fsync(file.get()) != 0 || ::fstat(file.get(), &made) != 0)
        return failed(u"cannot write"_s);
    // The descriptor, which after the fsync has nothing left to report,
    // closes after the rename.
    if (temporary.isEmpty() ? !placeUnnamed(file.get(), path)
                            : ::rename(temporary.constData(), path.constData()) != 0)
        return failed(u"cannot save"_s);
    if (replacement)
        *replacement = {made.st_dev, made.st_ino};
    return Result::success();
}
