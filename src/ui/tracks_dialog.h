#pragma once

#include "encode/track_sheets.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

// Before a WAV with a track list beside it (a CD image and its cue sheet) is
// encoded: what it becomes, a track per MP3 (number, title, artist, start
// and length), or, for a sheet that cannot be used, why, naming the file and
// the line. For a sheet that names no encoding, the code page it is read in
// can be chosen, the titles shown again. "Encode the tracks" (the default),
// "Encode whole" or "Cancel".
class Form7 : public QDialog {
    Q_OBJECT

public:
    enum class Choice { Tracks, Whole, Cancel };

    Form7(const QString &directory, const QString &wavName, const FoundSheet &sheet,
          QWidget *parent = nullptr);

    Choice choice() const { return m_choice; }
    // The sheet as last read (in the code page chosen).
    const FoundSheet &sheet() const { return m_sheet; }

    QLabel *Label1;
    QLabel *Label2;
    QComboBox *Combo1;
    QTableWidget *Grid1;
    QPushButton *Command1;
    QPushButton *Command2;
    QPushButton *Command3;

public Q_SLOTS:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Combo1_Click();

private:
    void Form_Refresh();

    QString m_directory;
    QString m_wavName;
    FoundSheet m_sheet;
    Choice m_choice = Choice::Cancel;
};
