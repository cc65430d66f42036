#pragma once

#include <QListWidget>

// A classic directory list box: the open directory's ancestors from the root
// down (indented, open folders) and its subdirectories below them. A single
// click only highlights; a double click or Enter opens a directory, which
// changes the path and reports the change, and does nothing else (Enter is
// not handed on to a dialog's default button). Hidden directories are not
// shown. A screen reader hears "Directories" and each name without its indent.
class DirectoryList : public QListWidget {
    Q_OBJECT

public:
    explicit DirectoryList(QWidget *parent = nullptr);

    // The open directory: the one whose contents are listed.
    QString path() const { return m_path; }

    // Opens `path`; false, with nothing changed, when it does not exist or
    // cannot be read. Reports a change on success.
    bool setPath(const QString &path);

Q_SIGNALS:
    void changed();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void openItem(QListWidgetItem *item);
    void fill(const QStringList &ancestors, const QStringList &children);

    QString m_path;
};
