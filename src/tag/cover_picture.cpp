#include "cover_picture.h"

#include "base/regular_file.h"
#include "base/shown_name.h"

#include <QDir>
#include <QFile>

#include <cstring>
#include <fcntl.h>

using namespace Qt::StringLiterals;

namespace {

QString pictureType(const QByteArray &bytes)
{
    if (bytes.startsWith("\xFF\xD8\xFF"))
        return u"image/jpeg"_s;
    if (bytes.startsWith("\x89PNG\r\n\x1A\n"))
        return u"image/png"_s;
    return {};
}

CoverPicture refused(const QString &path, const QString &reason)
{
    return {{}, {}, u"The picture \""_s + ShownName(path) + u"\" cannot be used: "_s + reason + u'.'};
}

} // namespace

CoverPicture LoadCover(const QString &path)
{
    RegularFile file = OpenRegularFile(QFile::encodeName(path), O_RDONLY);
    if (!file.descriptor) {
        return refused(path, file.error == 0 ? u"it is not a regular file"_s
                                             : QString::fromLocal8Bit(std::strerror(file.error)));
    }
    if (file.size > LargestCover)
        return refused(path, u"it is larger than 2 MiB"_s);
    const QByteArray bytes = ReadAt(file.descriptor.get(), 0, file.size);
    if (bytes.size() < file.size)
        return refused(path, u"it could not be read whole"_s);
    const QString type = pictureType(bytes);
    if (type.isEmpty())
        return refused(path, u"it is not a JPEG or PNG picture"_s);
    return {bytes, type, {}};
}

QString FindCover(const QString &directory)
{
    const QStringList names = QDir(directory).entryList(QDir::Files | QDir::Hidden);
    for (const QString &base : {u"cover"_s, u"folder"_s, u"front"_s, u"album"_s}) {
        for (const QString &extension : {u".jpg"_s, u".jpeg"_s, u".png"_s}) {
            for (const QString &name : names) {
                if (name.compare(base + extension, Qt::CaseInsensitive) == 0)
                    return QDir(directory).filePath(name);
            }
        }
    }
    return {};
}
