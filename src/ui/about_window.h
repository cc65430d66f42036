#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QPushButton;

// The maker's details as the About window shows them; empty ones are left out.
struct AboutDetails {
    QString author;
    QString creditLine;
    QString copyrightLine1;
    QString copyrightLine2;
    QString street;
    QString town;
    QString homePage;
    QString mail;

    static AboutDetails fromBuild();
};

// The About window: name and version, the maker's notices, the donation
// request, and buttons that open the home page and a mail to the author.
class Form3 : public QDialog {
    Q_OBJECT

public:
    explicit Form3(QWidget *parent = nullptr, const AboutDetails &details = AboutDetails::fromBuild());

    // Null where the detail it would show is empty.
    QLabel *Label2;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    QPushButton *Command2 = nullptr;
    QLabel *Label13 = nullptr;
    QPushButton *Command3 = nullptr;
    QLabel *Label14 = nullptr;
    QLabel *Label10 = nullptr;
    QLabel *Label11 = nullptr;
    QLabel *Label12 = nullptr;
    QPushButton *Command1;

public Q_SLOTS:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

private:
    AboutDetails m_details;
};
