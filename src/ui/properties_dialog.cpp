#include "properties_dialog.h"

#include "form_helpers.h"
#include "named_drop_down.h"
#include "twips.h"

#include "tag/fixed_width_text.h"
#include "tag/genre_table.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;
using Module1::TrimEnd;

namespace {

QLineEdit *textField(QWidget *parent, int top, int width, int limit)
{
    auto *field = Placed(new QLineEdit(parent), 960, top, width, 285);
    field->setMaxLength(limit);
    return field;
}

// Captions end at the same distance from the fields, and name them for a
// screen reader.
void caption(QWidget *field, const QString &text, int left, int top, int width)
{
    auto *label = Placed(new QLabel(text, field->parentWidget()), left, top, width, 255);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setBuddy(field);
    field->setAccessibleName(text);
}

} // namespace

Form4::Form4(const QString &fileName, const TagFields &entry, QWidget *parent, bool wholeText)
    : QDialog(parent, DialogFlags)
{
    const int limit = wholeText ? LongestWholeText : 30;
    setWindowTitle(tr("MP3 Properties"));
    FixClientSizeInTwips(this, 3375, 3180);

    Frame1 = Placed(new QGroupBox(fileName, this), 0, 0, 3375, 2775);
    Text1 = textField(Frame1, 360, 2175, limit);
    Text2 = textField(Frame1, 720, 2175, limit);
    Text3 = textField(Frame1, 1080, 2175, limit);
    Text4 = textField(Frame1, 1440, 735, 4);
    Combo1 = Placed(new NamedDropDown(tr("Genre"), Frame1), 960, 1800, 2175, 315);
    Text5 = textField(Frame1, 2160, 2175, limit);
    caption(Text1, tr("Title"), 360, 360, 495);
    caption(Text2, tr("Artist"), 360, 720, 495);
    caption(Text3, tr("Album"), 360, 1080, 495);
    caption(Text4, tr("Year"), 360, 1440, 495);
    caption(Combo1, tr("Genre"), 240, 1800, 615);
    caption(Text5, tr("Comment"), 120, 2160, 735);
    Command1 = Placed(new QPushButton(tr("Okay"), this), 1320, 2880, 855, 255);
    Command2 = Placed(new QPushButton(tr("Cancel"), this), 2280, 2880, 1095, 255);
    Command1->setDefault(true);

    SetTabOrder({Text1, Text2, Text3, Text4, Combo1, Text5, Command1, Command2});
    Form_Load();

    Text1->setText(TrimEnd(entry.title));
    Text2->setText(TrimEnd(entry.artist));
    Text3->setText(TrimEnd(entry.album));
    Text4->setText(TrimEnd(entry.year));
    Combo1->setCurrentIndex(Module1::GenreListPosition(TrimEnd(entry.genre)));
    Text5->setText(TrimEnd(entry.comment));

    connect(Command1, &QPushButton::clicked, this, &Form4::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form4::Command2_Click);
    FinishForm(this);
}

void Form4::Form_Load()
{
    // Only the table's names: a typed name would count as "Sound Clip" anyway.
    Combo1->addItems(Module1::GenreNamesInListOrder());
    Combo1->setCurrentIndex(0);
}

TagFields Form4::fields() const
{
    return {Text1->text(), Text2->text(), Text3->text(),
            Text4->text(), Combo1->currentText(), Text5->text()};
}

void Form4::Command1_Click()
{
    accept();
}

void Form4::Command2_Click()
{
    reject();
}
