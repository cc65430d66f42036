// The settings file on any bytes: a hand-edited or damaged encoder.ini.
#include "settings/settings_file.h"

#include <QFile>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <sys/mman.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // The reader opens a path: the fuzzer's bytes in memory, under a name.
    static const int fd = memfd_create("encoder.ini", MFD_CLOEXEC);
    static const QString path = u"/proc/self/fd/"_s + QString::number(fd);
    if (fd < 0 || ftruncate(fd, 0) != 0 || pwrite(fd, data, size, 0) != ssize_t(size))
        return 0;
    Settings settings;
    QString lastPath;
    ReadSettings(path, settings, [&lastPath](const QString &directory) {
        lastPath = directory;
        return !directory.isEmpty();
    });
    (void)FormatSettings(settings, lastPath);
    return 0;
}
