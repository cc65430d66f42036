#pragma once

#include "tag/tag_entries.h"

#include <QDialog>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The Properties dialog: edits one file's tag entry. Opens on the entry's
// fields with trailing blanks removed and the stored genre selected ("Sound
// Clip" for any other name); "Okay" makes fields() the texts to store. With
// `wholeText` (the MP3s get an ID3v2 tag) the text fields take whole texts;
// without, their 30 characters.
class Form4 : public QDialog {
    Q_OBJECT

public:
    Form4(const QString &fileName, const TagFields &entry, QWidget *parent = nullptr,
          bool wholeText = false);

    // The six texts as the fields and the genre list show them.
    TagFields fields() const;

    QGroupBox *Frame1;
    QLineEdit *Text1;
    QLineEdit *Text2;
    QLineEdit *Text3;
    QLineEdit *Text4;
    QComboBox *Combo1;
    QLineEdit *Text5;
    QPushButton *Command1;
    QPushButton *Command2;

public Q_SLOTS:
    void Command1_Click();
    void Command2_Click();

private:
    void Form_Load();
};
