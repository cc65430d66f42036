#include "own_directory.h"

#include <QFileInfo>
#include <QStringView>

#include <algorithm>
#include <iterator>

#include <unistd.h>

namespace {

// With or without a merged /usr: the links /bin, /lib, ... resolve into /usr.
constexpr QStringView SystemTrees[] = {u"/usr/", u"/opt/", u"/etc/",  u"/bin/",   u"/sbin/",
                                       u"/lib/", u"/lib32/", u"/lib64/", u"/libx32/", u"/boot/"};

bool InSystemTree(const QString &canonicalPath)
{
    const QString tree = canonicalPath + u'/';
    return std::any_of(std::begin(SystemTrees), std::end(SystemTrees),
                       [&tree](QStringView system) { return tree.startsWith(system); });
}

} // namespace

bool IsOwnWritableDirectory(const QString &directory)
{
    const QFileInfo info(directory);
    // Links resolved, so neither a link into /usr nor "/usr/lib/../lib" slips by.
    const QString path = info.canonicalFilePath();
    return !path.isEmpty() && info.isDir() && info.isWritable() && !InSystemTree(path)
        && info.ownerId() == ::geteuid();
}
