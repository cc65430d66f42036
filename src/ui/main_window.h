#pragma once

#include "app/opened_paths.h"
#include "app/program_location.h"
#include "encode/encode_run.h"
#include "encode/track_sheets.h"
#include "tag/tag_entries.h"

#include <QDir>
#include <QMainWindow>
#include <QMessageBox>
#include <QStringList>

#include <optional>

class DirectoryList;
class DriveList;
class WavFileList;
class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QMenu;
class QSpinBox;
class QPushButton;
class QRadioButton;

// The main window: file browser, options, menus and the application state
// the dialogs, the settings and the encode run share.
class Form1 : public QMainWindow {
    Q_OBJECT

public:
    explicit Form1(const QString &programDirectory = ProgramDirectory(), QWidget *parent = nullptr);

    // The interactive start-up: start values, then the settings, or the
    // Setup dialog when they cannot be read. Runs before the window shows.
    void Form_Load();

    // Shows dropped or given folders and WAV files as a double click in the
    // directory list would, selects the WAV files, and says what was not taken.
    void OpenPaths(const PathsToOpen &opening);

    // Tests run the script themselves; the program opens a terminal.
    void setScriptStarter(ScriptStarter starter) { m_starter = std::move(starter); }

    // Application state.
    QString EncoderPath;
    QString Destination; // ends in "/"
    QString AppPath;     // ends in "/"
    qint16 LoadMode = 0;
    qint16 DeleteWatch = 1;
    Id3v2Version Id3v2 = Id3v2Version::V2_4; // the MP3s' tag beside the trailer
    bool ReplayGain = true;                  // ReplayGain in it

    // One tag entry per listed file, at the file's index, and beside it what
    // only the ID3v2 tag can carry.
    QStringList List1;
    QList<TagExtras> List1Extras;
    // Beside them, an image WAV's tracks as Tag Selected Files last tagged
    // them; none: as its track list says.
    QList<QList<ImageTrack>> List1Tracks;

    QGroupBox *Frame4;
    DriveList *Drive1;
    DirectoryList *Dir1;
    WavFileList *File1;
    QGroupBox *Frame3;
    QCheckBox *Check1;
    QCheckBox *Check2;
    QCheckBox *Check3;
    QCheckBox *Check4;
    QLabel *Label1;
    QGroupBox *Frame1;
    QPushButton *Command1;
    QPushButton *Command4;
    QGroupBox *Frame2;
    QRadioButton *Option1;
    QRadioButton *Option2;
    QRadioButton *Option3;
    QRadioButton *Option4;
    QRadioButton *Option5;
    QRadioButton *Option6;
    QRadioButton *Option7;
    QRadioButton *Option8;
    QRadioButton *Option9;
    QRadioButton *Option10;
    QRadioButton *Option11; // a variable bitrate, of the quality beside it
    QSpinBox *Spin1;

    QMenu *File;
    QAction *EncodeSelected;
    QAction *Properties;
    QAction *TagSelected;
    QAction *Exit;
    QMenu *Options;
    QAction *Setup;
    QAction *Destination1;
    QMenu *Help;
    QAction *About;
    QMenu *Popup;
    QAction *EncodeSelectedFiles;
    QAction *Props;
    QAction *TagSelectedFiles;

public Q_SLOTS:
    void Form_Unload();
    void Drive1_Change();
    void Dir1_Change();
    void Command1_Click();
    void EncodeSelected_Click();
    void EncodeSelectedFiles_Click();
    void Props_Click();
    void Properties_Click();
    void TagSelected_Click();
    void TagSelectedFiles_Click();
    void Check4_Click();
    void Command4_Click();
    void Destination1_Click();
    void Setup_Click();
    void About_Click();
    void Exit_Click();
    void File1_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint position);

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void createControls();
    void createMenus();
    EncodeRequest encodeRequest() const;
    void showMessage(QMessageBox::Icon icon, const QString &caption, const QString &text);
    void keepFocusFromTheScriptWindow();
    std::optional<ExistingMp3s> askAboutExistingMp3s(const QStringList &existingMp3s);
    // Asks, for each selected WAV with a track list beside it, whether it is
    // encoded as its tracks or whole, and gives `request` those tracks;
    // false when the user cancelled.
    bool chooseTracks(EncodeRequest &request);


    ScriptStarter m_starter;
    // Relative paths in the settings lie below the directory the program
    // started in, however often Encode changes the working directory.
    const QString m_startDirectory = QDir::currentPath();
};
