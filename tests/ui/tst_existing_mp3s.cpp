#include "main_window.h"
#include "support/modal_watcher.h"
#include "wav_file_list.h"

#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// Encode never replaces MP3s that exist without asking once: replace them,
// skip those files, or cancel.
class TestExistingMp3s : public QObject {
    Q_OBJECT

    QTemporaryDir m_program; // the program's directory, with L3ENC and its settings
    QTemporaryDir m_wavs;    // WAVs and MP3s side by side

    void touch(const QString &path)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("x");
    }

private Q_SLOTS:
    void initTestCase()
    {
        for (const QString &name : {u"b.wav"_s, u"c.wav"_s, u"d.wav"_s, u"b.mp3"_s, u"c.mp3"_s})
            touch(m_wavs.filePath(name));
        touch(m_program.filePath(u"L3ENC"_s));
        QVERIFY(QFile::setPermissions(m_program.filePath(u"L3ENC"_s), QFile::ReadOwner | QFile::ExeOwner));
        QFile settings(m_program.filePath(u"encoder.ini"_s));
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write((u"[Directories]\r\nEncoderPath = "_s + m_program.path() + u"\r\nLastPath = "_s
                        + m_wavs.path() + u"\r\nDestination = "_s + m_wavs.path()
                        + u"/\r\nSafeMode = 1\r\n[Switches]\r\nLoadMode = 0\r\n"_s)
                           .toUtf8());
    }

    void answers_data()
    {
        QTest::addColumn<QString>("button"); // what the user presses
        QTest::addColumn<QStringList>("encoded");
        QTest::newRow("replace") << u"&Replace"_s << QStringList{u"b"_s, u"c"_s, u"d"_s};
        QTest::newRow("skip") << u"&Skip those files"_s << QStringList{u"d"_s};
        QTest::newRow("cancel") << u"Cancel"_s << QStringList();
        QTest::newRow("escape") << QString() << QStringList();
    }
    void answers()
    {
        QFETCH(QString, button);
        QFETCH(QStringList, encoded);
        QFile::remove(m_program.filePath(u"TEMP.BAT"_s));
        Form1 window(m_program.path());
        window.Form_Load();
        bool started = false;
        window.setScriptStarter([&](const QString &, const QString &) {
            started = true;
            return Result::success();
        });
        QString question;
        ModalWatcher watcher([&](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            QVERIFY(box);
            question = box->text();
            // The default replaces nothing.
            QCOMPARE(box->defaultButton()->text(), u"&Skip those files"_s);
            if (button.isEmpty()) {
                QTest::keyClick(box, Qt::Key_Escape);
                return;
            }
            for (QAbstractButton *choice : box->buttons()) {
                if (choice->text() == button)
                    choice->click();
            }
        });
        for (int row = 0; row < window.File1->count(); ++row)
            window.File1->item(row)->setSelected(true);
        window.Command1->click();

        QCOMPARE(watcher.seen(), 1);
        QVERIFY2(question.startsWith(u"2 MP3 files exist already in the destination and would be "
                                     "replaced:\n\nb.mp3\nc.mp3\n"_s),
                 qPrintable(question));
        QCOMPARE(started, !encoded.isEmpty());
        QFile script(m_program.filePath(u"TEMP.BAT"_s));
        QCOMPARE(script.exists(), !encoded.isEmpty());
        if (encoded.isEmpty())
            return;
        QVERIFY(script.open(QIODevice::ReadOnly));
        const QByteArray text = script.readAll();
        for (const QString &name : {u"b"_s, u"c"_s, u"d"_s})
            QCOMPARE(text.contains(QByteArray("/" + name.toUtf8() + ".wav' '")), encoded.contains(name));
    }
};

QTEST_MAIN(TestExistingMp3s)
#include "tst_existing_mp3s.moc"
