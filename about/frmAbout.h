// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QPointer>

class MessageBox;
class QLabel;
class QPushButton;
class SysInfoLauncher;
class ProgramLauncher;

// What the program is: icon, title, version, what it does, the maker's home
// page. Closing it destroys it; the next About command makes it afresh.
class frmAbout : public QDialog {
    Q_OBJECT

public:
    // The browser opens the home page; the message box says so when it cannot.
    struct Services {
        SysInfoLauncher &sysInfo;
        ProgramLauncher &browser;
        MessageBox &messageBox;
    };

    explicit frmAbout(Services services);

    static constexpr char kHomePage[] = "https://kelmstar.example/qv";

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void Form_Load();
    void makeRoomForTexts();
    void openHomePage(const QString &address);

    Services m_services;
    qreal m_dpi = 96; // the logical DPI the twip layout is drawn at
    QPushButton *cmdOK = nullptr;
    QLabel *picIcon = nullptr;
    QPushButton *cmdSysInfo = nullptr;
    QLabel *lblDescription = nullptr;
    QLabel *lblDisclaimer = nullptr;
    QLabel *lblTitle = nullptr;
    QLabel *lblVersion = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *vbhHome = nullptr;
};

// The About command: one dialog at a time, shown without an owner and without
// blocking; a second command brings the open one to the front.
class AboutCommand {
public:
    explicit AboutCommand(frmAbout::Services services);
    ~AboutCommand();

    void mnu_about_Click();
    [[nodiscard]] frmAbout *dialog() const { return m_dialog; }

private:
    frmAbout::Services m_services;
    QPointer<frmAbout> m_dialog; // cleared when the dialog is closed and destroyed
};
