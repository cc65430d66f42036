#include "base/display.h"

#include <QTest>

using namespace Qt::StringLiterals;

// Which window system the windows open on, by the session's environment.
class TestDisplay : public QObject {
    Q_OBJECT

    static constexpr const char *Variables[] = {"DISPLAY", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE",
                                                "QT_QPA_PLATFORM"};
    QList<QByteArray> m_saved;

private Q_SLOTS:
    void initTestCase()
    {
        for (const char *name : Variables)
            m_saved << qgetenv(name);
    }
    void cleanupTestCase()
    {
        for (qsizetype i = 0; i < m_saved.size(); ++i) {
            if (m_saved[i].isNull())
                qunsetenv(Variables[i]);
            else
                qputenv(Variables[i], m_saved[i]);
        }
    }

    void platform_data()
    {
        QTest::addColumn<QStringList>("environment"); // DISPLAY, WAYLAND_DISPLAY, session, platform
        QTest::addColumn<QString>("chosen");
        QTest::newRow("X11 session") << QStringList{u":0"_s, {}, u"x11"_s, {}} << QString();
        QTest::newRow("Wayland with XWayland: X11")
            << QStringList{u":0"_s, u"wayland-0"_s, u"wayland"_s, {}} << u"xcb;wayland"_s;
        QTest::newRow("Wayland session, socket not named yet")
            << QStringList{u":1"_s, {}, u"wayland"_s, {}} << u"xcb;wayland"_s;
        QTest::newRow("Wayland without XWayland: Qt's choice")
            << QStringList{{}, u"wayland-0"_s, u"wayland"_s, {}} << QString();
        QTest::newRow("the user's platform wins")
            << QStringList{u":0"_s, u"wayland-0"_s, u"wayland"_s, u"wayland"_s} << QString();
        QTest::newRow("no display at all") << QStringList{{}, {}, {}, {}} << QString();
    }
    void platform()
    {
        QFETCH(QStringList, environment);
        QFETCH(QString, chosen);
        for (int i = 0; i < 4; ++i) {
            if (environment[i].isEmpty())
                qunsetenv(Variables[i]);
            else
                qputenv(Variables[i], environment[i].toLocal8Bit());
        }
        QCOMPARE(ChosenQtPlatform(), chosen);
    }
};

QTEST_GUILESS_MAIN(TestDisplay)
#include "tst_display.moc"
