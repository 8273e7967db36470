// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QStatusBar>
#include <QStyle>
#include <QTime>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>

#include "app/accessible_child_window.h"
#include "app/app_context.h"
#include "app/navigation_pane.h"
#include "app/radio_commands.h"
#include "app/screen_fit.h"
#include "app/settings_problems.h"
#include "app/toolkit_translations.h"
#include "app/twips.h"
#include "app/window_area_scrolling.h"
#include "app/window_names.h"
#include "codec/text_helpers.h"
#include "model/bands.h"
#include "model/text_ids.h"
#include "platform/settings_store.h"

namespace zq61::gui {

namespace {

// Until the radio link is there, its commands only say so.
class PendingRadioCommands : public RadioCommands {
  public:
    explicit PendingRadioCommands(MainWindow& main) : main_(main) {}
    void readFromRadio() override { notAvailable(); }
    void writeToRadio() override { notAvailable(); }
    void writeToSeveralRadios() override { notAvailable(); }
    void ReadRMGDataFromRadio() override { notAvailable(); }
    void editPassword() override { notAvailable(); }
    void choosePort() override { notAvailable(); }
    void compareWithRadio() override { notAvailable(); }
    void closePort() override {}

  private:
    void notAvailable() { main_.showStatusNote("The radio link is not yet available."); }
    MainWindow& main_;
};

// Window placement defaults, in twips.
constexpr double kDefaultLeft = 1000;
constexpr double kDefaultTop = 1000;
constexpr double kDefaultWidth = 12500;
constexpr double kDefaultHeight = 9500;

QString placementStoreName(const QString& title) {
    QString name = title;
    name.replace('/', '_').replace('\\', '_');
    return name.isEmpty() ? QStringLiteral("zq61") : name;
}

double readTwips(const QSettings& store, const char* key, double fallback) {
    bool ok = false;
    const double v = QLocale::c().toDouble(store.value(key).toString(), &ok);
    return ok ? v : fallback;
}

}  // namespace

MainWindow::MainWindow(AppContext& context)
    : ctx_(context),
      mdi_(new QMdiArea),
      pane_(nullptr),
      newDocTimer_(new QTimer(this)),
      clock_(new QTimer(this)),
      pendingRadio_(std::make_unique<PendingRadioCommands>(*this)) {
    setObjectName(win::kMain);
    runModal = [](QDialog& dialog) { return dialog.exec(); };

    auto* inner = new QWidget;
    auto* layout = new QHBoxLayout(inner);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    pane_ = new NavigationPane(inner);
    layout->addWidget(pane_);
    mdi_->setObjectName("MDIClient");
    makeWindowAreaScroll(mdi_);
    installAccessibleChildWindows();
    layout->addWidget(mdi_, 1);
    setCentralWidget(inner);
    connect(pane_, &NavigationPane::nodeClicked, this, &MainWindow::onNodeClicked);
    connect(pane_, &NavigationPane::closeRequested, this, [this] {
        pane_->hide();
        treeViewItem_->setChecked(false);
    });

    newDocTimer_->setObjectName("NewDocTimer");
    newDocTimer_->setSingleShot(true);
    newDocTimer_->setInterval(100);
    connect(newDocTimer_, &QTimer::timeout, this, &MainWindow::onNewDocTimer);

    buildMenus();
    buildToolbar();
    buildStatusBar();
    // F6 takes the keyboard between the navigation pane and the active child
    // window: Tab stays within the window it is in.
    auto* nextPane = new QShortcut(QKeySequence(Qt::Key_F6), this);
    connect(nextPane, &QShortcut::activated, this, &MainWindow::switchPane);
    clock_->setInterval(1000);
    connect(clock_, &QTimer::timeout, this, &MainWindow::updateClock);
    clock_->start();
    updateClock();

    // Load: placement, texts, tree, the first document and its channel window.
    restorePlacement();
    ApplyMainTexts();
    LoadTree();
    ctx_.document.setObserver(this);
    LoadNewDoc2();
    ShowCHInfo(false);
}

MainWindow::~MainWindow() {
    ctx_.document.setObserver(nullptr);
    // The child windows go after this window's members: nothing they are
    // told while they close may reach back into it.
    mdi_->disconnect();
}

RadioCommands& MainWindow::radio() {
    return ctx_.radio ? *ctx_.radio : *pendingRadio_;
}

// ---- Texts ----

void MainWindow::ApplyMainTexts() {
    const Document& doc = ctx_.document;
    fileFilter_ = ctx_.text(txt::kDataFileType) + " (*.dat)";
    const Settings& s = ctx_.settings;
    // "Port: COM" and the number; a port chosen by its path shows the path
    // in place of "COM" and the number.
    QString portPanel = ctx_.text(txt::kPortPanel);
    const QString path = !radio().portOverride().isEmpty() ? radio().portOverride()
                                                           : QString::fromStdString(s.PortName);
    if (path.isEmpty()) {
        portPanel += QString::number(s.ComPortNumber);
    } else {
        if (portPanel.endsWith("COM")) portPanel.chop(3);
        portPanel += path;
    }
    panels_[2]->setText(portPanel);
    panels_[1]->setText(QString::fromStdString(cleanString(doc.ModelName) + "[" +
                                               bandModeName(doc.BandMode) + ":" +
                                               doc.BandRangeText + "]"));
    ShowMainTxt();
    for (auto& [item, id] : captions_)
        item->setText(caption(item, id));
    for (auto& [button, id] : tooltips_) {
        button->setText(ctx_.text(id));
        button->setToolTip(ctx_.text(id));
    }
}

// An item that is not shown keeps no underlined letter: Alt and that letter
// belong to the menus that show (the hidden channel-edit menu's "H" would
// make Alt+H, Help's, open nothing).
QString MainWindow::caption(const QAction* item, int textId) const {
    QString text = ctx_.text(textId);
    if (!item->isVisible()) text.remove('&');
    return text;
}

QString MainWindow::modelLabel() const {
    const Document& doc = ctx_.document;
    return QString::fromStdString(cleanString(doc.ModelName) + ":" + bandModeName(doc.BandMode));
}

void MainWindow::ShowMainTxt() {
    const Document& doc = ctx_.document;
    setWindowTitle(ctx_.text(txt::kAppTitle) + "[" + modelLabel() + ":" +
                   QString::fromStdString(bandLabel(doc.BandRangeText)) + "][" +
                   ctx_.text(txt::kCaptionFileLabel) + ":" +
                   QString::fromStdString(fileNameOfPath(doc.DataFileName)) + "]");
    pane_->setModelLabel(modelLabel());
}

void MainWindow::LoadTree() {
    pane_->LoadTree(modelLabel(), ctx_.texts);
}

void MainWindow::Change_Language() {
    ApplyMainTexts();
    LoadTree();
}

void MainWindow::activated() {
    Settings& s = ctx_.settings;
    if (s.CurrentLanguage == s.ShownLanguage) return;
    commitPendingEdits();
    s.ShownLanguage = s.CurrentLanguage;
    useToolkitTexts(s);
    Change_Language();
    CloseCurAllWindows();
    showWindowOnce(win::kChannels);
}

bool MainWindow::event(QEvent* event) {
    const bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::WindowActivate) activated();
    if (event->type() == QEvent::Show && !framedOnScreen_) {
        framedOnScreen_ = true;
        fitFrameOnScreen();
    }
    return handled;
}

// ---- Child windows ----

QWidget* MainWindow::findWindow(const QString& name) const {
    for (QMdiSubWindow* sub : mdi_->subWindowList())
        if (sub->widget() && sub->widget()->objectName() == name) return sub->widget();
    return nullptr;
}

QStringList MainWindow::openWindowNames() const {
    QStringList names;
    for (QMdiSubWindow* sub : mdi_->subWindowList())
        if (sub->widget()) names << sub->widget()->objectName();
    return names;
}

QWidget* MainWindow::showWindowOnce(const QString& name) {
    if (QWidget* open = findWindow(name)) {
        auto* sub = qobject_cast<QMdiSubWindow*>(open->parentWidget());
        if (sub) {
            if (sub->isMinimized()) sub->showNormal();
            activate(sub);
        } else {
            open->setFocus();
        }
        return open;
    }
    const ChildWindowFactory* factory = ctx_.windows.find(name);
    if (!factory) return nullptr;
    QWidget* widget = (*factory)(*this);
    if (!widget) return nullptr;
    widget->setObjectName(name);
    QMdiSubWindow* sub = mdi_->addSubWindow(widget);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    sub->show();
    cascade();
    activate(sub);
    return widget;
}

void MainWindow::activate(QMdiSubWindow* sub) {
    mdi_->setActiveSubWindow(sub);
    // The keyboard goes to the window: to the field it had last, or (when
    // that field has been hidden meanwhile) to its first field; in view.
    QWidget* contents = sub->widget();
    auto takesKeys = [sub, contents](QWidget* w) {
        return w && contents && contents->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) &&
               w->isEnabled() && w->isVisibleTo(sub);
    };
    if (contents && !takesKeys(QApplication::focusWidget())) {
        QWidget* field = sub->focusWidget();
        if (!takesKeys(field)) field = contents->focusWidget();
        // Else the first field, in the order of Tab.
        QWidget* next = sub;
        for (int n = 0; !takesKeys(field) && n < 2000; ++n) {
            next = next->nextInFocusChain();
            if (takesKeys(next)) field = next;
        }
        if (takesKeys(field)) field->setFocus(Qt::OtherFocusReason);
    }
    scrollFieldIntoView(mdi_, sub->focusWidget());
}

void MainWindow::closeWindowsNamed(const QString& name) {
    for (QMdiSubWindow* sub : mdi_->subWindowList()) {
        if (!sub->widget() || sub->widget()->objectName() != name) continue;
        // A closed child window leaves the area's list at once, so it can be
        // opened again straight away.
        sub->close();
    }
}

void MainWindow::CloseCurAllWindows() {
    commitPendingEdits();
    for (QMdiSubWindow* sub : mdi_->subWindowList())
        sub->close();
    // Dialogs the program has open besides the main window.
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != this && w->isVisible() && qobject_cast<QDialog*>(w)) w->close();
}

void MainWindow::commitPendingEdits() {
    for (QMdiSubWindow* sub : mdi_->subWindowList())
        if (auto* editor = dynamic_cast<PendingEditCommitter*>(sub->widget()))
            editor->commitPendingEdit();
}

// ---- Redisplay calls of the document, for the open child windows ----

namespace {

template <typename Call>
void forEachObserver(QMdiArea* mdi, Call call) {
    for (QMdiSubWindow* sub : mdi->subWindowList())
        if (auto* observer = dynamic_cast<DocumentObserver*>(sub->widget())) call(*observer);
}

}  // namespace

void MainWindow::reShowGrid(int chNo) {
    forEachObserver(mdi_, [chNo](DocumentObserver& o) { o.reShowGrid(chNo); });
}
void MainWindow::ReshowByCh() {
    forEachObserver(mdi_, [](DocumentObserver& o) { o.ReshowByCh(); });
}
void MainWindow::SetGridEditData(bool fromGrid) {
    forEachObserver(mdi_, [fromGrid](DocumentObserver& o) { o.SetGridEditData(fromGrid); });
}
void MainWindow::ShowRB() {
    forEachObserver(mdi_, [](DocumentObserver& o) { o.ShowRB(); });
}
void MainWindow::ShowRBOpt() {
    forEachObserver(mdi_, [](DocumentObserver& o) { o.ShowRBOpt(); });
}
void MainWindow::RefreshDtmfLists() {
    forEachObserver(mdi_, [](DocumentObserver& o) { o.RefreshDtmfLists(); });
}
void MainWindow::reShowAll() {
    forEachObserver(mdi_, [](DocumentObserver& o) { o.reShowAll(); });
}

void MainWindow::switchPane() {
    QTreeWidget* tree = pane_->tree();
    QMdiSubWindow* active = mdi_->activeSubWindow();
    if (!tree->hasFocus() || !active) {
        if (!pane_->isVisible()) toggleTreeView();
        tree->setFocus(Qt::ShortcutFocusReason);
        if (!tree->currentItem() && tree->topLevelItemCount() > 0)
            tree->setCurrentItem(tree->topLevelItem(0));
        return;
    }
    active->setFocus(Qt::ShortcutFocusReason);
}

void MainWindow::cascade() {
    mdi_->cascadeSubWindows();
}

void MainWindow::tileHorizontally() {
    const auto subs = mdi_->subWindowList();
    if (subs.isEmpty()) return;
    const QRect area = mdi_->viewport()->rect();
    const int h = area.height() / static_cast<int>(subs.size());
    for (int i = 0; i < subs.size(); ++i) {
        subs[i]->showNormal();
        subs[i]->setGeometry(0, i * h, area.width(), h);
    }
}

void MainWindow::tileVertically() {
    const auto subs = mdi_->subWindowList();
    if (subs.isEmpty()) return;
    const QRect area = mdi_->viewport()->rect();
    const int w = area.width() / static_cast<int>(subs.size());
    for (int i = 0; i < subs.size(); ++i) {
        subs[i]->showNormal();
        subs[i]->setGeometry(i * w, 0, w, area.height());
    }
}

void MainWindow::arrangeIcons() {
    // Minimised child windows in a row along the bottom edge.
    int x = 0;
    const int bottom = mdi_->viewport()->height();
    for (QMdiSubWindow* sub : mdi_->subWindowList()) {
        if (!sub->isMinimized()) continue;
        sub->move(x, bottom - sub->height());
        x += sub->width();
    }
}

// ---- Status bar ----

void MainWindow::buildStatusBar() {
    status_ = statusBar();
    status_->setObjectName("sbStatusBar");
    for (int i = 0; i < 5; ++i) {
        panels_[i] = new QLabel;
        panels_[i]->setObjectName(QString("sbStatusBarPanel%1").arg(i + 1));
        panels_[i]->setContentsMargins(6, 0, 6, 0);
        if (i == 0)
            status_->addWidget(panels_[i], 1);
        else
            status_->addPermanentWidget(panels_[i]);
    }
}

void MainWindow::updateClock() {
    const QLocale locale = QLocale::system();
    panels_[3]->setText(locale.toString(QDate::currentDate(), QLocale::ShortFormat));
    panels_[4]->setText(locale.toString(QTime::currentTime(), QLocale::ShortFormat));
}

void MainWindow::showStatusNote(const QString& text) {
    status_->showMessage(text, 5000);
}

// ---- Placement ----

void MainWindow::restorePlacement() {
    QSettings store("zq61", placementStoreName(ctx_.applicationTitle));
    store.beginGroup("Settings");
    const double left = readTwips(store, "MainLeft", kDefaultLeft);
    const double top = readTwips(store, "MainTop", kDefaultTop);
    const double width = readTwips(store, "MainWidth", kDefaultWidth);
    const double height = readTwips(store, "MainHeight", kDefaultHeight);
    QRect wanted(twipsToPixels(left, this), twipsToPixels(top, this), twipsToPixels(width, this),
                 twipsToPixels(height, this));
    // A place on a screen that is no longer there would hide the window.
    bool onScreen = false;
    for (QScreen* screen : QGuiApplication::screens())
        onScreen = onScreen || screen->availableGeometry().intersects(wanted);
    if (!onScreen || wanted.width() < 100 || wanted.height() < 100)
        wanted = QRect(twipsToPixels(kDefaultLeft, this), twipsToPixels(kDefaultTop, this),
                       twipsToPixels(kDefaultWidth, this), twipsToPixels(kDefaultHeight, this));
    // Never larger than the screen (a small or magnified one): the window
    // area's scroll bars reach what does not fit.
    QScreen* screen = QGuiApplication::screenAt(wanted.center());
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (screen) wanted = fittedInto(wanted, screen->availableGeometry(), QSize());
    move(wanted.topLeft());
    resize(wanted.size());
}

// Once the window has its frame: the frame too stays on the screen.
void MainWindow::fitFrameOnScreen() {
    const QScreen* shownOn = screen();
    if (!shownOn || isMaximized() || isFullScreen()) return;
    const QRect available = shownOn->availableGeometry();
    if (available.contains(frameGeometry())) return;
    const QSize frame = frameGeometry().size() - size();
    const QRect fitted = fittedInto(QRect(pos(), size()), available, frame);
    resize(fitted.size());
    move(fitted.topLeft());
}

void MainWindow::savePlacement() {
    if (isMinimized()) return;
    // The left and top edges are those of the frame (pos()), as restoring
    // moves the frame there; a maximized window keeps its normal size, whose
    // geometry is that of the inside, so the frame's offset is taken off.
    QRect r(pos(), size());
    if (isMaximized()) r = normalGeometry().translated(pos() - geometry().topLeft());
    QSettings store("zq61", placementStoreName(ctx_.applicationTitle));
    store.beginGroup("Settings");
    auto twips = [this](int px) {
        return QString::number(static_cast<float>(pixelsToTwips(px, this)));
    };
    store.setValue("MainLeft", twips(r.x()));
    store.setValue("MainTop", twips(r.y()));
    store.setValue("MainWidth", twips(r.width()));
    store.setValue("MainHeight", twips(r.height()));
    if (const auto problem = saveSettingsStore(store))
        ctx_.settings.WriteProblems.push_back(*problem);
}

// ---- Unload ----

void MainWindow::closeEvent(QCloseEvent* event) {
    if (unloaded_) {
        event->accept();
        return;
    }
    savePlacement();
    commitPendingEdits();
    if (documentChanged()) {
        const PromptAnswer answer =
            ctx_.prompter.yesNoCancel(ctx_.document.prompt(txt::kSaveChanges, PromptIcon::Warning));
        if (answer == PromptAnswer::Cancel) {
            event->ignore();
            return;
        }
        // The user asked to keep the edits: without a written file the
        // program stays open rather than lose them.
        if (answer == PromptAnswer::Yes && !save()) {
            event->ignore();
            return;
        }
    }
    unloaded_ = true;
    radio().closePort();
    saveSettingBytes(ctx_.settings);
    tellSettingsProblems(ctx_);
    event->accept();
}

void MainWindow::exitProgram() {
    close();
}

}  // namespace zq61::gui
