#include "wav_names_not_utf8.h"

#include "base/shown_name.h"

#include <QByteArray>
#include <QFile>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

// Lossless through UTF-8: Qt replaces what is not UTF-8 with U+FFFD.
bool isUtf8(const QByteArray &name)
{
    return QString::fromUtf8(name).toUtf8() == name;
}

} // namespace

QStringList WavNamesNotUtf8(const QString &directory)
{
    QStringList shown;
    DIR *folder = ::opendir(QFile::encodeName(directory).constData());
    if (!folder)
        return shown;
    const int fd = ::dirfd(folder);
    while (const dirent *entry = ::readdir(folder)) {
        const QByteArray name(entry->d_name);
        struct stat status {};
        if (name.startsWith('.') || !name.toLower().endsWith(".wav") || isUtf8(name)
            || ::fstatat(fd, entry->d_name, &status, 0) != 0 || !S_ISREG(status.st_mode))
            continue;
        shown << QString::fromStdString(ShownName(std::string_view(name.constData(), name.size())));
    }
    ::closedir(folder);
    return shown;
}
