#pragma once

#include <QWidget>

class DirectoryList;
class DriveList;

// The drive list above the directory list, as the Setup and the Destination
// dialog both show them. Choosing a file system opens its root.
class FolderPicker : public QWidget {
    Q_OBJECT

public:
    // `width` and the lists' heights in twips, as the forms give them.
    FolderPicker(int width, QWidget *parent);

    // Opens on `path` when it can: its file system chosen, the directory
    // shown. Each step that fails is skipped, so the dialog always opens.
    void openAt(const QString &path);

    DriveList *Drive2;
    DirectoryList *Dir2;

public Q_SLOTS:
    void Drive2_Change();
};
