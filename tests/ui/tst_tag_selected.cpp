#include "directory_list.h"
#include "main_window.h"
#include "properties_dialog.h"
#include "support/modal_watcher.h"
#include "tag_selected_dialog.h"
#include "wav_file_list.h"

#include "tag/fixed_width_text.h"
#include "tag/tag_entries.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// A WAV of silence whose LIST/INFO chunk names a title, an artist, a year
// and a genre spelled in lower case.
QByteArray wavWithInfo()
{
    const auto sized = [](const QByteArray &id, const QByteArray &payload) -> QByteArray {
        QByteArray size(4, '\0');
        for (int i = 0; i < 4; ++i)
            size[i] = char(payload.size() >> (8 * i));
        return id + size + payload + (payload.size() % 2 ? "\0"_ba : ""_ba);
    };
    const QByteArray info = "INFO"_ba + sized("INAM", "From the WAV\0"_ba)
        + sized("IART", "Recorder\0"_ba) + sized("ICRD", "2019-06-01\0"_ba)
        + sized("IGNR", "ambient\0"_ba);
    const QByteArray chunks = sized("fmt ", QByteArray::fromHex("01000100401f0000803e000002001000"))
        + sized("LIST", info) + sized("data", QByteArray(16, '\0'));
    return sized("RIFF", "WAVE"_ba + chunks);
}

const QByteArray Png = QByteArray::fromBase64( // clazy:exclude=non-pod-global-static (a fixture)
    "iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAYAAAAfFcSJAAAADUlEQVR42mP8z8BQDwAEhQGAhKmMIQAAAABJRU5ErkJggg==");

QString cell(const Form6 *dialog, int row, int column)
{
    return dialog->Grid1->item(row, column)->text();
}

} // namespace

// The Tag Selected Files dialog, opened from the main window's menus and
// driven from the keyboard, as a user tags an album.
class TestTagSelected : public QObject {
    Q_OBJECT

    QTemporaryDir m_program;
    QTemporaryDir m_wavs;

    // A main window listing the four WAVs, the first three selected.
    std::unique_ptr<Form1> albumWindow()
    {
        auto window = std::make_unique<Form1>(m_program.path());
        window->Dir1->setPath(m_wavs.path());
        for (int row = 0; row < 3; ++row)
            window->File1->item(row)->setSelected(true);
        return window;
    }

    static int tagSelected(Form1 &window, const std::function<void(Form6 *)> &work)
    {
        ModalWatcher watcher([&](QWidget *modal) {
            auto *dialog = qobject_cast<Form6 *>(modal);
            QVERIFY(dialog);
            work(dialog);
        });
        window.TagSelected->trigger();
        return watcher.seen();
    }

private Q_SLOTS:
    void initTestCase()
    {
        writeFile(m_wavs.filePath(u"01 - Intro.wav"_s), wavWithInfo());
        writeFile(m_wavs.filePath(u"02 - Second Song.wav"_s), {});
        writeFile(m_wavs.filePath(u"03_Finale.wav"_s), "not a WAV"_ba);
        writeFile(m_wavs.filePath(u"other.wav"_s), {});
        writeFile(m_wavs.filePath(u"Folder.PNG"_s), Png);
    }

    // With an ID3v2 tag: the cover beside the WAVs shown before it is used,
    // another refused when it is no picture, none chosen; track numbers from
    // the names, or in list order when asked.
    void coverAndTrackNumbers()
    {
        QList<AlbumFile> files;
        for (const QString &name : {u"01 - Intro.wav"_s, u"02 - Second Song.wav"_s, u"other.wav"_s})
            files.append({name, {}, {}, {}});
        Form6 dialog(m_wavs.path(), files, nullptr, true);
        QVERIFY(dialog.Label2->text().endsWith(u"Folder.PNG"_s));
        QVERIFY(!dialog.Image1->pixmap().isNull());
        QCOMPARE(QStringList({cell(&dialog, 0, 1), cell(&dialog, 1, 1), cell(&dialog, 2, 1)}),
                 QStringList({u"1"_s, u"2"_s, u""_s}));
        dialog.Check6->setChecked(true);
        QCOMPARE(cell(&dialog, 2, 1), u"3/3"_s);

        ModalWatcher refusal([](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            QVERIFY(box && box->text().contains(u"not a JPEG or PNG picture"_s));
            box->accept();
        });
        QVERIFY(!dialog.setCover(m_wavs.filePath(u"other.wav"_s)));
        QCOMPARE(refusal.seen(), 1);
        QCOMPARE(dialog.extras().at(2).cover, m_wavs.filePath(u"Folder.PNG"_s));
        QCOMPARE(dialog.extras().at(2).track, u"3/3"_s);
        dialog.Command5->click();
        QCOMPARE(dialog.extras().at(0).cover, QString());
        QVERIFY(dialog.Image1->pixmap().isNull());
    }

    void artistAndAlbumOnceTitlesFromNames()
    {
        auto window = albumWindow();
        const QString own = MakeTagEntry({u"Old"_s, u"Old artist"_s, {}, u"1990"_s, u"Rock"_s,
                                          u"Keep me"_s});
        window->List1[1] = own;

        QCOMPARE(tagSelected(*window,
                             [](Form6 *dialog) {
                                 QCOMPARE(dialog->windowTitle(), u"Tag Selected Files"_s);
                                 QCOMPARE(dialog->Grid1->rowCount(), 3);
                                 QCOMPARE(cell(dialog, 1, 0), u"02 - Second Song.wav"_s);
                                 QCOMPARE(cell(dialog, 1, 2), u"Old"_s);
                                 QVERIFY(!dialog->Check1->isChecked());

                                 // Typing ticks the box; the preview follows.
                                 QTest::keyClicks(dialog->Text1, u"The Band"_s);
                                 QVERIFY(dialog->Check1->isChecked());
                                 QTest::keyClicks(dialog->Text2, u"First Album"_s);
                                 QCOMPARE(cell(dialog, 2, 4), u"First Album"_s);
                                 dialog->Option2->setFocus();
                                 QTest::keyClick(dialog->Option2, Qt::Key_Space);
                                 QVERIFY(dialog->Option2->isChecked());
                                 QCOMPARE(cell(dialog, 0, 2), u"Intro"_s);
                                 QCOMPARE(cell(dialog, 1, 2), u"Second Song"_s);
                                 QCOMPARE(cell(dialog, 2, 2), u"Finale"_s);
                                 QCOMPARE(cell(dialog, 1, 3), u"The Band"_s);
                                 QCOMPARE(cell(dialog, 1, 6), u"Rock"_s);

                                 // Return in a field presses Okay.
                                 dialog->Text2->setFocus();
                                 QTest::keyClick(dialog->Text2, Qt::Key_Return);
                                 QVERIFY(!dialog->isVisible());
                             }),
                 1);

        const QStringList titles{u"Intro"_s, u"Second Song"_s, u"Finale"_s};
        for (int i = 0; i < 3; ++i) {
            const TagFields stored = ReadTagEntry(window->List1[i]);
            QCOMPARE(window->List1[i].size(), TagEntryLength);
            QCOMPARE(stored.title, Module1::FixWidth(titles[i], 30));
            QCOMPARE(stored.artist, Module1::FixWidth(u"The Band", 30));
            QCOMPARE(stored.album, Module1::FixWidth(u"First Album", 30));
        }
        // Fields not ticked keep what the entry held; unselected files are untouched.
        const TagFields second = ReadTagEntry(window->List1[1]);
        QCOMPARE(second.year, u"1990"_s);
        QCOMPARE(second.genre, Module1::FixWidth(u"Rock", 30));
        QCOMPARE(second.comment, Module1::FixWidth(u"Keep me", 30));
        QCOMPARE(window->List1[3], NewTagEntry());

        // The Properties dialog shows the new values.
        window->File1->setCurrentRow(1);
        ModalWatcher properties([](QWidget *modal) {
            auto *dialog = qobject_cast<Form4 *>(modal);
            QVERIFY(dialog);
            QCOMPARE(dialog->Text1->text(), u"Second Song"_s);
            QCOMPARE(dialog->Text2->text(), u"The Band"_s);
            QCOMPARE(dialog->Combo1->currentText(), u"Rock"_s);
            dialog->Command2->click();
        });
        window->Properties->trigger();
        QCOMPARE(properties.seen(), 1);
    }

    void cancelChangesNothing()
    {
        auto window = albumWindow();
        const QStringList before = window->List1;
        tagSelected(*window, [](Form6 *dialog) {
            QTest::keyClicks(dialog->Text1, u"Changed"_s);
            dialog->Combo1->setCurrentIndex(0);
            dialog->Check4->setChecked(true);
            dialog->Option2->setChecked(true);
            dialog->Command2->click();
        });
        QCOMPARE(window->List1, before);
    }

    // The WAV's own INFO tags fill the preview; a file that cannot be read
    // is named in a message, and the others are still read.
    void tagsFromTheWavs()
    {
        auto window = albumWindow();
        QString message;
        tagSelected(*window, [&](Form6 *dialog) {
            QTest::keyClicks(dialog->Text2, u"Shared Album"_s);
            ModalWatcher failures([&](QWidget *modal) {
                auto *box = qobject_cast<QMessageBox *>(modal);
                QVERIFY(box);
                message = box->text();
                box->accept();
            });
            dialog->Command3->click();
            QCOMPARE(cell(dialog, 0, 2), u"From the WAV"_s);
            QCOMPARE(cell(dialog, 0, 3), u"Recorder"_s);
            QCOMPARE(cell(dialog, 0, 4), u"Shared Album"_s); // ticked fields still win
            QCOMPARE(cell(dialog, 0, 5), u"2019"_s);
            QCOMPARE(cell(dialog, 0, 6), u"Ambient"_s);
            QVERIFY(dialog->Label1->text().startsWith(u"1 of 3"_s));
            dialog->Command1->click();
        });
        QVERIFY2(message.contains(u"03_Finale.wav"_s) && message.contains(u"not a WAV file"_s),
                 qPrintable(message));
        const TagFields first = ReadTagEntry(window->List1[0]);
        QCOMPARE(first.title, Module1::FixWidth(u"From the WAV", 30));
        QCOMPARE(first.genre, Module1::FixWidth(u"Ambient", 30));
        QCOMPARE(first.album, Module1::FixWidth(u"Shared Album", 30));
    }

    void nothingSelectedSaysSo_data()
    {
        QTest::addColumn<bool>("popup");
        QTest::newRow("File menu") << false;
        QTest::newRow("pop-up menu") << true;
    }
    void nothingSelectedSaysSo()
    {
        QFETCH(bool, popup);
        Form1 window(m_program.path());
        window.Dir1->setPath(m_wavs.path());
        QString text;
        ModalWatcher watcher([&](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            QVERIFY(box);
            text = box->text();
            box->accept();
        });
        (popup ? window.TagSelectedFiles : window.TagSelected)->trigger();
        QCOMPARE(watcher.seen(), 1);
        QVERIFY(text.startsWith(u"No files are selected."_s));
        QCOMPARE(window.List1, QStringList(4, NewTagEntry()));
    }

    void menusPlaceTheEntryBelowProperties()
    {
        Form1 window(m_program.path());
        const QList<QAction *> file = window.File->actions();
        QCOMPARE(file.indexOf(window.TagSelected), file.indexOf(window.Properties) + 1);
        QCOMPARE(window.TagSelected->text(), u"&Tag selected..."_s);
        const QList<QAction *> popup = window.Popup->actions();
        QCOMPARE(popup.indexOf(window.TagSelectedFiles), popup.indexOf(window.Props) + 1);
    }

    void everyControlIsNamedAndReachable()
    {
        Form6 dialog(m_wavs.path(), {{u"a.wav"_s, {}, {}, {}}}, nullptr, true);
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        for (QWidget *field : dialog.findChildren<QWidget *>()) {
            if (qobject_cast<QLineEdit *>(field) || qobject_cast<QComboBox *>(field)
                || qobject_cast<QTableWidget *>(field))
                QVERIFY2(!field->accessibleName().isEmpty(), field->metaObject()->className());
        }
        // Tab runs through every control once, in reading order.
        const QList<QWidget *> order{dialog.Check1, dialog.Text1, dialog.Check2, dialog.Text2,
                                     dialog.Check3, dialog.Text3, dialog.Check4, dialog.Combo1,
                                     dialog.Check5, dialog.Text4, dialog.Option1, dialog.Check6,
                                     dialog.Command3, dialog.Command4, dialog.Command5,
                                     dialog.Grid1, dialog.Command1, dialog.Command2};
        dialog.Check1->setFocus();
        for (qsizetype i = 1; i < order.size(); ++i) {
            QVERIFY(QApplication::focusWidget());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), order[i]);
        }
    }
};

QTEST_MAIN(TestTagSelected)
#include "tst_tag_selected.moc"
