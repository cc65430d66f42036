#include "about_window.h"
#include "destination_dialog.h"
#include "form_scale.h"
#include "main_window.h"
#include "program_style.h"
#include "properties_dialog.h"
#include "setup_dialog.h"
#include "tracks_dialog.h"
#include "user_language.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOption>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

QString withoutMnemonic(QString text)
{
    return text.remove(QRegularExpression(u"&(?!&)"_s));
}

// Why `widget`'s caption does not show whole, or nothing when it does: the
// text in the widget's own font against the room the style draws it in.
QString cutCaption(const QWidget *widget)
{
    const QFontMetrics metrics = widget->fontMetrics();
    QString text;
    QRect room;
    if (const auto *label = qobject_cast<const QLabel *>(widget)) {
        if (label->text().isEmpty())
            return {};
        text = label->text();
        room = label->contentsRect();
        if (label->wordWrap()) {
            if (label->heightForWidth(room.width()) > room.height())
                return u"wrapped text \"%1\" runs below its label"_s.arg(text);
            return {};
        }
        const QSize needed = metrics.size(0, text);
        if (needed.width() > room.width() || needed.height() > room.height())
            return u"label \"%1\" needs %2x%3, has %4x%5"_s.arg(text)
                .arg(needed.width()).arg(needed.height()).arg(room.width()).arg(room.height());
        return {};
    }
    if (const auto *group = qobject_cast<const QGroupBox *>(widget)) {
        text = group->title();
        if (!text.isEmpty() && metrics.horizontalAdvance(text) > group->width())
            return u"frame title \"%1\" is wider than its frame"_s.arg(text);
        return {};
    }
    const auto *button = qobject_cast<const QAbstractButton *>(widget);
    if (!button || button->text().isEmpty())
        return {};
    text = withoutMnemonic(button->text());
    QStyleOptionButton option;
    option.initFrom(button);
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QCheckBox *>(button))
        contents = QStyle::SE_CheckBoxContents;
    else if (qobject_cast<const QRadioButton *>(button))
        contents = QStyle::SE_RadioButtonContents;
    room = button->style()->subElementRect(contents, &option, button);
    if (metrics.horizontalAdvance(text) > room.width() || metrics.height() > button->height())
        return u"\"%1\" needs %2x%3, has %4x%5"_s.arg(text)
            .arg(metrics.horizontalAdvance(text)).arg(metrics.height())
            .arg(room.width()).arg(button->height());
    return {};
}

QStringList cutCaptions(const QWidget *form)
{
    QStringList cut;
    for (const QWidget *widget : form->findChildren<QWidget *>()) {
        if (const QString why = cutCaption(widget); !why.isEmpty())
            cut << form->window()->windowTitle() + u": "_s + why;
    }
    return cut;
}

// The greatest difference in grey between the window and any pixel of the
// box or circle a check box or option button is checked in.
int indicatorContrast(QAbstractButton *button)
{
    QImage image(button->size(), QImage::Format_RGB32);
    const QColor window = button->palette().color(QPalette::Window);
    image.fill(window);
    button->render(&image);
    QStyleOptionButton option;
    option.initFrom(button);
    const QRect box = button->style()->subElementRect(qobject_cast<QCheckBox *>(button)
                                                          ? QStyle::SE_CheckBoxIndicator
                                                          : QStyle::SE_RadioButtonIndicator,
                                                      &option, button);
    int contrast = 0;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x)
            contrast = std::max(contrast, std::abs(qGray(image.pixel(x, y)) - qGray(window.rgb())));
    }
    return contrast;
}

QPalette darkPalette()
{
    // As a dark GTK theme (Adwaita:dark) hands it over.
    QPalette dark(QColor(53, 53, 53));
    dark.setColor(QPalette::Base, QColor(45, 45, 45));
    dark.setColor(QPalette::Text, QColor(238, 238, 236));
    dark.setColor(QPalette::WindowText, QColor(238, 238, 236));
    dark.setColor(QPalette::ButtonText, QColor(238, 238, 236));
    return dark;
}

} // namespace

// Every window as the user's desktop draws it: any font size fits without a
// caption cut (the forms grow instead), now and after the font changes, and
// every check box and option button shows on light and dark palettes. Runs
// at screen scale factors 1, 1.5 and 2 (QT_SCALE_FACTOR, one run each).
class TestFormLook : public QObject {
    Q_OBJECT

    QTemporaryDir m_program;
    QFont m_startFont;

    struct Windows {
        std::unique_ptr<Form1> main;
        std::unique_ptr<Form2> setup;
        std::unique_ptr<Form3> about;
        std::unique_ptr<Form4> properties;
        std::unique_ptr<Form5> destination;
        std::unique_ptr<Form7> tracks;

        QList<QWidget *> all() const
        {
            return {main->centralWidget(), setup.get(), about.get(), properties.get(),
                    destination.get(), tracks.get()};
        }
    };

    // A CD image's sheet in a code page, with a note, as the tracks dialog shows it.
    static FoundSheet imageSheet()
    {
        FoundSheet found;
        found.sheetName = u"A rather long sheet name.cue"_s;
        found.encoding = "windows-1252";
        found.codePage = true;
        found.audio.sampleRate = 32000;
        TrackSheet sheet;
        sheet.note = u"at 32000 Hz the sheet's times (1/75 s) fall between sample frames: each "
                     "is rounded to the nearest"_s;
        sheet.tracks = {{1, 0, 32000 * 200, u"Shine On You Crazy Diamond (Parts I-V)"_s,
                         u"Pink Floyd"_s, {}, {}, 4},
                        {2, 32000 * 200, 32000 * 3000, u"Welcome to the Machine"_s,
                         u"Pink Floyd"_s, {}, {}, 7}};
        found.reading.sheet = sheet;
        return found;
    }

    Windows openAll() const
    {
        return {std::make_unique<Form1>(m_program.path()),
                std::make_unique<Form2>(SetupValues{m_program.path(), 0, 1}),
                std::make_unique<Form3>(nullptr,
                                        AboutDetails{u"Trelvin Sondrake"_s, u"Written by T. Sondrake"_s,
                                                     u"Copyright (c) 1998 Sondrake Software"_s,
                                                     u"All rights reserved."_s, u"1 Long Street"_s,
                                                     u"Springfield, ST 12345"_s,
                                                     u"https://www.example.org/sondrake"_s,
                                                     u"author@example.org"_s}),
                std::make_unique<Form4>(u"A rather long file name.wav"_s,
                                        ReadTagEntry(NewTagEntry())),
                std::make_unique<Form5>(m_program.path()),
                std::make_unique<Form7>(m_program.path(), u"A rather long file name.wav"_s,
                                        imageSheet())};
    }

    static void useFontSize(int points)
    {
        QFont font = QApplication::font();
        font.setPointSize(points);
        QApplication::setFont(font);
        QCoreApplication::processEvents(); // the windows take it from a posted event
    }

private Q_SLOTS:
    void initTestCase()
    {
        UseProgramStyle();
        UseUserLanguage(); // LANGUAGE: the windows in another language
        m_startFont = QApplication::font();
    }
    void cleanup() { QApplication::setFont(m_startFont); }

    void fontSizes_data()
    {
        QTest::addColumn<int>("points");
        QTest::newRow("9 pt") << 9;
        QTest::newRow("11 pt") << 11;
        QTest::newRow("14 pt") << 14;
    }

    void noCaptionIsCut_data() { fontSizes_data(); }
    void noCaptionIsCut()
    {
        QFETCH(int, points);
        useFontSize(points);
        const Windows windows = openAll();
        QStringList cut;
        for (const QWidget *window : windows.all())
            cut << cutCaptions(window);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u'\n')));
        // Bold marks stay bold in the user's size.
        QVERIFY(windows.main->Label1->font().bold());
        QCOMPARE(windows.main->Label1->font().pointSize(), points);
    }

    // A font set after the windows are built (a theme tool does that) fits
    // too, and going back gives back the window as it was.
    void fontChangeRefits_data() { fontSizes_data(); }
    void fontChangeRefits()
    {
        QFETCH(int, points);
        useFontSize(8);
        const Windows windows = openAll();
        QList<QSize> designed;
        for (const QWidget *window : windows.all())
            designed << window->size();
        useFontSize(points);
        QStringList cut;
        for (const QWidget *window : windows.all())
            cut << cutCaptions(window);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u'\n')));
        QCOMPARE(windows.main->Command1->font().pointSize(), points);
        if (points >= 11)
            QVERIFY(windows.main->centralWidget()->width() > designed[0].width());
        useFontSize(8);
        const auto all = windows.all();
        for (qsizetype i = 0; i < designed.size(); ++i)
            QCOMPARE(all[i]->size(), designed[i]);
    }

    // Twips are a floor: a small font never shrinks a form below its design.
    void smallFontKeepsTheDesignedSize()
    {
        useFontSize(6);
        const Windows windows = openAll();
        const QWidget *client = windows.main->centralWidget();
        QCOMPARE(FormScale(client), 1.0);
        QCOMPARE(client->size(), QSize(425, 318) * client->logicalDpiX() / 96);
        QCOMPARE(windows.properties->size(), QSize(225, 212) * client->logicalDpiX() / 96);
    }

    // A larger font grows a form with it, no more: nothing inside a control
    // (a spin box's own text field) may ask for a larger scale of its own.
    void formsGrowWithTheFontOnly_data() { fontSizes_data(); }
    void formsGrowWithTheFontOnly()
    {
        QFETCH(int, points);
        useFontSize(points);
        const Windows windows = openAll();
        for (const QWidget *window : windows.all())
            QVERIFY2(FormScale(window) <= points / 9.0 * 1.6,
                     qPrintable(window->windowTitle() + u": "_s + QString::number(FormScale(window))));
    }

    void controlsShowOnEveryPalette_data()
    {
        QTest::addColumn<QPalette>("palette");
        QTest::newRow("light") << QApplication::style()->standardPalette();
        QTest::newRow("dark") << darkPalette();
    }
    void controlsShowOnEveryPalette()
    {
        QFETCH(QPalette, palette);
        const QPalette before = QApplication::palette();
        QApplication::setPalette(palette);
        const Windows windows = openAll();
        windows.main->DeleteWatch = 0; // checking Automatic delete here warns nobody
        QStringList faint;
        for (const QWidget *window : QList<QWidget *>{windows.main.get(), windows.setup.get()}) {
            for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
                if (!qobject_cast<QCheckBox *>(button) && !qobject_cast<QRadioButton *>(button))
                    continue;
                // What cannot be chosen may look so (ReplayGain without an ID3v2 tag).
                if (!button->isEnabled())
                    continue;
                for (const bool checked : {false, true}) {
                    button->setChecked(checked);
                    if (const int contrast = indicatorContrast(button); contrast < 64)
                        faint << u"%1 (%2): %3"_s.arg(button->text()).arg(checked).arg(contrast);
                }
            }
        }
        QApplication::setPalette(before);
        QVERIFY2(faint.isEmpty(), qPrintable(faint.join(u", "_s)));
    }
};

QTEST_MAIN(TestFormLook)
#include "tst_form_look.moc"
