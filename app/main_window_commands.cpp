// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's menus and toolbar, and the commands behind them.

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QKeySequence>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPaintEngine>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <exception>

#include "app/about_dialog.h"
#include "app/app_context.h"
#include "app/csv_commands.h"
#include "app/language_dialog.h"
#include "app/main_window.h"
#include "app/model_info_dialog.h"
#include "app/navigation_pane.h"
#include "app/radio_commands.h"
#include "app/settings_problems.h"
#include "app/window_names.h"
#include "codec/text_helpers.h"
#include "model/channel_csv.h"
#include "model/dat_file.h"
#include "model/document_copies.h"
#include "model/new_document.h"
#include "model/print_layout.h"
#include "model/text_ids.h"
#include "platform/user_preferences.h"
#include "print/print_document.h"

namespace zq61::gui {

// ---- Menus ----

QMenu* MainWindow::addMenu(QMenu* parent, const char* name, int textId) {
    QMenu* menu = parent ? parent->addMenu(QString()) : menuBar()->addMenu(QString());
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    captions_.emplace_back(menu->menuAction(), textId);
    return menu;
}

QAction* MainWindow::addItem(QMenu* menu, const char* name, int textId, const char* shortcut,
                             void (MainWindow::*handler)()) {
    QAction* item = menu->addAction(QString());
    item->setObjectName(name);
    if (*shortcut) item->setShortcut(QKeySequence(shortcut));
    if (textId) captions_.emplace_back(item, textId);
    if (handler) connect(item, &QAction::triggered, this, handler);
    return item;
}

// Items the program never shows: no action, and a disabled shortcut that
// cannot take keys from the editors.
QAction* MainWindow::addHiddenItem(QMenu* menu, const char* name, int textId,
                                   const char* shortcut) {
    QAction* item = addItem(menu, name, textId, shortcut, nullptr);
    item->setVisible(false);
    item->setEnabled(false);
    return item;
}

void MainWindow::buildMenus() {
    menuBar()->setObjectName("MenuBar");

    QMenu* file = addMenu(nullptr, "mnuFile", txt::kMenuFile);
    addItem(file, "mnuFileNew", txt::kMenuFileNew, "Ctrl+N", &MainWindow::newFromMenu);
    addItem(file, "mnuFileOpen", txt::kMenuFileOpen, "Ctrl+O", &MainWindow::open);
    addHiddenItem(file, "mnuFileEOpen", 0);
    addItem(file, "mnuFileOpenBackup", txt::kMenuOpenBackup, "", &MainWindow::openBackup);
    addItem(file, "mnuFileSave", txt::kMenuFileSave, "", nullptr);
    connect(file->findChild<QAction*>("mnuFileSave"), &QAction::triggered, this,
            [this] { save(); });
    addItem(file, "mnuFileSaveAs", txt::kMenuFileSaveAs, "", nullptr);
    connect(file->findChild<QAction*>("mnuFileSaveAs"), &QAction::triggered, this,
            [this] { saveAs(); });
    // CSV import and export of the channel list.
    connect(addItem(file, "mnuImportCsv", txt::kMenuImportCsv, "", nullptr), &QAction::triggered,
            this, [this] { importChannelsFromCsv(*this); });
    QMenu* exportCsv = addMenu(file, "mnuExportCsv", txt::kMenuExportCsv);
    connect(addItem(exportCsv, "mnuExportCsvChirp", txt::kMenuExportCsvChirp, "", nullptr),
            &QAction::triggered, this, [this] { exportChannelsToCsv(*this, CsvColumnSet::Chirp); });
    connect(addItem(exportCsv, "mnuExportCsvFull", txt::kMenuExportCsvFull, "", nullptr),
            &QAction::triggered, this, [this] { exportChannelsToCsv(*this, CsvColumnSet::Full); });
    file->addSeparator();
    addItem(file, "mnuFileCompareRadio", txt::kMenuCompareRadio, "", &MainWindow::compareWithRadio);
    file->addSeparator();
    addItem(file, "mnuFilePrintPreview", txt::kMenuFilePrintPreview, "", &MainWindow::printPreview);
    addHiddenItem(file, "mnuFilePrint", txt::kMenuFilePrint);
    file->addSeparator();
    addItem(file, "mnuFileExit", txt::kMenuFileExit, "", &MainWindow::exitProgram);

    QMenu* model = addMenu(nullptr, "mnuModel", txt::kMenuModel);
    addItem(model, "mnuModelInfo", txt::kMenuModelInfo, "", &MainWindow::modelInformation);

    // The channel-edit menu: never shown, none of its items acts.
    chEditMenu_ = addMenu(nullptr, "MnuCHEdit", txt::kMenuChEdit);
    addHiddenItem(chEditMenu_, "MnuCHCut", txt::kMenuChCut, "Ctrl+X");
    addHiddenItem(chEditMenu_, "MnuCHCopy", txt::kMenuChCopy, "Ctrl+C");
    addHiddenItem(chEditMenu_, "MnuCHPaste", txt::kMenuChPaste, "Ctrl+V");
    chEditMenu_->addSeparator();
    addHiddenItem(chEditMenu_, "MnuCHInsert", txt::kMenuChInsert, "Ctrl+I");
    addHiddenItem(chEditMenu_, "MnuCHDelete", txt::kMenuChDelete, "Del");
    addHiddenItem(chEditMenu_, "MnuCHMoveUp", txt::kMenuChMoveUp, "Ctrl+U");
    addHiddenItem(chEditMenu_, "MnuCHMoveDown", txt::kMenuChMoveDown, "Ctrl+D");

    QMenu* edit = addMenu(nullptr, "mnuEdit", txt::kMenuEdit);
    addUndoItems(edit);
    addItem(edit, "mnuChannelInfo", txt::kMenuChannelInfo, "", &MainWindow::showChannels);
    edit->addSeparator();
    addItem(edit, "mnuOptFeature", txt::kMenuOptFeature, "", &MainWindow::showOptFeatures);
    addHiddenItem(edit, "mnuGroupName", txt::kMenuGroupName);
    addHiddenItem(edit, "mnuResetInit", txt::kMenuResetInit);
    addItem(edit, "mnuToneTips", txt::kMenuToneTips, "", &MainWindow::showToneTips);
    addHiddenItem(edit, "MnuRadioFre", txt::kMenuRadioFre);
    addItem(edit, "MnuDTMF", txt::kMenuDtmf, "", &MainWindow::showDtmf);
    addItem(edit, "MnuKey", txt::kMenuKey, "", &MainWindow::showKeys);
    addHiddenItem(edit, "MnuScan", txt::kMenuScan);
    addHiddenItem(edit, "MnuAlert", txt::kMenuAlert);
    addHiddenItem(edit, "MnuTestFre", txt::kMenuTestFre);
    edit->addSeparator();
    addHiddenItem(edit, "mnuEmbeddedMsg", txt::kMenuEmbeddedMsg);
    addItem(edit, "MnuLocalInfo", txt::kMenuLocalInfo, "", &MainWindow::radioInformation);

    QMenu* program = addMenu(nullptr, "mnuProgram", txt::kMenuProgram);
    addItem(program, "mnuReadFromRadio", txt::kMenuReadFromRadio, "Ctrl+R",
            &MainWindow::readFromRadio);
    addItem(program, "mnuWriteToRadio", txt::kMenuWriteToRadio, "Ctrl+W",
            &MainWindow::writeToRadio);
    addItem(program, "mnuWriteToSeveralRadios", txt::kMenuFleetWrite, "",
            &MainWindow::writeToSeveralRadios);
    addItem(program, "MnuProPassWord", txt::kMenuProPassWord, "Ctrl+P", &MainWindow::editPassword);

    QMenu* set = addMenu(nullptr, "mnuSet", txt::kMenuSet);
    addItem(set, "mnuComm", txt::kMenuComm, "", &MainWindow::choosePort);
    addItem(set, "mnuLanguage", txt::kMenuLanguage, "", &MainWindow::chooseLanguage);
    addItem(set, "MnuInit", txt::kMenuInit, "", &MainWindow::initialize);
    QAction* verify = addItem(set, "mnuVerifyWrite", txt::kMenuVerifyWrite, "", nullptr);
    verify->setCheckable(true);
    verify->setChecked(verifyAfterWrite());
    connect(verify, &QAction::toggled, this, [this](bool on) {
        if (const auto problem = setVerifyAfterWrite(on)) {
            ctx_.settings.WriteProblems.push_back(*problem);
            tellSettingsProblems(ctx_);
        }
    });
    set->addSeparator()->setVisible(false);
    addHiddenItem(set, "MnuCHHabits", txt::kMenuChHabits, "Ctrl+H");

    QMenu* view = addMenu(nullptr, "mnuView", txt::kMenuView);
    treeViewItem_ =
        addItem(view, "mnuTreeView", txt::kMenuTreeView, "", &MainWindow::toggleTreeView);
    view->addSeparator();
    toolbarItem_ =
        addItem(view, "mnuViewToolbar", txt::kMenuViewToolbar, "", &MainWindow::toggleToolbar);
    statusBarItem_ = addItem(view, "mnuViewStatusBar", txt::kMenuViewStatusBar, "",
                             &MainWindow::toggleStatusBar);
    for (QAction* toggle : {treeViewItem_, toolbarItem_, statusBarItem_}) {
        toggle->setCheckable(true);
        toggle->setChecked(true);
    }

    windowMenu_ = addMenu(nullptr, "mnuWindow", txt::kMenuWindow);
    addItem(windowMenu_, "mnuWindowCascade", txt::kMenuWindowCascade, "", &MainWindow::cascade);
    // Hidden at load; they keep fixed English captions.
    QAction* tileH =
        addItem(windowMenu_, "mnuWindowTileHorizontal", 0, "", &MainWindow::tileHorizontally);
    tileH->setText("Tile Windows &Horizontally");
    QAction* tileV =
        addItem(windowMenu_, "mnuWindowTileVertical", 0, "", &MainWindow::tileVertically);
    tileV->setText("Tile Windows &Vertically");
    QAction* icons =
        addItem(windowMenu_, "mnuWindowArrangeIcons", 0, "", &MainWindow::arrangeIcons);
    icons->setText("&Arrange Icons");
    for (QAction* a : {tileH, tileV, icons})
        a->setVisible(false);
    windowMenu_->addSeparator();
    addItem(windowMenu_, "mnuCloseAll", txt::kMenuCloseAll, "", &MainWindow::CloseCurAllWindows);
    windowMenu_->addSeparator();
    connect(windowMenu_, &QMenu::aboutToShow, this, &MainWindow::fillWindowMenu);

    QMenu* help = addMenu(nullptr, "mnuHelp", txt::kMenuHelp);
    addHiddenItem(help, "mnuHelpTopic", txt::kMenuHelpTopic);
    addItem(help, "mnuHelpTransferLog", txt::kMenuTransferLog, "", &MainWindow::showTransferLog);
    help->addSeparator();
    addItem(help, "mnuHelpAbout", txt::kMenuHelpAbout, "", &MainWindow::about);
}

// The Window menu ends with the open child windows; the active one checked.
void MainWindow::fillWindowMenu() {
    for (QAction* a : windowMenu_->actions())
        if (a->property("childWindowEntry").toBool())
            windowMenu_->removeAction(a), a->deleteLater();
    int n = 0;
    for (QMdiSubWindow* sub : mdi_->subWindowList()) {
        QAction* entry = windowMenu_->addAction(QString("&%1 %2").arg(++n).arg(sub->windowTitle()));
        entry->setProperty("childWindowEntry", true);
        entry->setCheckable(true);
        entry->setChecked(sub == mdi_->activeSubWindow());
        connect(entry, &QAction::triggered, this, [this, sub] { mdi_->setActiveSubWindow(sub); });
    }
}

// ---- Toolbar ----

void MainWindow::addToolButton(const char* key, int textId, int icon) {
    QAction* button = toolbar_->addAction(style()->standardIcon(QStyle::StandardPixmap(icon)), {});
    button->setObjectName(key);
    tooltips_.emplace_back(button, textId);
    const QString k = key;
    connect(button, &QAction::triggered, this, [this, k] { toolbarAction(k); });
}

void MainWindow::addToolSeparator() {
    toolbar_->addSeparator();
}

void MainWindow::buildToolbar() {
    toolbar_ = addToolBar(QString());
    toolbar_->setObjectName("tbToolBar");
    toolbar_->setMovable(false);
    // Only the View menu shows and hides the toolbar, so its check mark
    // always tells the truth: no nameless entry in a right-click menu.
    toolbar_->toggleViewAction()->setVisible(false);
    addToolButton("NewFile", txt::kToolNewFile, QStyle::SP_FileIcon);
    addToolButton("OpenFile", txt::kToolOpenFile, QStyle::SP_DialogOpenButton);
    addToolButton("SaveFile", txt::kToolSaveFile, QStyle::SP_DialogSaveButton);
    addToolSeparator();
    addToolButton("Undo", txt::kToolUndo, QStyle::SP_ArrowBack);
    undoButton_ = toolbar_->actions().back();
    addToolButton("Redo", txt::kToolRedo, QStyle::SP_ArrowForward);
    redoButton_ = toolbar_->actions().back();
    addToolSeparator();
    addToolButton("Print", txt::kToolPrint, QStyle::SP_FileDialogContentsView);
    addToolSeparator();
    addToolButton("ReadRadio", txt::kToolReadRadio, QStyle::SP_ArrowDown);
    addToolButton("CommSet", txt::kToolCommSet, QStyle::SP_ComputerIcon);
    addToolButton("WriteRadio", txt::kToolWriteRadio, QStyle::SP_ArrowUp);
    addToolSeparator();
    // Positions 14 to 22: the channel-edit group, kept hidden.
    const auto first = toolbar_->actions().size();
    addToolButton("BtnCHCut", txt::kToolChCut, QStyle::SP_DialogDiscardButton);
    addToolButton("BtnCHCopy", txt::kToolChCopy, QStyle::SP_FileLinkIcon);
    addToolButton("BtnCHPaste", txt::kToolChPaste, QStyle::SP_DialogApplyButton);
    addToolSeparator();
    addToolButton("BtnCHInsert", txt::kToolChInsert, QStyle::SP_FileDialogNewFolder);
    addToolButton("BtnCHDelete", txt::kToolChDelete, QStyle::SP_TrashIcon);
    addToolButton("BtnCHMoveUp", txt::kToolChMoveUp, QStyle::SP_ArrowUp);
    addToolButton("BtnCHMoveDown", txt::kToolChMoveDown, QStyle::SP_ArrowDown);
    addToolSeparator();
    for (auto i = first; i < toolbar_->actions().size(); ++i)
        chEditButtons_.push_back(toolbar_->actions()[i]);
    addToolButton("About", txt::kToolAbout, QStyle::SP_MessageBoxInformation);
}

void MainWindow::ShowCHInfo(bool visible) {
    chEditMenu_->menuAction()->setVisible(visible);
    chEditMenu_->menuAction()->setText(caption(chEditMenu_->menuAction(), txt::kMenuChEdit));
    for (QAction* button : chEditButtons_)
        button->setVisible(visible);
}

void MainWindow::toolbarAction(const QString& key) {
    // A failing toolbar action ends quietly.
    try {
        if (key == "NewFile")
            LoadNewDoc();
        else if (key == "OpenFile")
            open();
        else if (key == "SaveFile")
            save();
        else if (key == "Undo")
            undo();
        else if (key == "Redo")
            redo();
        else if (key == "Print")
            printPreview();
        else if (key == "ReadRadio")
            readFromRadio();
        else if (key == "CommSet")
            choosePort();
        else if (key == "WriteRadio")
            writeToRadio();
        else if (key == "About")
            about();
    } catch (const std::exception&) {
    }
}

// ---- View ----

void MainWindow::toggleTreeView() {
    // The check mark follows the pane, also after the pane's own close button.
    const bool show = !pane_->isVisible();
    pane_->setVisible(show);
    treeViewItem_->setChecked(show);
}

void MainWindow::toggleToolbar() {
    toolbar_->setVisible(toolbarItem_->isChecked());
}

void MainWindow::toggleStatusBar() {
    statusBar()->setVisible(statusBarItem_->isChecked());
}

// ---- Editor windows and dialogs ----

void MainWindow::showChannels() {
    showWindowOnce(win::kChannels);
}
void MainWindow::showOptFeatures() {
    showWindowOnce(win::kOptFeatures);
}
void MainWindow::showDtmf() {
    showWindowOnce(win::kDtmf);
}
void MainWindow::showToneTips() {
    showWindowOnce(win::kToneTips);
}
void MainWindow::showKeys() {
    showWindowOnce(win::kKeys);
}

void MainWindow::radioInformation() {
    closeWindowsNamed(win::kRadioInfo);
    radio().ReadRMGDataFromRadio();
}

void MainWindow::readFromRadio() {
    commitPendingEdits();
    radio().readFromRadio();
}
void MainWindow::writeToRadio() {
    commitPendingEdits();
    radio().writeToRadio();
}
void MainWindow::writeToSeveralRadios() {
    commitPendingEdits();
    radio().writeToSeveralRadios();
}
void MainWindow::editPassword() {
    radio().editPassword();
}
void MainWindow::choosePort() {
    radio().choosePort();
}

void MainWindow::chooseLanguage() {
    commitPendingEdits();
    FrmSetLanguage dialog(ctx_, this);
    runModal(dialog);
    tellSettingsProblems(ctx_);
    // The main window becomes active again as the dialog closes; a new
    // language is applied then (also where no activation arrives).
    activated();
}

void MainWindow::modelInformation() {
    FrmModelInfo dialog(ctx_, *this);
    runModal(dialog);
}

// The printout of the document as it stands, pending edits included; the
// preview prints it or, through the print dialog, saves it as a PDF file.
void MainWindow::printPreview() {
    commitPendingEdits();
    const PrintLayout layout = makePrintLayout(ctx_.document);
    QPrintPreviewDialog dialog(this);
    dialog.setObjectName("FrmPrintPreview");
    dialog.setWindowTitle(ctx_.text(txt::kPrintPreviewCaption));
    dialog.printer()->setDocName(QString::fromStdString(ctx_.document.DataFileName));
    connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
            [this, &layout](QPrinter* printer) {
                const auto tellFailed = [this](const QString& where) {
                    ctx_.prompter.message(Prompt::ofText(
                        txt::kPrintPdfFailed,
                        ctx_.texts.text(txt::kPrintPdfFailed) + "\n" + where.toStdString(),
                        PromptIcon::Error));
                };
                // A PDF file (not the preview's pages) is written by the
                // program itself, through a file that replaces the target
                // only when complete: a failure keeps an earlier file and
                // has its reason.
                if (printer->paintEngine() && printer->paintEngine()->type() == QPaintEngine::Pdf &&
                    !printer->outputFileName().isEmpty()) {
                    QString error;
                    if (!writePdf(layout, printer->outputFileName(), error, printer->pageLayout()))
                        tellFailed(printer->outputFileName() + ": " + error);
                    return;
                }
                printLayout(layout, *printer);
                // A printer that cannot be opened prints nothing and says
                // nothing: the user hears of it here.
                if (printer->printerState() == QPrinter::Error) tellFailed(printer->printerName());
            });
    runModal(dialog);
}

void MainWindow::about() {
    FrmAbout dialog(ctx_, this);
    runModal(dialog);
}

void MainWindow::onNodeClicked(const QString& key) {
    if (key == "N1")
        showChannels();
    else if (key == "N2")
        showOptFeatures();
    else if (key == "N4")
        showDtmf();
    else if (key == "N12")
        showToneTips();
    else if (key == "N8")
        showKeys();
    else if (key == "N7")
        radioInformation();
}

// ---- Documents ----

bool MainWindow::documentChanged() const {
    return isChanged(ctx_.document);
}

bool MainWindow::SaveDocument() {
    if (!saveDocument(ctx_.document)) return false;
    ShowMainTxt();
    return true;
}

bool MainWindow::save() {
    commitPendingEdits();
    Document& doc = ctx_.document;
    if (doc.IsUntitled) return saveAs();
    const std::string question =
        "\"" + fileNameOfPath(doc.DataFileName) + "\"" + doc.text(txt::kConfirmSave);
    if (ctx_.prompter.okCancel(Prompt::ofText(txt::kConfirmSave, question, PromptIcon::Question)) !=
        PromptAnswer::Ok)
        return false;
    return SaveDocument();
}

bool MainWindow::saveAs() {
    commitPendingEdits();
    Document& doc = ctx_.document;
    const auto path =
        ctx_.fileDialogs.saveFileName(this, fileFilter_, QString::fromStdString(doc.DataFileName));
    if (!path || path->isEmpty()) return false;
    if (!saveDocumentAs(doc, path->toStdString())) return false;
    ShowMainTxt();
    return true;
}

bool MainWindow::saveBeforeDiscarding() {
    // An untitled document gets its name through Save As; nothing is ever
    // written under a name the user did not choose.
    return ctx_.document.IsUntitled ? saveAs() : SaveDocument();
}

void MainWindow::open() {
    commitPendingEdits();
    if (documentChanged()) {
        const PromptAnswer answer =
            ctx_.prompter.yesNoCancel(ctx_.document.prompt(txt::kSaveChanges, PromptIcon::Warning));
        if (answer == PromptAnswer::Cancel) return;
        if (answer == PromptAnswer::Yes && !saveBeforeDiscarding()) return;
    }
    OpenDocument();
}

void MainWindow::OpenDocument() {
    const auto path = ctx_.fileDialogs.openFileName(this, fileFilter_);
    if (!path || path->isEmpty()) return;
    openFile(*path);
}

void MainWindow::openFile(const QString& path) {
    openDocumentFile(path, false);
}

void MainWindow::openDocumentFile(const QString& path, bool asUntitled) {
    CloseCurAllWindows();
    try {
        switch (openDocument(ctx_.document, path.toStdString(), *ctx_.versions)) {
            case OpenResult::Opened:
                if (asUntitled) {
                    ctx_.document.DataFileName = "new.dat";
                    ctx_.document.IsUntitled = true;
                }
                showWindowOnce(win::kChannels);
                ShowMainTxt();
                Change_Language();
                cascade();
                startFreshHistory();
                break;
            case OpenResult::OtherVersionStarted:
                // The program version of the file runs now; this one ends
                // without further questions.
                unloaded_ = true;
                radio().closePort();
                savePlacement();
                saveSettingBytes(ctx_.settings);
                close();
                break;
            case OpenResult::Refused:
            case OpenResult::Failed:
                break;
        }
    } catch (const std::exception&) {
    }
}

void MainWindow::newFromMenu() {
    commitPendingEdits();
    if (documentChanged()) {
        const PromptAnswer answer =
            ctx_.prompter.yesNoCancel(ctx_.document.prompt(txt::kSaveChanges, PromptIcon::Warning));
        // No and Cancel both go on to the confirmation below.
        if (answer == PromptAnswer::Yes && !saveBeforeDiscarding()) {
            ctx_.settings.InitialSettingsRequest = false;
            return;
        }
    }
    if (ctx_.prompter.okCancel(ctx_.document.prompt(txt::kConfirmNew, PromptIcon::Warning)) ==
        PromptAnswer::Ok) {
        LoadNewDoc();
    } else {
        // An Initialize the user cancelled must not change a later New.
        ctx_.settings.InitialSettingsRequest = false;
    }
}

void MainWindow::initialize() {
    ctx_.settings.InitialSettingsRequest = true;
    newFromMenu();
}

void MainWindow::LoadNewDoc() {
    // Closing the windows commits their pending edits first.
    CloseCurAllWindows();
    // Nothing of the document being replaced can be undone any more.
    startFreshHistory();
    newDocTimer_->start();
}

void MainWindow::initialiseNewDocument() {
    NewDocumentOptions options;
    options.initialize = ctx_.settings.InitialSettingsRequest;
    options.programDir = ctx_.settings.ProgramFolder;
    options.resetLink = ctx_.resetLink;
    newDocument(ctx_.document, options);
}

void MainWindow::onNewDocTimer() {
    newDocTimer_->stop();
    initialiseNewDocument();
    ApplyMainTexts();
    showWindowOnce(win::kChannels);
    ShowMainTxt();
    cascade();
    ctx_.settings.InitialSettingsRequest = false;
    startFreshHistory();
}

void MainWindow::LoadNewDoc2() {
    initialiseNewDocument();
    ApplyMainTexts();
    showWindowOnce(win::kChannels);
    ShowMainTxt();
    startFreshHistory();
}

}  // namespace zq61::gui
