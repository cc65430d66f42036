#include "tag/tag_entries.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestTagEntries : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void resetGivesOneBlankEntryPerFile_data()
    {
        QTest::addColumn<int>("count");
        QTest::newRow("no WAV files") << 0;
        QTest::newRow("three") << 3;
        QTest::newRow("past 16 bits") << 40000;
    }
    void resetGivesOneBlankEntryPerFile()
    {
        QFETCH(int, count);
        QStringList entries{u"old"_s};
        ResetTagEntries(entries, count);
        QCOMPARE(entries.size(), count);
        for (const QString &entry : std::as_const(entries))
            QCOMPARE(entry, QString(125, u' '));
    }

    void newEntryReadsAsEmptyFields()
    {
        const TagFields fields = ReadTagEntry(NewTagEntry());
        QCOMPARE(fields.title, QString(30, u' '));
        QCOMPARE(fields.genre, QString(30, u' '));
        QCOMPARE(fields.comment, u" "_s); // 125 blanks leave one for the comment
    }

    void shortEntrySlices()
    {
        const TagFields fields = ReadTagEntry(QString(40, u'x'));
        QCOMPARE(fields.title, QString(30, u'x'));
        QCOMPARE(fields.artist, QString(10, u'x'));
        QVERIFY(fields.album.isEmpty() && fields.year.isEmpty() && fields.comment.isEmpty());
    }

    void writtenEntryLayout()
    {
        const QString entry = MakeTagEntry({QString(31, u't'), u"Artist"_s, u"Album"_s, u"99"_s,
                                            u"Rock"_s, u"Nice"_s});
        QCOMPARE(entry.size(), TagEntryLength);
        QCOMPARE(entry.left(30), QString(30, u't'));
        QCOMPARE(entry.mid(90, 4), u"99  "_s);
        QCOMPARE(entry.mid(94, 30), u"Rock"_s + QString(26, u' '));
        QCOMPARE(entry.mid(124, 30), u"Nice"_s + QString(26, u' '));
        QCOMPARE(ReadTagEntry(entry).artist, u"Artist"_s + QString(24, u' '));
        QCOMPARE(MakeTagEntry({}), QString(154, u' '));
    }
};

QTEST_APPLESS_MAIN(TestTagEntries)
#include "tst_tag_entries.moc"
