#pragma once

#include <QDialog>

class DirectoryList;
class DriveList;
class FolderPicker;
class QGroupBox;
class QPushButton;

// The Destination dialog: the directory the MP3s go to. Opens on the stored
// destination when it can; "Okay" makes destination() the listed directory
// with one trailing "/".
class Form5 : public QDialog {
    Q_OBJECT

public:
    explicit Form5(const QString &destination, QWidget *parent = nullptr);

    QString destination() const { return m_destination; }

    QGroupBox *Frame1;
    FolderPicker *Folders;
    DriveList *Drive2;
    DirectoryList *Dir2;
    QPushButton *Command3;
    QPushButton *Command1;

public Q_SLOTS:
    void Command3_Click();
    void Command1_Click();

private:
    QString m_destination;
};
