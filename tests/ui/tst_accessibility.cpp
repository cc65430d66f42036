#include "about_window.h"
#include "destination_dialog.h"
#include "directory_list.h"
#include "main_window.h"
#include "properties_dialog.h"
#include "setup_dialog.h"
#include "tracks_dialog.h"
#include "support/modal_watcher.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// Roles a user works with or reads, each of which needs a name.
bool needsAName(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::EditableText:
    case QAccessible::ComboBox:
    case QAccessible::List:
    case QAccessible::ListItem:
    case QAccessible::StaticText:
    case QAccessible::Graphic:
        return true;
    default:
        return false;
    }
}

// Every control in `window`'s accessible tree as "role name", and what is
// wrong with the names: empty, only the value, or indented with blanks.
void walk(QAccessibleInterface *node, QStringList &controls, QStringList &faults)
{
    if (!node)
        return;
    const QString name = node->text(QAccessible::Name);
    const QString value = node->text(QAccessible::Value);
    const QString role = QString::fromLatin1(
        QAccessible::staticMetaObject.enumerator(QAccessible::staticMetaObject.indexOfEnumerator("Role"))
            .valueToKey(node->role()));
    if (needsAName(node->role()) && !node->state().invisible) {
        controls << role + u' ' + name;
        if (name.trimmed().isEmpty())
            faults << role + u" without a name"_s;
        else if (node->role() == QAccessible::ComboBox && name == value)
            faults << role + u" named only by its value \""_s + value + u'"';
        else if (name.startsWith(u' '))
            faults << role + u" \""_s + name + u"\" starts with blanks"_s;
    }
    for (int i = 0; i < node->childCount(); ++i)
        walk(node->child(i), controls, faults);
}

} // namespace

// What a screen reader finds in every window: a name for every control that
// says what it is, the caution tied to its check box, and the Automatic
// delete warning whichever way the box gets checked.
class TestAccessibility : public QObject {
    Q_OBJECT

    QTemporaryDir m_program;

private Q_SLOTS:
    void initTestCase()
    {
        QApplication::setWindowIcon(QIcon(u":/trelvin-sondrake.png"_s)); // as the program does
        QVERIFY(QDir(m_program.path()).mkdir(u"sub folder"_s));
        QFile wav(m_program.filePath(u"song.wav"_s));
        QVERIFY(wav.open(QIODevice::WriteOnly));
    }

    // A CD image's sheet that names no encoding, of one track.
    static FoundSheet sheetInACodePage()
    {
        FoundSheet found;
        found.sheetName = u"cd.cue"_s;
        found.encoding = "windows-1252";
        found.codePage = true;
        found.audio.sampleRate = 44100;
        TrackSheet sheet;
        sheet.tracks = {{1, 0, 44100, u"One"_s, u"Band"_s, {}, {}, 3}};
        found.reading.sheet = sheet;
        return found;
    }

    void everyControlHasAName_data()
    {
        QTest::addColumn<QString>("window");
        for (const QString &window : {u"Trelvin Sondrake 1.41"_s, u"Setup"_s, u"About Sondrake"_s,
                                      u"MP3 Properties"_s, u"Output Destination"_s,
                                      u"Tracks of cd.wav"_s})
            QTest::newRow(qPrintable(window)) << window;
    }
    void everyControlHasAName()
    {
        QFETCH(QString, window);
        std::unique_ptr<QWidget> shown;
        if (window == u"Setup"_s)
            shown = std::make_unique<Form2>(SetupValues{m_program.path(), 0, 1});
        else if (window == u"About Sondrake"_s)
            shown = std::make_unique<Form3>(nullptr, AboutDetails{});
        else if (window == u"MP3 Properties"_s)
            shown = std::make_unique<Form4>(u"song.wav"_s, ReadTagEntry(NewTagEntry()));
        else if (window == u"Output Destination"_s)
            shown = std::make_unique<Form5>(m_program.path());
        else if (window == u"Tracks of cd.wav"_s)
            shown = std::make_unique<Form7>(m_program.path(), u"cd.wav"_s, sheetInACodePage());
        else
            shown = std::make_unique<Form1>(m_program.path());
        if (auto *main = qobject_cast<Form1 *>(shown.get()))
            QVERIFY(main->Dir1->setPath(m_program.path()));
        shown->show();
        QVERIFY(QTest::qWaitForWindowExposed(shown.get()));
        QCOMPARE(shown->windowTitle(), window);
        QStringList controls;
        QStringList faults;
        walk(QAccessible::queryAccessibleInterface(shown.get()), controls, faults);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u", "_s)));
        if (window == u"Setup"_s || window == u"Output Destination"_s
            || window == u"Trelvin Sondrake 1.41"_s) {
            QVERIFY2(controls.contains(u"ComboBox File systems"_s), qPrintable(controls.join(u'|')));
            QVERIFY(controls.contains(u"List Directories"_s));
            QVERIFY(controls.contains(u"ListItem sub folder"_s)); // no indent read out
        }
        if (window == u"MP3 Properties"_s)
            QVERIFY(controls.contains(u"ComboBox Genre"_s));
        if (window == u"Tracks of cd.wav"_s) // the combo box named by its label
            QVERIFY2(controls.contains(u"ComboBox Text encoding of the track list"_s),
                     qPrintable(controls.join(u'|')));
        if (window == u"About Sondrake"_s)
            QVERIFY(controls.contains(u"Graphic Trelvin Sondrake icon"_s));
    }

    void cautionBelongsToAutomaticDelete()
    {
        Form1 window(m_program.path());
        QAccessibleInterface *box = QAccessible::queryAccessibleInterface(window.Check4);
        QCOMPARE(box->text(QAccessible::Name), u"Automatic delete"_s);
        QCOMPARE(box->text(QAccessible::Description), u"(CAUTION!)"_s);
        bool labelled = false;
        for (const auto &[other, relation] : box->relations(QAccessible::Label))
            labelled |= other->object() == window.Label1;
        QVERIFY(labelled);
    }

    void warningFollowsEveryWayOfChecking_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("mouse") << u"mouse"_s;
        QTest::newRow("keyboard") << u"keyboard"_s;
        QTest::newRow("screen reader toggle") << u"toggle"_s;
        QTest::newRow("screen reader press") << u"press"_s;
    }
    void warningFollowsEveryWayOfChecking()
    {
        QFETCH(QString, way);
        Form1 window(m_program.path());
        window.DeleteWatch = 1;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QStringList warnings;
        ModalWatcher watcher([&](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            QVERIFY(box);
            warnings << box->windowTitle();
            box->accept();
        });
        const auto check = [&] {
            if (way == u"mouse"_s) {
                QTest::mouseClick(window.Check4, Qt::LeftButton);
            } else if (way == u"keyboard"_s) {
                window.Check4->setFocus();
                QTest::keyClick(window.Check4, Qt::Key_Space);
            } else {
                QAccessibleInterface *box = QAccessible::queryAccessibleInterface(window.Check4);
                box->actionInterface()->doAction(way == u"toggle"_s
                                                     ? QAccessibleActionInterface::toggleAction()
                                                     : QAccessibleActionInterface::pressAction());
            }
        };
        check(); // on: the warning
        QTRY_COMPARE(warnings, QStringList{u"Warning"_s});
        QVERIFY(window.Check4->isChecked()); // it stays checked
        check(); // off: nothing (a press clicks a moment later)
        QTRY_VERIFY(!window.Check4->isChecked());
        check(); // on again: warned again
        QTRY_COMPARE(warnings.size(), 2);
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
