#pragma once

#include "search/SearchView.h"
#include "search/WordSearch.h"

#include <QMainWindow>

class EventPump;
class MessageBox;
class ProgramTerminator;
class ProgressDisplay;
class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class SpellCheckerFactory;

// The working window: four numbered steps in a frame, under a banner. It
// holds no search logic; it shows what the search tells it and hands its
// commands to the search, the help command and the About box.
class frmMain : public QMainWindow, public AnalysisView {
    Q_OBJECT

public:
    struct Services {
        MessageBox &messageBox;
        SpellCheckerFactory &checkers;
        ProgramTerminator &terminator;
        EventPump &events;
    };

    explicit frmMain(Services services, WordSearch::Options options = {});
    ~frmMain() override;

    // AnalysisView
    void setProgressRange(float minimum, float maximum) override;
    void setProgressValue(float value) override;
    void setProgressVisible(bool visible) override;
    void repaintProgress() override;
    void setSearchingVisible(bool visible) override;
    void setResultsColor(RgbColor color) override;
    void setResultsText(const QString &text) override;
    void processPendingEvents() override;
    [[nodiscard]] QString inputText() const override;
    void setCancelVisible(bool visible) override;

    [[nodiscard]] WordSearch &search() { return m_search; }

signals:
    // The Help menu's commands, for the parts of the program that own them.
    void helpRequested();
    void aboutRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    void buildMenus();
    void cmdGo_Click();
    void txtInput_KeyUp(int keyCode, Qt::KeyboardModifiers shift);
    void cmdExit_Click();

    Services m_services;
    WordSearch m_search;
    bool m_enterPressedHere = false;

    QLabel *Picture1 = nullptr;
    QGroupBox *Frame1 = nullptr;
    QLabel *lblInput = nullptr;
    QLineEdit *txtInput = nullptr;
    QLabel *lblStep2 = nullptr;
    QPushButton *cmdGo = nullptr;
    QLabel *lblSearching = nullptr;
    QPushButton *cmdCancel = nullptr;
    ProgressDisplay *ProgressBar1 = nullptr;
    QLabel *lblResults = nullptr;
    QPlainTextEdit *txtResults = nullptr;
    QPushButton *cmdHelp = nullptr;
    QPushButton *cmdExit = nullptr;
    QMenu *mnu_file = nullptr;
    QAction *mnu_exit = nullptr;
    QMenu *mnu_help = nullptr;
    QAction *mnu_qvhelp = nullptr;
    QAction *mnu_about = nullptr;
};
