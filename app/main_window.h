// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's main window: menus, toolbar, status bar, the navigation
// pane and the child windows of the editors on a multiple-document area.
// It runs the document commands (new, open, save, save as, exit) and
// dispatches the radio commands to the radio link.

#include <QMainWindow>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "model/document_history.h"
#include "model/document_observer.h"

class QDialog;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QTimer;

namespace zq61::gui {

struct AppContext;
class NavigationPane;
class RadioCommands;

// The document's observer is the main window: it passes each redisplay call
// on to the open child windows that show the document.
class MainWindow : public QMainWindow, public DocumentObserver {
    Q_OBJECT
  public:
    // Builds the window in its load order: placement, texts, tree and the
    // first untitled document with its channel window.
    explicit MainWindow(AppContext& context);
    ~MainWindow() override;

    AppContext& context() { return ctx_; }

    // ---- Operations other windows call ----
    // All main window texts, then the tree again.
    void Change_Language();
    // Closes every child window and dialog.
    void CloseCurAllWindows();
    // Shows or hides the channel-edit menu and its toolbar buttons; they
    // have no action, so the program keeps them hidden.
    void ShowCHInfo(bool visible);
    // Caption, model label and the tree's root text.
    void ShowMainTxt();
    void LoadTree();
    // Closes all child windows; a new document follows 100 ms later.
    void LoadNewDoc();
    // The new document of the program's start.
    void LoadNewDoc2();
    void ApplyMainTexts();

    // Gives the named child window the focus, or opens it and cascades.
    // Returns the window's widget (nullptr for an unknown name).
    QWidget* showWindowOnce(const QString& name);
    // Closes every open child window of that name.
    void closeWindowsNamed(const QString& name);
    // The open child window of that name, or nullptr.
    QWidget* findWindow(const QString& name) const;
    QStringList openWindowNames() const;
    void cascade();
    // F6: the keyboard to the navigation pane (shown if it was hidden), or
    // from there back to the active child window.
    void switchPane();
    // Hands every open child window's pending edit to the document.
    void commitPendingEdits();

    // ---- DocumentObserver: passed on to the open child windows ----
    void reShowGrid(int chNo) override;
    void ReshowByCh() override;
    void SetGridEditData(bool fromGrid) override;
    void ShowRB() override;
    void ShowRBOpt() override;
    void RefreshDtmfLists() override;
    void reShowAll() override;
    // A committed edit: recorded as one undo step once the user's action is
    // complete, however many parts of it reported.
    void documentEdited() override;

    // ---- Undo and redo (main_window_history.cpp) ----
    // Edit > Undo and Redo: a pending edit is committed first; every open
    // window and the caption then show the document again.
    void undo();
    void redo();
    // The history starts afresh from the document as it is now: after New,
    // Open, Initialize, a band mode switch, a read, or anything else that
    // replaces the whole document (an opened backup, an import).
    void startFreshHistory();
    // Records the working copy's changes since the last step as one undo
    // step now (an operation that changes the document outside the editors
    // calls this once it is done).
    void recordEdit();
    const DocumentHistory& history() const { return history_; }

    // ---- Commands ----
    void newFromMenu();  // asks 9006 (when changed), then 9026
    void initialize();   // New from the Initialize data
    void open();
    // Opens a .dat file as Open does once its name is chosen (the name given
    // on the command line).
    void openFile(const QString& path);
    bool save();    // true when the document was written
    bool saveAs();  // true when the document was written
    // After the window became active: applies a language chosen meanwhile.
    void activated();

    // File > Open Backup...: asks about unsaved changes, lists the backups
    // and opens the chosen one as an untitled document.
    void openBackup();
    // Opens a .dat file as a new untitled document (Save asks for a name).
    void openFileAsUntitled(const QString& path);
    // File > Compare with Radio...: pending edits first, then the radio.
    void compareWithRadio();
    // Help > Transfer Log...: the last transfers with the radio; one can be
    // saved to a file to attach to a report.
    void showTransferLog();

    // A short note in the status bar (commands that are not available).
    void showStatusNote(const QString& text);

    // Runs a modal dialog (exec); tests answer dialogs through this.
    std::function<int(QDialog&)> runModal;

    QMdiArea* mdiArea() const { return mdi_; }
    NavigationPane* navigationPane() const { return pane_; }
    QTimer* newDocTimer() const { return newDocTimer_; }

  protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // Building.
    void buildMenus();
    void buildToolbar();
    void buildStatusBar();
    QMenu* addMenu(QMenu* parent, const char* name, int textId);
    QAction* addItem(QMenu* menu, const char* name, int textId, const char* shortcut,
                     void (MainWindow::*handler)());
    QAction* addHiddenItem(QMenu* menu, const char* name, int textId, const char* shortcut = "");
    void addToolButton(const char* key, int textId, int icon);
    void addToolSeparator();
    void fillWindowMenu();
    void addUndoItems(QMenu* edit);
    void updateUndoItems();
    void restoreStep(bool (DocumentHistory::*step)(Document&));

    // Document.
    bool SaveDocument();
    void OpenDocument();
    // Opens `path` into the document; an untitled one keeps no file name.
    void openDocumentFile(const QString& path, bool asUntitled);
    // Yes on the save question before a document is discarded: true when
    // the document was written.
    bool saveBeforeDiscarding();
    bool documentChanged() const;
    // A new untitled document (from the Initialize data when requested).
    void initialiseNewDocument();
    void onNewDocTimer();

    // Makes the child window the active one, with the keyboard in it.
    void activate(QMdiSubWindow* sub);

    // Dispatch.
    void toolbarAction(const QString& key);
    void onNodeClicked(const QString& key);
    void showChannels();
    void showOptFeatures();
    void showDtmf();
    void showToneTips();
    void showKeys();
    void radioInformation();
    void readFromRadio();
    void writeToRadio();
    void writeToSeveralRadios();
    void editPassword();
    void choosePort();
    void chooseLanguage();
    void modelInformation();
    void about();
    void printPreview();
    void toggleTreeView();
    void toggleToolbar();
    void toggleStatusBar();
    void tileHorizontally();
    void tileVertically();
    void arrangeIcons();
    void exitProgram();
    RadioCommands& radio();

    // The text of a menu item or toolbar button; without its underlined
    // letter while the item is hidden.
    QString caption(const QAction* item, int textId) const;

    // Model display name and band mode name: the pane's label and the
    // tree's root text.
    QString modelLabel() const;

    // Placement of the window, in twips, kept per user.
    void restorePlacement();
    void fitFrameOnScreen();
    void savePlacement();
    void updateClock();

    AppContext& ctx_;
    QMdiArea* mdi_;
    NavigationPane* pane_;
    QToolBar* toolbar_ = nullptr;
    QStatusBar* status_ = nullptr;
    QLabel* panels_[5] = {};
    QMenu* windowMenu_ = nullptr;
    QAction* treeViewItem_ = nullptr;
    QAction* toolbarItem_ = nullptr;
    QAction* statusBarItem_ = nullptr;
    QMenu* chEditMenu_ = nullptr;
    std::vector<QAction*> chEditButtons_;
    std::vector<std::pair<QAction*, int>> captions_;  // menu item, text id
    std::vector<std::pair<QAction*, int>> tooltips_;  // toolbar button, text id
    QString fileFilter_;
    QTimer* newDocTimer_;
    QTimer* clock_;
    std::unique_ptr<RadioCommands> pendingRadio_;
    bool unloaded_ = false;
    bool framedOnScreen_ = false;  // the first show has fitted the frame on the screen

    // Undo and redo.
    DocumentHistory history_;
    QAction* undoItem_ = nullptr;
    QAction* redoItem_ = nullptr;
    QAction* undoButton_ = nullptr;
    QAction* redoButton_ = nullptr;
    bool restoring_ = false;   // undo or redo is putting the document back
    bool editQueued_ = false;  // an edit waits to be recorded
};

}  // namespace zq61::gui
