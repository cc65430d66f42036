#include "settings_file.h"

#include "base/atomic_file.h"
#include "base/own_directory.h"
#include "base/read_number.h"
#include "base/regular_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <fcntl.h>
#include <optional>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

constexpr int SettingsLineCount = 9;
constexpr char16_t Id3v2Key[] = u"Id3v2 = ";
constexpr char16_t ReplayGainKey[] = u"ReplayGain = ";
// No sane settings file comes near this; a huge file is not read whole.
constexpr qint64 LongestSettingsFile = 1 << 20;

// The first eight lines, whatever ends them.
QStringList firstLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size() && lines.size() < SettingsLineCount; ++i) {
        if (text[i] != u'\r' && text[i] != u'\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (lines.size() < SettingsLineCount && start < text.size())
        lines.append(text.mid(start)); // a last line without an ending
    return lines;
}

// A value line without its first `count` characters; empty when the line is
// missing or shorter than that.
std::optional<QString> valueOf(const QStringList &lines, int lineNumber, qsizetype count)
{
    if (lines.size() < lineNumber || lines[lineNumber - 1].size() < count)
        return std::nullopt;
    return lines[lineNumber - 1].mid(count);
}

// A value line read as a 16-bit number; empty when the line is missing or
// short, or the number lies outside 16 bits.
std::optional<qint16> numberOf(const QStringList &lines, int lineNumber, qsizetype count)
{
    const std::optional<QString> value = valueOf(lines, lineNumber, count);
    return value ? ReadWholeNumber(*value) : std::nullopt;
}

} // namespace

bool ReadSettings(const QString &filePath, Settings &settings, const DirectoryShower &showLastPath)
{
    // Only a regular file: a FIFO or a device is a reading failure.
    RegularFile opened = OpenRegularFile(QFile::encodeName(filePath), O_RDONLY);
    if (!opened.descriptor)
        return false;
    QFile file;
    if (!file.open(opened.descriptor.get(), QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return false;
    opened.descriptor.release(); // the QFile closes it now
    // No more than the file holds: Qt sets aside the whole length asked for,
    // a megabyte for a file of a few short lines.
    const qint64 length = std::min(opened.size, LongestSettingsFile);
    const QStringList lines = firstLines(QString::fromUtf8(file.read(length)));
    file.close();

    const std::optional<QString> encoderPath = valueOf(lines, 2, 14);
    if (!encoderPath)
        return false;
    settings.encoderPath = *encoderPath;

    const std::optional<QString> lastPath = valueOf(lines, 3, 11);
    if (!lastPath || !showLastPath(*lastPath))
        return false;

    const std::optional<QString> destination = valueOf(lines, 4, 14);
    if (!destination)
        return false;
    settings.destination = *destination;

    const std::optional<qint16> deleteWatch = numberOf(lines, 5, 10);
    if (!deleteWatch)
        return false;
    settings.deleteWatch = *deleteWatch;

    const std::optional<qint16> loadMode = numberOf(lines, 7, 11);
    if (!loadMode)
        return false;
    settings.loadMode = *loadMode;

    const QString id3v2Line = lines.value(7);
    settings.id3v2 = id3v2Line.startsWith(QStringView(Id3v2Key))
        ? Id3v2VersionFromWord(QStringView(id3v2Line).mid(std::size(Id3v2Key) - 1))
              .value_or(Id3v2Version::V2_4)
        : Id3v2Version::V2_4;
    settings.replayGain = lines.value(8) != QString::fromUtf16(ReplayGainKey) + u"off"_s;
    return true;
}

QByteArray FormatSettings(const Settings &settings, const QString &lastPath)
{
    // A negative LoadMode's minus sign takes the place of the blank.
    const QString loadMode =
        (settings.loadMode >= 0 ? u" "_s : QString()) + QString::number(settings.loadMode);
    const QStringList lines{
        u"[Directories]"_s,
        u"EncoderPath = "_s + settings.encoderPath,
        u"LastPath = "_s + lastPath,
        u"Destination = "_s + settings.destination,
        u"SafeMode = "_s + QString::number(settings.deleteWatch),
        u"[Switches]"_s,
        u"LoadMode ="_s + loadMode,
        QString::fromUtf16(Id3v2Key) + Id3v2VersionWord(settings.id3v2),
        QString::fromUtf16(ReplayGainKey) + (settings.replayGain ? u"on"_s : u"off"_s),
    };
    return (lines.join(u"\r\n"_s) + u"\r\n"_s).toUtf8();
}

Result WriteSettings(const QString &filePath, const Settings &settings, const QString &lastPath)
{
    // A line break would split a value over two lines of the fixed format and
    // break the next start: refused, so the old file stays.
    for (const QString &value : {settings.encoderPath, lastPath, settings.destination}) {
        if (value.contains(u'\n') || value.contains(u'\r'))
            return Result::failure(u"the path \"%1\" holds a line break, which %2 cannot store"_s
                                       .arg(value, QString::fromUtf16(SettingsFileName)));
    }
    QDir().mkpath(QFileInfo(filePath).path());
    return SaveFileAtomically(filePath, FormatSettings(settings, lastPath));
}

QString SettingsFilePath(const QString &appPath)
{
    const QString fileName = QString::fromUtf16(SettingsFileName);
    if (IsOwnWritableDirectory(appPath))
        return appPath + fileName;
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + u'/' + fileName;
}
