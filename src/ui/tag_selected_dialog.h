#pragma once

#include "tag/album_tagging.h"

#include <QDialog>
#include <QList>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;

// The Tag Selected Files dialog: sets artist, album, year, genre and comment
// for several files at once (each only while its box is ticked), takes the
// titles from the file names if asked, and reads the tags the WAVs carry. A
// preview shows every file's six fields as they will be stored; "Okay" makes
// entries() the entries to store.
class Form6 : public QDialog {
    Q_OBJECT

public:
    // `files` with their entries' texts, all in `directory`.
    Form6(const QString &directory, const QList<AlbumFile> &files, QWidget *parent = nullptr);

    // The new entry of each file, in the order given.
    QStringList entries() const;

    QGroupBox *Frame1;
    QCheckBox *Check1;
    QLineEdit *Text1;
    QCheckBox *Check2;
    QLineEdit *Text2;
    QCheckBox *Check3;
    QLineEdit *Text3;
    QCheckBox *Check4;
    QComboBox *Combo1;
    QCheckBox *Check5;
    QLineEdit *Text4;
    QGroupBox *Frame2;
    QRadioButton *Option1;
    QRadioButton *Option2;
    QPushButton *Command3;
    QLabel *Label1;
    QGroupBox *Frame3;
    QTableWidget *Grid1;
    QPushButton *Command1;
    QPushButton *Command2;

public Q_SLOTS:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

private:
    SharedFields shared() const; // the fields as ticked and typed
    void createFieldRows();
    void createPreview();
    void Form_Refresh();

    QString m_directory;
    QList<AlbumFile> m_own;   // as the entries held them at opening
    QList<AlbumFile> m_files; // with the WAVs' own tags, once read
};
