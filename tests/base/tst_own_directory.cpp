#include "base/own_directory.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace Qt::StringLiterals;

class TestOwnDirectory : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QString path(const QString &name) const { return m_dir.filePath(name); }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(QDir().mkpath(path(u"mine"_s)));
        QVERIFY(QFile::link(path(u"mine"_s), path(u"link to mine"_s)));
        QVERIFY(QFile::link(u"/usr/lib"_s, path(u"link into the system"_s)));
        QFile file(path(u"a file"_s));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }

    // Root may write all of these; the answer must not depend on who runs it.
    void decides_data()
    {
        QTest::addColumn<QString>("directory");
        QTest::addColumn<bool>("own");
        QTest::newRow("own directory") << path(u"mine/"_s) << true;
        QTest::newRow("without the slash") << path(u"mine"_s) << true;
        QTest::newRow("through a link") << path(u"link to mine/"_s) << true;
        QTest::newRow("installed program") << u"/usr/lib/"_s << false;
        QTest::newRow("/usr/local") << u"/usr/local/bin/"_s << false;
        QTest::newRow("/opt") << u"/opt/"_s << false;
        QTest::newRow("/etc") << u"/etc/"_s << false;
        QTest::newRow("/usr itself") << u"/usr"_s << false;
        QTest::newRow("link into the system") << path(u"link into the system/"_s) << false;
        QTest::newRow("dot-dot into the system") << path(u"mine/../../../../../../usr/lib/"_s)
                                                << false;
        QTest::newRow("missing") << path(u"gone/"_s) << false;
        QTest::newRow("a file") << path(u"a file"_s) << false;
        QTest::newRow("empty") << QString() << false;
    }
    void decides()
    {
        QFETCH(QString, directory);
        QFETCH(bool, own);
        QCOMPARE(IsOwnWritableDirectory(directory), own);
    }

    // A directory someone else owns, though this user may write it (/tmp,
    // or anything for root), keeps none of the program's files.
    void someoneElsesDirectoryIsNotOwn()
    {
        QString other = path(u"other"_s);
        if (::geteuid() == 0) {
            QVERIFY(QDir().mkpath(other));
            QCOMPARE(::chown(QFile::encodeName(other).constData(), 65534, 65534), 0);
        } else {
            other = QDir::tempPath();
            if (QFileInfo(other).ownerId() == ::geteuid())
                QSKIP("this user owns the temporary directory");
        }
        QVERIFY(QFileInfo(other).isWritable());
        QVERIFY(!IsOwnWritableDirectory(other));
    }

    void ownClosedDirectoryIsNotWritable()
    {
        const QString closed = path(u"closed"_s);
        QVERIFY(QDir().mkpath(closed));
        QVERIFY(QFile::setPermissions(closed, QFile::ReadOwner | QFile::ExeOwner));
        if (QFileInfo(closed).isWritable())
            QSKIP("this user writes even closed directories (root)");
        QVERIFY(!IsOwnWritableDirectory(closed));
    }
};

QTEST_APPLESS_MAIN(TestOwnDirectory)
#include "tst_own_directory.moc"
