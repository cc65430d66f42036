#include "about_window.h"
#include "destination_dialog.h"
#include "directory_list.h"
#include "drive_list.h"
#include "folder_picker.h"
#include "main_window.h"
#include "properties_dialog.h"
#include "setup_dialog.h"
#include "support/modal_watcher.h"
#include "wav_file_list.h"

#include "tag/tag_entries.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// The Properties, Setup, Destination and About windows, driven as a user
// drives them.
class TestDialogs : public QObject {
    Q_OBJECT

    QTemporaryDir m_program;
    QTemporaryDir m_wavs;

    // A main window listing two WAVs, the first one current.
    std::unique_ptr<Form1> listingWindow()
    {
        auto window = std::make_unique<Form1>(m_program.path());
        window->Dir1->setPath(m_wavs.path());
        window->File1->setCurrentRow(0);
        return window;
    }

    // Opens the Properties dialog from the menu and lets `edit` work in it.
    static int editProperties(Form1 &window, const std::function<void(Form4 *)> &edit)
    {
        ModalWatcher watcher([&](QWidget *modal) {
            auto *dialog = qobject_cast<Form4 *>(modal);
            QVERIFY(dialog);
            edit(dialog);
        });
        window.Properties->trigger();
        return watcher.seen();
    }

private Q_SLOTS:
    void initTestCase()
    {
        for (const QString &name : {u"first.wav"_s, u"second.wav"_s}) {
            QFile file(m_wavs.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
    }

    void newEntryOpensEmptyWithSoundClip()
    {
        auto window = listingWindow();
        QCOMPARE(editProperties(*window, [](Form4 *dialog) {
                     QCOMPARE(dialog->windowTitle(), u"MP3 Properties"_s);
                     for (QLineEdit *field : {dialog->Text1, dialog->Text2, dialog->Text3,
                                              dialog->Text4, dialog->Text5})
                         QVERIFY(field->text().isEmpty());
                     QCOMPARE(dialog->Combo1->currentText(), u"Sound Clip"_s);
                     QCOMPARE(dialog->Combo1->count(), 44);
                     QVERIFY(!dialog->Combo1->isEditable());
                     dialog->Command1->click();
                 }),
                 1);
        const QString entry = window->List1[0];
        QCOMPARE(entry.size(), 154);
        QCOMPARE(entry.mid(94, 30), u"Sound Clip"_s + QString(20, u' '));
        QCOMPARE(window->List1[1], NewTagEntry());
    }

    void typedFieldsRoundTrip()
    {
        auto window = listingWindow();
        editProperties(*window, [](Form4 *dialog) {
            QTest::keyClicks(dialog->Text1, u"  Lead blanks  "_s);
            QTest::keyClicks(dialog->Text2, u"Artist"_s);
            QTest::keyClicks(dialog->Text3, QString(35, u'a')); // whole for the ID3v2 tag
            QTest::keyClicks(dialog->Text4, u"99"_s);
            dialog->Combo1->setCurrentIndex(dialog->Combo1->findText(u"Jazz+Funk"_s));
            QTest::keyClicks(dialog->Text5, u"Note"_s);
            dialog->Command1->click();
        });
        const TagFields stored = ReadTagEntry(window->List1[0]);
        QCOMPARE(stored.title, u"  Lead blanks"_s + QString(17, u' '));
        QCOMPARE(stored.album, QString(30, u'a'));
        QCOMPARE(stored.year, u"99  "_s);
        QCOMPARE(stored.genre, u"Jazz+Funk"_s + QString(21, u' '));

        // Reopened: trailing blanks gone, leading ones kept, the genre again.
        editProperties(*window, [](Form4 *dialog) {
            QCOMPARE(dialog->Frame1->title(), u"first.wav"_s);
            QCOMPARE(dialog->Text1->text(), u"  Lead blanks"_s);
            QCOMPARE(dialog->Text4->text(), u"99"_s);
            QCOMPARE(dialog->Combo1->currentIndex(), 23);
            QCOMPARE(dialog->Text3->text(), QString(35, u'a'));
            // Cancel after changing everything changes nothing.
            dialog->Text1->setText(u"changed"_s);
            dialog->Combo1->setCurrentIndex(0);
            dialog->Command2->click();
        });
        QCOMPARE(ReadTagEntry(window->List1[0]), stored);

        // Without an ID3v2 tag the fields keep the trailer's 30 characters.
        window->Id3v2 = Id3v2Version::None;
        editProperties(*window, [](Form4 *dialog) {
            QCOMPARE(dialog->Text3->text(), QString(30, u'a'));
            QTest::keyClicks(dialog->Text1, QString(35, u'b'));
            QCOMPARE(dialog->Text1->text().size(), 30);
            dialog->Command2->click();
        });
    }

    void setupChoosesTheId3v2Tag()
    {
        Form2 dialog({m_wavs.path(), 0, 1, Id3v2Version::V2_3});
        QVERIFY(dialog.Option14->isChecked());
        dialog.Option15->click();
        dialog.Command3->click();
        QCOMPARE(Id3v2VersionWord(dialog.values().id3v2), u"none"_s);
    }

    void nothingToEdit_data()
    {
        QTest::addColumn<bool>("emptyList");
        QTest::newRow("empty file list") << true;
        QTest::newRow("no current file") << false;
    }
    void nothingToEdit()
    {
        QFETCH(bool, emptyList);
        Form1 window(m_program.path());
        if (emptyList) {
            QVERIFY(window.Dir1->setPath(m_program.path()));
        } else {
            window.Dir1->setPath(m_wavs.path());
            window.File1->setCurrentRow(-1);
        }
        QCOMPARE(editProperties(window, [](Form4 *dialog) { dialog->reject(); }), 0);
        window.Props->trigger();
        QCOMPARE(window.List1, emptyList ? QStringList() : QStringList(2, NewTagEntry()));
    }

    void destinationOkayAddsOneSlash_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("stored");
        QTest::newRow("ordinary directory") << m_wavs.path() << m_wavs.path() + u'/';
        QTest::newRow("root stays one slash") << u"/"_s << u"/"_s;
    }
    void destinationOkayAddsOneSlash()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, stored);
        Form1 window(m_program.path());
        window.Destination = m_program.path() + u'/';
        ModalWatcher watcher([&](QWidget *modal) {
            auto *dialog = qobject_cast<Form5 *>(modal);
            QVERIFY(dialog);
            QCOMPARE(dialog->windowTitle(), u"Output Destination"_s);
            QCOMPARE(dialog->Dir2->path(), m_program.path()); // opened on the stored one
            QVERIFY(dialog->Dir2->setPath(chosen));
            dialog->Command3->click();
        });
        window.Command4->click(); // the button does what the menu entry does
        QCOMPARE(window.Destination, stored);
        window.Destination = m_program.path();
        window.Destination1->trigger();
        QCOMPARE(window.Destination, stored);
        QCOMPARE(watcher.seen(), 2);
    }

    void destinationCancelAndVanishedDirectory()
    {
        Form1 window(m_program.path());
        window.Destination = m_program.filePath(u"gone/"_s);
        ModalWatcher watcher([](QWidget *modal) {
            auto *dialog = qobject_cast<Form5 *>(modal);
            QVERIFY(dialog);
            QVERIFY(dialog->Dir2->setPath(u"/"_s));
            dialog->Command1->click();
        });
        window.Destination1->trigger();
        QCOMPARE(watcher.seen(), 1); // it still opened
        QCOMPARE(window.Destination, m_program.filePath(u"gone/"_s));
    }

    // Enter in a directory list opens the directory and nothing else; the
    // dialog's default button is not pressed.
    void enterInTheDirectoryListOnlyOpens()
    {
        Form5 dialog(m_program.path() + u'/');
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.Dir2->setFocus();
        dialog.Dir2->setCurrentRow(0); // the root
        QTest::keyClick(dialog.Dir2, Qt::Key_Return);
        QCOMPARE(dialog.Dir2->path(), u"/"_s);
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected)); // not accepted
        dialog.Command3->setFocus();
        QTest::keyClick(dialog.Command3, Qt::Key_Return); // elsewhere Enter still presses Okay
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.destination(), u"/"_s);
    }

    // Return presses the default button from every kind of control, on
    // every desktop's keyboard scheme (GNOME's made frames swallow it).
    void returnPressesOkay_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("typed");
        QTest::newRow("Properties, Title") << u"Title"_s << u"Song"_s;
        QTest::newRow("Properties, Genre") << u"Genre"_s << u"Rock"_s;
        QTest::newRow("Properties, Comment") << u"Comment"_s << u"Fine"_s;
        QTest::newRow("Setup, window mode") << u"Run L3Enc..."_s << QString();
        QTest::newRow("Setup, warning") << u"AutoDelete warning messages?"_s << QString();
        QTest::newRow("Setup, file systems") << u"Setup file systems"_s << QString();
        QTest::newRow("Destination, file systems") << u"Destination file systems"_s << QString();
    }
    void returnPressesOkay()
    {
        QFETCH(QString, control);
        QFETCH(QString, typed);
        Form4 properties(u"first.wav"_s, ReadTagEntry(NewTagEntry()));
        Form2 setup({m_wavs.path(), 0, 1});
        Form5 destination(m_wavs.path());
        const QHash<QString, std::pair<QDialog *, QWidget *>> controls{
            {u"Title"_s, {&properties, properties.Text1}},
            {u"Genre"_s, {&properties, properties.Combo1}},
            {u"Comment"_s, {&properties, properties.Text5}},
            {u"Run L3Enc..."_s, {&setup, setup.Option12}},
            {u"AutoDelete warning messages?"_s, {&setup, setup.Option1}},
            {u"Setup file systems"_s, {&setup, setup.Drive2}},
            {u"Destination file systems"_s, {&destination, destination.Drive2}},
        };
        const auto [dialog, field] = controls.value(control);
        dialog->show();
        dialog->activateWindow(); // with no window manager, nothing else does
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        field->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), field);
        QTest::keyClicks(field, typed);
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QVERIFY(!dialog->isVisible());
        QVERIFY(!QApplication::activePopupWidget()); // no list opened instead
        if (dialog == &properties) {
            const TagFields fields = properties.fields(); // what was typed is kept
            QVERIFY(QStringList({fields.title, fields.genre, fields.comment}).contains(typed));
        }
    }

    void setupOpensOnTheStoredValues_data()
    {
        QTest::addColumn<int>("loadMode");
        QTest::addColumn<int>("deleteWatch");
        QTest::addColumn<bool>("minimised");
        QTest::addColumn<bool>("warn");
        QTest::newRow("0 and 1") << 0 << 1 << false << true;
        QTest::newRow("1 and 0") << 1 << 0 << true << false;
        QTest::newRow("other values") << 5 << 7 << true << false;
    }
    void setupOpensOnTheStoredValues()
    {
        QFETCH(int, loadMode);
        QFETCH(int, deleteWatch);
        QFETCH(bool, minimised);
        QFETCH(bool, warn);
        Form2 dialog({m_wavs.path(), qint16(loadMode), qint16(deleteWatch)});
        QCOMPARE(dialog.windowTitle(), u"Setup"_s);
        QCOMPARE(dialog.Dir2->path(), m_wavs.path());
        QCOMPARE(dialog.Option11->isChecked(), minimised);
        QCOMPARE(dialog.Option12->isChecked(), !minimised);
        QCOMPARE(dialog.Option1->isChecked(), warn);
        QCOMPARE(dialog.Option2->isChecked(), !warn);
        dialog.Command3->click();
        QCOMPARE(dialog.values().encoderPath, m_wavs.path());
        QCOMPARE(dialog.values().loadMode, qint16(minimised ? 1 : 0));
        QCOMPARE(dialog.values().deleteWatch, qint16(warn ? 1 : 0));
    }

    void setupDriveChoiceGoesToItsRoot()
    {
        Form2 dialog({m_wavs.path(), 0, 1});
        dialog.Folders->Drive2_Change();
        QCOMPARE(dialog.Dir2->path(), dialog.Drive2->rootPath());
        dialog.Command3->click();
        QCOMPARE(dialog.values().encoderPath, dialog.Drive2->rootPath());
    }

    void aboutTexts()
    {
        Form3 about(nullptr, {u"A. Author"_s, u"by A. Author"_s, u"(c) 1999"_s, u"All rights"_s,
                              u"1 Street"_s, u"Town"_s, u"https://example.org"_s, u"a@example.org"_s});
        QCOMPARE(about.windowTitle(), u"About Sondrake"_s);
        QCOMPARE(about.Label2->text(), u"Trelvin Sondrake v1.41"_s);
        QStringList texts;
        for (const QLabel *label : about.findChildren<QLabel *>())
            texts << label->text();
        for (const QString &text :
             {u"This release is deemed as donation-ware.   There are no"_s,
              u"obligations; however, monetary contributions are greatly"_s,
              u"appreciated and would help support the development of "_s,
              u"this and other projects in the future.  Please send your"_s,
              u"check or money order to:"_s, u"eMail the author at a@example.org"_s})
            QVERIFY2(texts.contains(text), qPrintable(text));
        QVERIFY(about.Label10->font().bold());
        QCOMPARE(about.Command2->text(), u"www"_s);
        QCOMPARE(about.Command3->text(), u"eMail"_s);
        QCOMPARE(about.Command1->text(), u"Cool!"_s);
        about.Command1->click();
        QCOMPARE(about.result(), int(QDialog::Accepted));
    }

    void aboutLeavesOutEmptyDetails()
    {
        Form3 about(nullptr, {});
        QVERIFY(!about.Command2 && !about.Label13 && !about.Command3 && !about.Label14);
        QVERIFY(!about.Label3 && !about.Label10 && !about.Label11 && !about.Label12);
        QStringList buttons;
        for (const QPushButton *button : about.findChildren<QPushButton *>())
            buttons << button->text();
        QCOMPARE(buttons, QStringList{u"Cool!"_s});
    }
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
