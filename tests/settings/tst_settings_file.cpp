#include "settings/settings_file.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// Start values, as the interactive start-up gives them.
Settings startValues()
{
    return {u"/start"_s, u"/home/user/"_s, 1, 0};
}

} // namespace

Q_DECLARE_METATYPE(Settings)

class TestSettingsFile : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_file;
    QStringList m_shown; // directories the reader pointed the list at

    void writeRaw(const QByteArray &bytes)
    {
        QFile file(m_file);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }

    DirectoryShower shower(bool succeed = true)
    {
        return [this, succeed](const QString &directory) {
            m_shown << directory;
            return succeed;
        };
    }

private Q_SLOTS:
    void init()
    {
        m_file = m_dir.filePath(u"encoder.ini"_s);
        QFile::remove(m_file);
        m_shown.clear();
    }

    void writesTheExactBytes()
    {
        QVERIFY(WriteSettings(m_file, {u"/opt/L3ENC"_s, u"/audio/MP3/"_s, 1, 0}, u"/audio/WAV"_s).ok());
        QFile file(m_file);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), "[Directories]\r\n"
                                 "EncoderPath = /opt/L3ENC\r\n"
                                 "LastPath = /audio/WAV\r\n"
                                 "Destination = /audio/MP3/\r\n"
                                 "SafeMode = 1\r\n"
                                 "[Switches]\r\n"
                                 "LoadMode = 0\r\n"
                                 "Id3v2 = 2.4\r\n"
                                 "ReplayGain = on\r\n"_ba);
        QVERIFY(FormatSettings({{}, {}, -3, -2, Id3v2Version::None, false}, {})
                    .endsWith("SafeMode = -3\r\n[Switches]\r\nLoadMode =-2\r\nId3v2 = none\r\n"
                              "ReplayGain = off\r\n"));
    }

    void roundTripOfAllFiveValues()
    {
        const Settings written{u"/enc dir/= x "_s, u"/dést/"_s, 0, 1};
        QVERIFY(WriteSettings(m_file, written, u"/wav dir"_s).ok());
        Settings read = startValues();
        QVERIFY(ReadSettings(m_file, read, shower()));
        QCOMPARE(read.encoderPath, written.encoderPath);
        QCOMPARE(read.destination, written.destination);
        QCOMPARE(read.deleteWatch, written.deleteWatch);
        QCOMPARE(read.loadMode, written.loadMode);
        QCOMPARE(m_shown, QStringList{u"/wav dir"_s});
    }

    void readsWhatItCan_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("complete");
        QTest::addColumn<QString>("encoderPath");
        QTest::addColumn<QString>("destination");
        QTest::addColumn<int>("deleteWatch");
        QTest::addColumn<int>("loadMode");
        const QByteArray head = "[Directories]\r\nEncoderPath = /e\r\nLastPath = /w\r\n";
        QTest::newRow("LF line ends") << "[Directories]\nEncoderPath = /e\nLastPath = /w\n"
                                         "Destination = /d/\nSafeMode = 0\n[Switches]\nLoadMode = 1"_ba
                                      << true << u"/e"_s << u"/d/"_s << 0 << 1;
        QTest::newRow("CR line ends") << "[Directories]\rEncoderPath = /e\rLastPath = /w\r"
                                         "Destination = /d/\rSafeMode = 0\r[Switches]\rLoadMode = 1\r"_ba
                                      << true << u"/e"_s << u"/d/"_s << 0 << 1;
        QTest::newRow("four lines") << head + "Destination = /d/\r\n" << false << u"/e"_s
                                    << u"/d/"_s << 1 << 0;
        QTest::newRow("13-character line 2") << "[Directories]\r\nEncoderPath =\r\n"_ba << false
                                             << u"/start"_s << u"/home/user/"_s << 1 << 0;
        QTest::newRow("line 2 exactly its prefix") << "[Directories]\r\nEncoderPath = \r\n"_ba
                                                   << false << QString() << u"/home/user/"_s << 1
                                                   << 0;
        QTest::newRow("SafeMode without the blank") << head + "Destination = /d/\r\nSafeMode =0\r\n"
                                                              "[Switches]\r\nLoadMode = 1\r\n"
                                                    << true << u"/e"_s << u"/d/"_s << 0 << 1;
        QTest::newRow("LoadMode without the blank") << head + "Destination = /d/\r\nSafeMode = 0\r\n"
                                                              "[Switches]\r\nLoadMode =1\r\n"
                                                    << true << u"/e"_s << u"/d/"_s << 0 << 0;
        QTest::newRow("number out of range") << head + "Destination = /d/\r\nSafeMode = 40000\r\n"
                                                       "[Switches]\r\nLoadMode = 1\r\n"
                                             << false << u"/e"_s << u"/d/"_s << 1 << 0;
        QTest::newRow("misspelled key of the same length")
            << "[Directories]\r\nEncoderPeth = /e\r\nLastPath = /w\r\nDestination = /d/\r\n"
               "SafeMode = 0\r\n[Switches]\r\nLoadMode = 1\r\nignored\r\n"_ba
            << true << u"/e"_s << u"/d/"_s << 0 << 1;
        QTest::newRow("trailing blanks belong to the value")
            << head + "Destination = /d/  \r\nSafeMode = 1\r\n[Switches]\r\nLoadMode = 0\r\n"
            << true << u"/e"_s << u"/d/  "_s << 1 << 0;
    }
    // The eighth and ninth lines, which older files lack and older programs ignore.
    void id3v2Line_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("version");
        QTest::addColumn<bool>("replayGain");
        QTest::newRow("2.3") << "Id3v2 = 2.3\r\n"_ba << u"2.3"_s << true;
        QTest::newRow("none") << "Id3v2 = none"_ba << u"none"_s << true;
        QTest::newRow("missing") << QByteArray() << u"2.4"_s << true;
        QTest::newRow("unknown version") << "Id3v2 = 2.5\r\n"_ba << u"2.4"_s << true;
        QTest::newRow("another key") << "Id3v1 = none\r\n"_ba << u"2.4"_s << true;
        QTest::newRow("ReplayGain off") << "Id3v2 = 2.3\nReplayGain = off\n"_ba << u"2.3"_s << false;
        QTest::newRow("ReplayGain on") << "Id3v2 = 2.3\rReplayGain = on"_ba << u"2.3"_s << true;
        QTest::newRow("ReplayGain unknown") << "Id3v2 = none\r\nReplayGain = 0\r\n"_ba << u"none"_s << true;
    }
    void id3v2Line()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, version);
        QFETCH(bool, replayGain);
        writeRaw("[Directories]\r\nEncoderPath = /e\r\nLastPath = /w\r\nDestination = /d/\r\n"
                 "SafeMode = 0\r\n[Switches]\r\nLoadMode = 1\r\n"_ba + line);
        Settings read = startValues();
        read.id3v2 = Id3v2Version::V2_3;
        QVERIFY(ReadSettings(m_file, read, shower()));
        QCOMPARE(Id3v2VersionWord(read.id3v2), version);
        QCOMPARE(read.replayGain, replayGain);
    }

    void readsWhatItCan()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, complete);
        QFETCH(QString, encoderPath);
        QFETCH(QString, destination);
        QFETCH(int, deleteWatch);
        QFETCH(int, loadMode);
        writeRaw(content);
        Settings read = startValues();
        QCOMPARE(ReadSettings(m_file, read, shower()), complete);
        QCOMPARE(read.encoderPath, encoderPath);
        QCOMPARE(read.destination, destination);
        QCOMPARE(int(read.deleteWatch), deleteWatch);
        QCOMPARE(int(read.loadMode), loadMode);
    }

    void missingFileReadsNothing()
    {
        Settings read = startValues();
        QVERIFY(!ReadSettings(m_file, read, shower()));
        QCOMPARE(read.encoderPath, startValues().encoderPath);
        QVERIFY(m_shown.isEmpty());
    }

    void lastDirectoryThatCannotBeShownStopsReading()
    {
        QVERIFY(WriteSettings(m_file, {u"/stored"_s, u"/d/"_s, 0, 1}, u"/gone"_s).ok());
        Settings read = startValues();
        QVERIFY(!ReadSettings(m_file, read, shower(false)));
        QCOMPARE(read.encoderPath, u"/stored"_s);
        QCOMPARE(read.destination, startValues().destination);
        QCOMPARE(read.deleteWatch, qint16(1));
        QCOMPARE(read.loadMode, qint16(0));
    }

    void unwritableProgramDirectoryUsesTheConfigurationDirectory()
    {
        QStandardPaths::setTestModeEnabled(true);
        QCOMPARE(SettingsFilePath(m_dir.path() + u'/'), m_file);
        QString readOnly = m_dir.filePath(u"installed/"_s);
        QVERIFY(QDir().mkpath(readOnly));
        QVERIFY(QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ExeOwner));
        if (QFileInfo(readOnly).isWritable())
            readOnly = u"/proc/sys/"_s; // root writes everywhere but there
        if (QFileInfo(readOnly).isWritable())
            QSKIP("no directory here is closed to writing");
        const QString path = SettingsFilePath(readOnly);
        QCOMPARE(path, QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)
                           + u"/encoder.ini"_s);
        QVERIFY(WriteSettings(path, startValues(), u"/"_s).ok());
        QVERIFY(QFile::exists(path));
    }

    // Anything but a regular file is a reading failure (Setup opens), found
    // without opening it in a way that could block.
    void onlyRegularFilesAreRead_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("FIFO") << u"fifo"_s;
        QTest::newRow("directory") << u"directory"_s;
        QTest::newRow("link to a device") << u"device"_s;
        QTest::newRow("link to a FIFO") << u"fifo link"_s;
    }
    void onlyRegularFilesAreRead()
    {
        QFETCH(QString, kind);
        const QByteArray name = QFile::encodeName(m_file);
        if (kind == u"fifo"_s)
            QCOMPARE(::mkfifo(name.constData(), 0600), 0);
        else if (kind == u"directory"_s)
            QVERIFY(QDir().mkdir(m_file));
        else if (kind == u"device"_s)
            QVERIFY(QFile::link(u"/dev/zero"_s, m_file));
        else {
            const QString fifo = m_dir.filePath(u"fifo"_s);
            QFile::remove(fifo);
            QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
            QVERIFY(QFile::link(fifo, m_file));
        }
        Settings read = startValues();
        QVERIFY(!ReadSettings(m_file, read, shower()));
        QCOMPARE(read.encoderPath, startValues().encoderPath);
        QDir().rmdir(m_file);
    }

    // A refused or failed write says why and leaves the old file as it was.
    void failedWritesKeepTheOldFile_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<Settings>("settings");
        QTest::addColumn<QString>("lastPath");
        QTest::addColumn<QString>("reason");
        const Settings good = startValues();
        Settings brokenEncoder = good;
        brokenEncoder.encoderPath = u"/opt/two\nlines"_s;
        Settings brokenDestination = good;
        brokenDestination.destination = u"/mp3\r/"_s;
        QTest::newRow("line break in EncoderPath") << QString() << brokenEncoder << u"/"_s
                                                   << u"/opt/two\nlines"_s;
        QTest::newRow("line break in Destination") << QString() << brokenDestination << u"/"_s
                                                   << u"line break"_s;
        QTest::newRow("line break in LastPath") << QString() << good << u"/wav\ndir"_s
                                                << u"line break"_s;
        QTest::newRow("directory missing") << u"/proc/no/encoder.ini"_s << good << u"/"_s
                                           << u"/proc/no/encoder.ini"_s;
    }
    void failedWritesKeepTheOldFile()
    {
        QFETCH(QString, path);
        QFETCH(Settings, settings);
        QFETCH(QString, lastPath);
        QFETCH(QString, reason);
        writeRaw("old settings");
        const Result written = WriteSettings(path.isEmpty() ? m_file : path, settings, lastPath);
        QVERIFY(!written);
        QVERIFY2(written.message().contains(reason), qPrintable(written.message()));
        QFile file(m_file);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), "old settings"_ba);
    }

    // QSaveFile alone reports success when the data only fails at the flush.
    void fullDiskKeepsTheOldFile()
    {
        if (::geteuid() != 0)
            QSKIP("needs root to mount a small file system");
        const QString mount = m_dir.filePath(u"full"_s);
        QVERIFY(QDir().mkpath(mount));
        QCOMPARE(QProcess::execute(u"mount"_s, {u"-t"_s, u"tmpfs"_s, u"-o"_s, u"size=8k"_s,
                                                u"tmpfs"_s, mount}),
                 0);
        const QString file = mount + u"/encoder.ini"_s;
        QVERIFY(WriteSettings(file, startValues(), u"/"_s).ok());
        QFile filler(mount + u"/filler"_s);
        QVERIFY(filler.open(QIODevice::WriteOnly));
        filler.write(QByteArray(qsizetype(64) * 1024, 'x')); // fills what is left
        filler.close();
        Settings bigger = startValues();
        bigger.encoderPath = QString(3000, u'e');
        const Result written = WriteSettings(file, bigger, u"/"_s);
        QFile old(file);
        const bool oldKept = old.open(QIODevice::ReadOnly) && old.readAll() == FormatSettings(startValues(), u"/"_s);
        old.close();
        QProcess::execute(u"umount"_s, {mount});
        QVERIFY(!written);
        QVERIFY2(written.message().contains(u"space"_s), qPrintable(written.message()));
        QVERIFY(oldKept);
    }
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settings_file.moc"
