#include "path_functions.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace Module1 {

QString NameFromPath(QStringView path, QChar separator)
{
    for (qsizetype position = path.size() - 2; position >= 0; --position) {
        if (path[position] == separator)
            return path.mid(position + 1).toString();
    }
    return path.toString();
}

QString ShortPath(const QString &path)
{
    if (path.isEmpty() || !QFileInfo::exists(path))
        return {};
    return path;
}

} // namespace Module1

QString JoinPath(const QString &directory, const QString &name, QChar separator)
{
    return WithTrailingSeparator(directory, separator) + name;
}

QString WithTrailingSeparator(const QString &path, QChar separator)
{
    return path.endsWith(separator) ? path : path + separator;
}

QString AbsolutePath(const QString &path, const QString &base)
{
    if (path.isEmpty() || !QDir::isRelativePath(path))
        return path;
    return JoinPath(base, path);
}

QString WithMp3Extension(const QString &name)
{
    return name.chopped(qMin<qsizetype>(3, name.size())) + u"mp3"_s;
}
