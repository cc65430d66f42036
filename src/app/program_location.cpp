#include "program_location.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

QString ProgramDirectory()
{
    // /proc/self/exe resolves every link, so an installed program started
    // through a link in bin/ still finds what lies beside its real file.
    QString directory = QFileInfo(u"/proc/self/exe"_s).canonicalFilePath();
    directory = directory.isEmpty() ? QDir::currentPath() : QFileInfo(directory).path();
    if (!directory.endsWith(u'/'))
        directory += u'/';
    return directory;
}
