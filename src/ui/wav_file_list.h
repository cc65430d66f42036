#pragma once

#include <QListWidget>

// The file list: the WAV files of one directory, matched without regard to
// letter case (SONG.WAV from a memory card shows), hidden files left out,
// sorted by name; after them those whose names are not UTF-8, shown escaped. Extended selection. A right-button press only reports
// itself: it changes neither the selection nor the current item, and taking
// the focus back (after the pop-up menu) makes no file current either.
class WavFileList : public QListWidget {
    Q_OBJECT

public:
    explicit WavFileList(QWidget *parent = nullptr);

    // Lists the WAV files of `directory`.
    void setPath(const QString &directory);
    QString path() const { return m_path; }

    QString name(int index) const;
    bool isSelected(int index) const;
    // The name is not UTF-8: `name` is only how it looks, no file's name.
    bool nameNotUtf8(int index) const;
    // What a person should know of the file before encoding it (a track list
    // beside it), as its tool tip and for a screen reader.
    void setNote(int index, const QString &note);

Q_SIGNALS:
    // A mouse button went down over the list (position in list coordinates).
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    static constexpr int NameNotUtf8Role = Qt::UserRole;
    QString m_path;
};
