#pragma once

#include "tag/id3v2_version.h"

#include <QDialog>

class DirectoryList;
class DriveList;
class FolderPicker;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

// What the Setup dialog sets.
struct SetupValues {
    QString encoderPath;
    qint16 loadMode = 0;    // 1: the script's window starts minimised
    qint16 deleteWatch = 1; // 1: warn when Automatic delete is switched on
    Id3v2Version id3v2 = Id3v2Version::V2_4; // the MP3s' tag beside the trailer
    bool replayGain = true;                  // ReplayGain in that tag
};

// The Setup dialog: the encoder's directory, the script's window, the ID3v2
// tag the MP3s get beside their trailer (with ReplayGain or without) and the
// Automatic delete warning. Opens on the values it is given; "Okay" makes
// values() the new ones.
class Form2 : public QDialog {
    Q_OBJECT

public:
    explicit Form2(const SetupValues &current, QWidget *parent = nullptr);

    SetupValues values() const { return m_values; }

    QGroupBox *Frame1;
    FolderPicker *Folders;
    DriveList *Drive2;
    DirectoryList *Dir2;
    QLabel *Label1;
    QGroupBox *Frame6;
    QRadioButton *Option11;
    QRadioButton *Option12;
    QGroupBox *Frame7;
    QRadioButton *Option13;
    QRadioButton *Option14;
    QRadioButton *Option15;
    QCheckBox *Check1;
    QGroupBox *Frame2;
    QRadioButton *Option1;
    QRadioButton *Option2;
    QGroupBox *Frame3;
    QPushButton *Command3;
    QPushButton *Command1;

public Q_SLOTS:
    void Command3_Click();
    void Command1_Click();

private:
    SetupValues m_values;
};
