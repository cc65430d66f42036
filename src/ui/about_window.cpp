#include "about_window.h"

#include "about_details.h"
#include "form_helpers.h"
#include "twips.h"

#include <QApplication>
#include <QDesktopServices>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

// A label for a detail, or none when the detail is empty.
QLabel *detailLabel(QWidget *parent, const QString &text, int left, int top, int width,
                    bool bold = false)
{
    if (text.isEmpty())
        return nullptr;
    auto *label = Placed(new QLabel(text, parent), left, top, width, 255);
    if (bold)
        MakeBold(label);
    return label;
}

// One line of the engraved rule, from right to left in twips.
void ruleLine(QWidget *parent, int top, int grey)
{
    auto *line = new QWidget(parent);
    PlaceInTwips(line, 120, top, 4200 - 120, 15);
    line->setFixedHeight(1);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, QColor(grey, grey, grey));
    line->setPalette(palette);
}

} // namespace

AboutDetails AboutDetails::fromBuild()
{
    return {QString::fromUtf8(AboutAuthor),         QString::fromUtf8(AboutCreditLine),
            QString::fromUtf8(AboutCopyrightLine1), QString::fromUtf8(AboutCopyrightLine2),
            QString::fromUtf8(AboutStreet),         QString::fromUtf8(AboutTown),
            QString::fromUtf8(AboutHomePage),       QString::fromUtf8(AboutMail)};
}

Form3::Form3(QWidget *parent, const AboutDetails &details)
    : QDialog(parent, DialogFlags), m_details(details)
{
    setWindowTitle(tr("About Sondrake"));
    FixClientSizeInTwips(this, 4335, 5115);

    auto *Frame2 = Placed(new QGroupBox(this), 0, 0, 4335, 1455);
    auto *Image1 = Placed(new QLabel(Frame2), 360, 360, 480, 480);
    Image1->setPixmap(QApplication::windowIcon().pixmap(256));
    Image1->setScaledContents(true); // it grows with the form
    Image1->setAccessibleName(tr("Trelvin Sondrake icon"));
    Label2 = Placed(new QLabel(QStringLiteral("Trelvin Sondrake v" SONDRAKE_VERSION), Frame2), 1320, 240, 2415, 255);
    Label3 = detailLabel(Frame2, details.creditLine, 1320, 480, 2415);
    Label4 = detailLabel(Frame2, details.copyrightLine1, 1320, 840, 2895);
    Label5 = detailLabel(Frame2, details.copyrightLine2, 1320, 1080, 2415);

    if (!details.homePage.isEmpty()) {
        Command2 = Placed(new QPushButton(u"www"_s, this), 120, 1560, 615, 255);
        Label13 = Placed(
            new QLabel(tr("Visit the official home page at\n") + details.homePage, this), 840,
            1560, 3495, 495);
        connect(Command2, &QPushButton::clicked, this, &Form3::Command2_Click);
    }
    if (!details.mail.isEmpty()) {
        Command3 = Placed(new QPushButton(tr("eMail"), this), 120, 2040, 615, 255);
        Label14 = detailLabel(this, tr("eMail the author at ") + details.mail, 840, 2040, 3135);
        connect(Command3, &QPushButton::clicked, this, &Form3::Command3_Click);
    }

    ruleLine(this, 2400, 128);
    ruleLine(this, 2415, 224);

    // Five lines as the form lays them out; each translation keeps its line.
    const char *const donationLines[] = {
        QT_TR_NOOP("This release is deemed as donation-ware.   There are no"),
        QT_TR_NOOP("obligations; however, monetary contributions are greatly"),
        QT_TR_NOOP("appreciated and would help support the development of "),
        QT_TR_NOOP("this and other projects in the future.  Please send your"),
        QT_TR_NOOP("check or money order to:"),
    };
    const int donationWidths[] = {4095, 4215, 4215, 4215, 4215};
    for (int line = 0; line < 5; ++line)
        detailLabel(this, tr(donationLines[line]), 120, 2520 + 240 * line, donationWidths[line]);
    Label10 = detailLabel(this, details.author, 240, 3720, 1215, true);
    Label11 = detailLabel(this, details.street, 240, 3960, 1935, true);
    Label12 = detailLabel(this, details.town, 240, 4200, 3615, true);

    auto *Frame1 = Placed(new QGroupBox(this), 0, 4440, 4335, 615);
    Command1 = Placed(new QPushButton(tr("Cool!"), Frame1), 3120, 240, 1095, 255);
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &Form3::Command1_Click);
    FinishForm(this);
}

void Form3::Command1_Click()
{
    accept();
}

void Form3::Command2_Click()
{
    QDesktopServices::openUrl(QUrl::fromUserInput(m_details.homePage)); // a failure shows nothing
}

void Form3::Command3_Click()
{
    QDesktopServices::openUrl(QUrl(u"mailto:"_s + m_details.mail));
}
