// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "search/SearchView.h"

#include <QMainWindow>
#include <QPointer>

class PictureBox;
class ProgressDisplay;
class ResultsBox;
class PushButton;
class StepFrame;
class QAction;
class QShortcut;
class QLabel;
class QLineEdit;
class QMenu;
class QScreen;

// The working window: four numbered steps in a frame, under a banner. It is
// a view: it shows what the search tells it and reports the user's commands
// as signals, which the program connects to the search, the help command,
// the About box and the program's end.
class frmMain : public QMainWindow, public AnalysisView {
    Q_OBJECT

public:
    // Laid out for the screen it opens on: the primary one, unless named.
    explicit frmMain(QScreen *display = nullptr);
    ~frmMain() override;

    // AnalysisView
    void setProgressRange(float minimum, float maximum) override;
    void setProgressValue(float value) override;
    void setProgressVisible(bool visible) override;
    void repaintProgress() override;
    void setSearchingVisible(bool visible) override;
    void setResultsColor(RgbColor color) override;
    void setResultsText(const QString &text) override;
    [[nodiscard]] QString inputText() const override;
    void setCancelVisible(bool visible) override;

    // What the results box's and the searching label's tooltips say of the
    // last run, or of the one going on: which dictionary and engine answer, and how.
    void setRunNotes(const QString &results, const QString &progress);

    // Options > Match Letters Loosely, checked or not; setting it tells no one.
    void setLooseMatching(bool loose);
    [[nodiscard]] bool looseMatching() const;

signals:
    // Enter released in the letter box, or Analyze clicked.
    void analysisRequested();
    // cancel analysis clicked, or Escape pressed while a request is under way.
    void cancelRequested();
    // Exit, from the button or the File menu.
    void exitRequested();
    // The window's close box, or the desktop closing it.
    void closeRequested();
    // Help > Quorvel Help, or F1 anywhere in the window.
    void helpRequested();
    void aboutRequested();
    // Options > Match Letters Loosely chosen by the user, now checked or not.
    void looseMatchingChosen(bool loose);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls(qreal dpi);
    void buildMenus();
    void buildKeys();
    // The banner drawn across the strip's width, at the layout's scale.
    void drawBanner();
    void txtInput_KeyUp(int keyCode, Qt::KeyboardModifiers shift);
    // Tells of a request (Enter or Analyze), which runs until it is answered.
    void requestAnalysis();

    bool m_enterPressedHere = false;
    QSize m_designedSize;
    QRect m_askedPlace; // where the window last asked the window manager to put it
    int m_placings = 0;
    QWidget *m_client = nullptr; // the controls' parent, inside its scroller
    qreal m_bannerScale = 1; // the layout's DPI over 96
    // The screen it was laid out for, which it opens on; cleared once placed.
    QPointer<QScreen> m_openOn;
    QShortcut *m_escape = nullptr;
    int m_requestsUnderWay = 0; // told and not yet answered

    PictureBox *Picture1 = nullptr;
    StepFrame *Frame1 = nullptr;
    QLabel *lblInput = nullptr;
    QLineEdit *txtInput = nullptr;
    QLabel *lblStep2 = nullptr;
    PushButton *cmdGo = nullptr;
    QLabel *lblSearching = nullptr;
    PushButton *cmdCancel = nullptr;
    ProgressDisplay *ProgressBar1 = nullptr;
    QLabel *lblResults = nullptr;
    ResultsBox *txtResults = nullptr;
    PushButton *cmdHelp = nullptr;
    PushButton *cmdExit = nullptr;
    QMenu *mnu_file = nullptr;
    QAction *mnu_exit = nullptr;
    QMenu *mnu_options = nullptr;
    QAction *mnu_loose = nullptr;
    QMenu *mnu_help = nullptr;
    QAction *mnu_qvhelp = nullptr;
    QAction *mnu_about = nullptr;
};
