#pragma once

#include "tag/album_tagging.h"
#include "tag/cover_picture.h"

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
// preview shows every file's track and six fields as they will be stored;
// "Okay" makes entries() the entries to store and extras() what only the
// ID3v2 tag carries. With `wholeText` (the MP3s get an ID3v2 tag) the fields
// take whole texts, and the front cover is shown: the picture lying beside
// the WAVs (cover.jpg and the like), another one chosen, or none.
class Form6 : public QDialog {
    Q_OBJECT

public:
    // `files` with their entries' texts, all in `directory`.
    Form6(const QString &directory, const QList<AlbumFile> &files, QWidget *parent = nullptr,
          bool wholeText = false);

    // The new entry of each file, in the order given, and beside it its whole
    // texts, track, disc and cover.
    QStringList entries() const;
    QList<TagExtras> extras() const;

    // Makes the picture at `path` the front cover (empty: none). A picture
    // that is not a JPEG or PNG of at most 2 MiB is refused with a message,
    // and the cover stays as it was. Gives whether it was taken.
    bool setCover(const QString &path);

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
    QCheckBox *Check6;
    QPushButton *Command3;
    QLabel *Label1;
    QGroupBox *Frame4;
    QLabel *Image1;
    QLabel *Label2;
    QPushButton *Command4;
    QPushButton *Command5;
    QGroupBox *Frame3;
    QTableWidget *Grid1;
    QPushButton *Command1;
    QPushButton *Command2;

public Q_SLOTS:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();

private:
    SharedFields shared() const; // the fields as ticked and typed
    void createFieldRows();
    void createCoverRow();
    void createPreview();
    void showCover(const CoverPicture &picture, const QString &path);
    void Form_Refresh();

    QString m_directory;
    QList<AlbumFile> m_own;   // as the entries held them at opening
    QList<AlbumFile> m_files; // with the WAVs' own tags, once read
    bool m_wholeText;
    QString m_cover; // the front cover's path, empty for none
};
