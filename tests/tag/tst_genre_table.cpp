#include "tag/genre_table.h"

#include <QSet>
#include <QTest>

#include <algorithm>

using namespace Qt::StringLiterals;
using namespace Module1;

namespace {

// The dialog's ordering rule, written independently of the table: case
// folded, blank and "&", "+", "-" before every letter, a prefix first.
int rank(QChar c)
{
    const QChar lower = c.toLower();
    if (lower == u' ' || lower == u'&' || lower == u'+' || lower == u'-')
        return lower.unicode(); // all below 'a'
    return 1000 + lower.unicode();
}

bool listsBefore(const QString &a, const QString &b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](QChar x, QChar y) { return rank(x) < rank(y); });
}

} // namespace

class TestGenreTable : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void listOrderFollowsTheOrderingRule()
    {
        QStringList derived;
        for (int number = 0; number < GenreCount; ++number)
            derived.append(GenreName(number).toString());
        std::sort(derived.begin(), derived.end(), listsBefore);
        QCOMPARE(GenreNamesInListOrder(), derived);
        QCOMPARE(derived.first(), u"Acid"_s);
        QCOMPARE(derived.last(), u"Vocal"_s);
    }

    void everyNumberAndPositionOnce()
    {
        QSet<int> positions;
        for (int number = 0; number < GenreCount; ++number) {
            const QString name = GenreName(number).toString();
            QCOMPARE(GenreNumber(name), number);
            positions.insert(GenreListPosition(name));
        }
        QCOMPARE(positions.size(), GenreCount);
        QCOMPARE(*std::max_element(positions.begin(), positions.end()), GenreCount - 1);
    }

    void roundTripThroughTheList()
    {
        const QStringList names = GenreNamesInListOrder();
        for (int position = 0; position < names.size(); ++position) {
            QCOMPARE(GenreListPosition(names[position]), position);
            QCOMPARE(GenreName(GenreNumber(names[position])), names[position]);
        }
    }

    void lookups_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("position");
        QTest::newRow("empty is Sound Clip") << QString() << 37 << 38;
        QTest::newRow("Sound Clip itself") << u"Sound Clip"_s << 37 << 38;
        QTest::newRow("case matters") << u"blues"_s << 37 << 38;
        QTest::newRow("trailing blank not removed") << u"Blues "_s << 37 << 38;
        QTest::newRow("leading blank not removed") << u" Rock"_s << 37 << 38;
        QTest::newRow("not Other") << u"Polka"_s << 37 << 38;
        QTest::newRow("Acid first") << u"Acid"_s << 34 << 0;
        QTest::newRow("Vocal last") << u"Vocal"_s << 28 << 43;
        QTest::newRow("Punk") << u"Punk"_s << 43 << 31;
        QTest::newRow("Euro-Techno") << u"Euro-Techno"_s << 25 << 12;
        QTest::newRow("Jazz+Funk") << u"Jazz+Funk"_s << 29 << 23;
        QTest::newRow("R&B") << u"R&B"_s << 14 << 32;
        QTest::newRow("Classic Rock before Classical") << u"Classic Rock"_s << 1 << 6;
        QTest::newRow("Alternative before AlternRock") << u"AlternRock"_s << 40 << 2;
    }
    void lookups()
    {
        QFETCH(QString, name);
        QFETCH(int, number);
        QFETCH(int, position);
        QCOMPARE(GenreNumber(name), number);
        QCOMPARE(GenreListPosition(name), position);
    }
};

QTEST_APPLESS_MAIN(TestGenreTable)
#include "tst_genre_table.moc"
