#include "base/read_number.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestReadNumber : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void reads_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("digit and blank") << u"7 "_s << 7;
        QTest::newRow("two digits") << u"42"_s << 42;
        QTest::newRow("two blanks") << u"  "_s << 0;
        QTest::newRow("letters") << u"ab"_s << 0;
        QTest::newRow("minus one") << u"-1"_s << -1;
        QTest::newRow("plus sign") << u"+5"_s << 5;
        QTest::newRow("empty") << QString() << 0;
        QTest::newRow("leading blank") << u" 1"_s << 1;
        QTest::newRow("blanks between digits") << u"1 2"_s << 12;
        QTest::newRow("tab and line feed skipped") << u"\t3\n4"_s << 34;
        QTest::newRow("stops at a letter") << u"12ab3"_s << 12;
        QTest::newRow("second sign stops") << u"1-2"_s << 1;
        QTest::newRow("carriage return stops") << u"1\r2"_s << 1;
        QTest::newRow("half to even down") << u"2.5"_s << 2;
        QTest::newRow("half to even up") << u"3.5"_s << 4;
        QTest::newRow("below half") << u"2.49"_s << 2;
        QTest::newRow("negative half") << u"-2.5"_s << -2;
        QTest::newRow("second point stops") << u"1.5.9"_s << 2;
        QTest::newRow("point alone") << u"."_s << 0;
        QTest::newRow("minus alone") << u"-"_s << 0;
        QTest::newRow("lowest") << u"-32768"_s << -32768;
        QTest::newRow("highest") << u"32767"_s << 32767;
        QTest::newRow("rounds into range") << u"32767.4"_s << 32767;
    }
    void reads()
    {
        QFETCH(QString, text);
        QFETCH(int, value);
        const std::optional<qint16> number = ReadWholeNumber(text);
        QVERIFY(number.has_value());
        QCOMPARE(int(*number), value);
    }

    void outOfRange_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("above") << u"32768"_s;
        QTest::newRow("below") << u"-32769"_s;
        QTest::newRow("rounds out of range") << u"32767.5"_s;
        QTest::newRow("huge") << QString(400, u'9');
    }
    void outOfRange()
    {
        QFETCH(QString, text);
        QVERIFY(!ReadWholeNumber(text).has_value());
    }
};

QTEST_APPLESS_MAIN(TestReadNumber)
#include "tst_read_number.moc"
