#include "file_attributes.h"
#include "system_error.h"

#include <QList>

#include <cerrno>
#include <optional>
#include <cstring>
#include <sys/xattr.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// The names of the extended attributes, from a listing that may grow between
// the two calls.
template <typename List>
std::optional<QList<QByteArray>> attributeNames(List list)
{
    for (int attempt = 0; attempt < 5; ++attempt) {
        const ssize_t size = list(nullptr, 0);
        if (size < 0)
            return errno == ENOTSUP ? std::optional(QList<QByteArray>()) : std::nullopt;
        QByteArray names(size, '\0');
        const ssize_t got = list(names.data(), size_t(names.size()));
        if (got < 0 && errno == ERANGE)
            continue;
        if (got < 0)
            return std::nullopt;
        names.truncate(got);
        QList<QByteArray> split = names.split('\0');
        split.removeAll(QByteArray());
        return split;
    }
    errno = ERANGE;
    return std::nullopt;
}

std::optional<QByteArray> attributeValue(const QByteArray &path, const QByteArray &name)
{
    for (int attempt = 0; attempt < 5; ++attempt) {
        const ssize_t size = ::getxattr(path.constData(), name.constData(), nullptr, 0);
        if (size < 0)
            return std::nullopt;
        QByteArray value(size, '\0');
        const ssize_t got = ::getxattr(path.constData(), name.constData(), value.data(),
                                       size_t(value.size()));
        if (got >= 0)
            return value.left(got);
        if (errno != ERANGE)
            return std::nullopt;
    }
    errno = ERANGE;
    return std::nullopt;
}

// Whether the new file has that value already: a security label the system
// gave it, which only it may set.
bool sameValue(int fd, const QByteArray &name, const QByteArray &value)
{
    QByteArray own(value.size() + 1, '\0');
    const ssize_t got = ::fgetxattr(fd, name.constData(), own.data(), size_t(own.size()));
    return got == value.size() && own.left(got) == value;
}

Result failure(const QString &what, int error)
{
    return Result::failure(u"cannot keep its "_s + what + u": "_s + SystemError(error));
}

} // namespace

Result KeepFileAttributes(const QByteArray &from, const struct stat &old, int to)
{
    struct stat made {};
    if (::fstat(to, &made) != 0)
        return failure(u"owner and group"_s, errno);
    // Only root gives a file away; anyone may give it a group of their own.
    if ((made.st_uid != old.st_uid || made.st_gid != old.st_gid)
        && ::fchown(to, old.st_uid, old.st_gid) != 0) {
        return failure(u"owner and group (user "_s + QString::number(old.st_uid) + u", group "_s
                           + QString::number(old.st_gid) + u')',
                       errno);
    }

    const auto oldNames = attributeNames(
        [&from](char *list, size_t size) { return ::listxattr(from.constData(), list, size); });
    const auto newNames =
        attributeNames([to](char *list, size_t size) { return ::flistxattr(to, list, size); });
    if (!oldNames || !newNames)
        return failure(u"extended attributes"_s, errno);
    for (const QByteArray &name : *newNames) {
        // An ACL inherited from the folder would change who may do what.
        if (!oldNames->contains(name) && ::fremovexattr(to, name.constData()) != 0
            && errno != ENODATA && !name.startsWith("security."))
            return failure(u"access rights (attribute "_s + QString::fromUtf8(name) + u')', errno);
    }
    for (const QByteArray &name : *oldNames) {
        const std::optional<QByteArray> value = attributeValue(from, name);
        if (!value) {
            if (errno == ENODATA)
                continue; // removed meanwhile
            return failure(u"extended attribute "_s + QString::fromUtf8(name), errno);
        }
        if (::fsetxattr(to, name.constData(), value->constData(), size_t(value->size()), 0) != 0
            && !(name.startsWith("security.") && sameValue(to, name, *value)))
            return failure(u"extended attribute "_s + QString::fromUtf8(name), errno);
    }
    // Last: a change of owner clears the set-user and set-group bits, and the
    // ACL's mask is the mode's group part.
    if (::fchmod(to, old.st_mode & 07777) != 0)
        return failure(u"permissions"_s, errno);
    return Result::success();
}
