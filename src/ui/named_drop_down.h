#pragma once

#include <QComboBox>

// A drop-down list that a screen reader announces by its accessible name
// and then its value. Qt on Linux announces a drop-down list by its value
// alone ("/", "Sound Clip"), leaving the name to a label beside it, which
// the drive lists do not have.
class NamedDropDown : public QComboBox {
    Q_OBJECT

public:
    // Its choices are announced under the same name.
    explicit NamedDropDown(const QString &accessibleName, QWidget *parent = nullptr);
};
