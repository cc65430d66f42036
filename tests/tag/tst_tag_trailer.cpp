#include "tag/tag_trailer.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace Module1;

namespace {

QByteArray audioBytes(int size)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char(i * 7 + 1);
    return bytes;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

TagWriteResult writeSample(const QString &path, qint16 genre = 17)
{
    return WriteTagTrailer(QFile::encodeName(path),
                           {u"Title"_s, u"Artist"_s, u"Album"_s, u"1999"_s, genre, u"Comment"_s});
}

} // namespace

class TestTagTrailer : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }

private Q_SLOTS:
    void recordLayout()
    {
        const QByteArray record =
            BuildTagTrailer({QString(35, u't'), u"Artist"_s, QString(), u"12345"_s, 43, QString()});
        QCOMPARE(record.size(), 128);
        QCOMPARE(record.left(3), "TAG"_ba);
        QCOMPARE(record.mid(3, 30), QByteArray(30, 't'));
        QCOMPARE(record.mid(33, 30), "Artist" + QByteArray(24, ' '));
        QCOMPARE(record.mid(63, 30), QByteArray(30, ' '));
        QCOMPARE(record.mid(93, 4), "1234"_ba);
        QCOMPARE(record.mid(97, 30), QByteArray(30, ' ')); // no NUL, no track byte
        QCOMPARE(quint8(record[127]), quint8(0x2B));
    }

    void latin1AndQuestionMarks_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QByteArray>("field");
        const auto padded = [](const QByteArray &bytes) { return bytes.leftJustified(30); };
        QTest::newRow("Latin-1") << u"Motörhead café"_s << padded("Mot\xF6rhead caf\xE9");
        QTest::newRow("outside Latin-1") << u"Dvořák 日本"_s << padded("Dvo?\xE1k ??");
        QTest::newRow("decomposed letters composed")
            << u"Cafe\u0301 Sigur Ro\u0301s"_s << padded("Caf\xE9 Sigur R\xF3s");
        QTest::newRow("emoji is one character") << u"\U0001F600 smile"_s << padded("? smile");
        QTest::newRow("no field edge splits an emoji")
            << QString(29, u'a') + u"\U0001F600b"_s << QByteArray(29, 'a') + '?';
    }
    void latin1AndQuestionMarks()
    {
        QFETCH(QString, title);
        QFETCH(QByteArray, field);
        const QByteArray record = BuildTagTrailer({title, u"Artist"_s, {}, {}, 0, {}});
        QCOMPARE(record.mid(3, 30), field);
        QCOMPARE(record.mid(33, 6), "Artist"_ba); // nothing shifted
    }

    void genreByte_data()
    {
        QTest::addColumn<int>("genre");
        QTest::addColumn<bool>("written");
        QTest::addColumn<int>("byte");
        QTest::newRow("-1 stored as 0") << -1 << true << 0;
        QTest::newRow("43") << 43 << true << 0x2B;
        QTest::newRow("255") << 255 << true << 0xFF;
        QTest::newRow("256 refused") << 256 << false << 0;
        QTest::newRow("-2 refused") << -2 << false << 0;
    }
    void genreByte()
    {
        QFETCH(int, genre);
        QFETCH(bool, written);
        QFETCH(int, byte);
        const QString file = path(u"genre.mp3"_s);
        writeFile(file, audioBytes(200));
        const TagWriteResult result = writeSample(file, qint16(genre));
        QCOMPARE(bool(result), written);
        const QByteArray bytes = readFile(file);
        if (written) {
            QCOMPARE(bytes.size(), 328);
            QCOMPARE(quint8(bytes.back()), quint8(byte));
        } else {
            QCOMPARE(result.failure, TagWriteFailure::GenreOutOfRange);
            QCOMPARE(bytes, audioBytes(200)); // nothing written at all
        }
    }

    void appendsTo129ByteFile()
    {
        const QString file = path(u"129.mp3"_s);
        writeFile(file, audioBytes(129));
        QVERIFY(bool(writeSample(file)));
        const QByteArray bytes = readFile(file);
        QCOMPARE(bytes.size(), 257);
        QCOMPARE(bytes.left(129), audioBytes(129));
        QCOMPARE(bytes.mid(129), BuildTagTrailer({u"Title"_s, u"Artist"_s, u"Album"_s, u"1999"_s,
                                                  17, u"Comment"_s}));
    }

    void replacesInPlaceKeepingMarker()
    {
        const QString file = path(u"tagged.mp3"_s);
        const QByteArray old = audioBytes(300) + "TAG" + QByteArray(125, 'x');
        writeFile(file, old);
        QVERIFY(bool(writeSample(file)));
        const QByteArray bytes = readFile(file);
        QCOMPARE(bytes.size(), old.size());
        QCOMPARE(bytes.left(303), old.left(303));
        QCOMPARE(bytes.right(128), BuildTagTrailer({u"Title"_s, u"Artist"_s, u"Album"_s,
                                                    u"1999"_s, 17, u"Comment"_s}));
    }

    void writeTwiceAppendsOnce()
    {
        const QString file = path(u"twice.mp3"_s);
        writeFile(file, audioBytes(1000));
        QVERIFY(bool(writeSample(file, 1)));
        QVERIFY(bool(WriteTagTrailer(QFile::encodeName(file), {u"Other"_s, {}, {}, {}, 2, {}})));
        const QByteArray bytes = readFile(file);
        QCOMPARE(bytes.size(), 1128);
        QCOMPARE(bytes.mid(1003, 6), "Other "_ba);
        QCOMPARE(quint8(bytes.back()), quint8(2));
    }

    void lowerCaseMarkerAppends()
    {
        const QString file = path(u"lower.mp3"_s);
        const QByteArray old = audioBytes(300) + "tag" + QByteArray(125, 'x');
        writeFile(file, old);
        QVERIFY(bool(writeSample(file)));
        const QByteArray bytes = readFile(file);
        QCOMPARE(bytes.size(), old.size() + 128);
        QCOMPARE(bytes.left(old.size()), old);
    }

    void refusals_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("failure");
        QTest::newRow("128 bytes of trailer") << "TAG" + QByteArray(125, 'a')
                                              << int(TagWriteFailure::TooShort);
        QTest::newRow("empty") << QByteArray() << int(TagWriteFailure::TooShort);
        QTest::newRow("one byte") << "x"_ba << int(TagWriteFailure::TooShort);
    }
    void refusals()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, failure);
        const QString file = path(u"short.mp3"_s);
        writeFile(file, content);
        const TagWriteResult result = writeSample(file);
        QCOMPARE(int(result.failure), failure);
        QCOMPARE(readFile(file), content);
    }

    void missingFileIsNotCreated()
    {
        const QString file = path(u"missing.mp3"_s);
        const TagWriteResult result = writeSample(file);
        QCOMPARE(result.failure, TagWriteFailure::NoSuchFile);
        QVERIFY(!QFile::exists(file));
        QCOMPARE(writeSample(path(u"no/such/dir.mp3"_s)).failure, TagWriteFailure::NoSuchFile);
        QCOMPARE(writeSample(QString()).failure, TagWriteFailure::NoSuchFile);
    }

    void notRegularFiles()
    {
        QCOMPARE(writeSample(m_dir.path()).failure, TagWriteFailure::NotRegularFile);
        const QString fifo = path(u"fifo.mp3"_s);
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QCOMPARE(writeSample(fifo).failure, TagWriteFailure::NotRegularFile); // and no hang
        QCOMPARE(writeSample(u"/dev/null"_s).failure, TagWriteFailure::NotRegularFile);
    }

    void readOnlyFileUntouched()
    {
        if (::geteuid() == 0)
            QSKIP("root may write read-only files");
        const QString file = path(u"readonly.mp3"_s);
        writeFile(file, audioBytes(500));
        QVERIFY(QFile::setPermissions(file, QFile::ReadOwner));
        QCOMPARE(writeSample(file).failure, TagWriteFailure::ReadOnly);
        QCOMPARE(readFile(file), audioBytes(500));
    }

    void describesFailures()
    {
        QCOMPARE(DescribeFailure({TagWriteFailure::TooShort, 0}),
                 u"too short to be an MP3 (129 bytes at least)"_s);
        QVERIFY(DescribeFailure({TagWriteFailure::ReadOnly, EACCES}).startsWith(u"read-only: "_s));
    }
};

QTEST_APPLESS_MAIN(TestTagTrailer)
#include "tst_tag_trailer.moc"
