#include "tag/fixed_width_text.h"

#include <QTest>

using namespace Qt::StringLiterals;
using Module1::FixWidth;
using Module1::TrimEnd;

class TestFixedWidthText : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void fixWidth_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("expected");
        QTest::newRow("padded by one") << u"abc"_s << 4 << u"abc "_s;
        QTest::newRow("cut keeps the first characters") << QString(31, u'x') + u'y' << 30
                                                         << QString(30, u'x');
        QTest::newRow("empty becomes blanks") << QString() << 30 << QString(30, u' ');
        QTest::newRow("exact width unchanged") << u"1999"_s << 4 << u"1999"_s;
        QTest::newRow("blanks inside count") << u" a b"_s << 2 << u" a"_s;
        QTest::newRow("zero width") << u"abc"_s << 0 << QString();
        QTest::newRow("non-ASCII counts characters") << u"Motörhead"_s << 10 << u"Motörhead "_s;
        // Composed before the cut, which never splits a letter.
        QTest::newRow("decomposed letter at the edge")
            << QString(29, u'x') + u"e\u0301, part two"_s << 30 << QString(29, u'x') + u"\u00e9"_s;
        // One place per character a person sees; one no code unit holds is "?".
        QTest::newRow("mark without a composed form stays with its letter")
            << QString(29, u'x') + u"q\u0303"_s << 30 << QString(29, u'x') + u'?';
        QTest::newRow("character beyond 16 bits takes one place")
            << QString(29, u'x') + u"\U0001F600!"_s << 30 << QString(29, u'x') + u'?';
        QTest::newRow("emoji at the start") << u"\U0001F3B5 a long title"_s << 6 << u"? a lo"_s;
        QTest::newRow("vowel sign stays with its consonant")
            << u"Kanad \u0930\u093E\u0917"_s << 8 << u"Kanad ?\u0917"_s;
        QTest::newRow("a family joined by ZWJ is one") << u"\U0001F468\u200D\U0001F469\u200D\U0001F467 x"_s
                                                       << 3 << u"? x"_s;
        QTest::newRow("ZWNJ stays with its letter") << u"\u0645\u06CC\u200C\u062E"_s << 4
                                                    << u"\u0645?\u062E "_s;
        QTest::newRow("byte-order mark takes no place") << u"\uFEFFTitle"_s << 6 << u"Title "_s;
    }
    void fixWidth()
    {
        QFETCH(QString, text);
        QFETCH(int, width);
        QFETCH(QString, expected);
        QCOMPARE(FixWidth(text, width), expected);
    }

    void trimEnd_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("leading kept, trailing gone") << u"  ab  "_s << u"  ab"_s;
        QTest::newRow("all blanks") << QString(125, u' ') << QString();
        QTest::newRow("tab is not a blank") << u"ab\t"_s << u"ab\t"_s;
        QTest::newRow("blank before a tab stays") << u"ab \t"_s << u"ab \t"_s;
        QTest::newRow("inner blanks stay") << u"Sound Clip   "_s << u"Sound Clip"_s;
        QTest::newRow("empty") << QString() << QString();
    }
    void trimEnd()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(TrimEnd(text), expected);
    }
};

QTEST_APPLESS_MAIN(TestFixedWidthText)
#include "tst_fixed_width_text.moc"
