// SPDX-License-Identifier: GPL-3.0-or-later
// Every window of the program, in a main window of the default size, in
// both languages: each is reached whole (its own size, or through the
// window area's scroll bars), every field takes the focus in view, no
// caption is cut, and screen readers find the window showing and every
// field named. The keyboard alone opens each window from the menus and the
// navigation pane, walks its fields, changes one and closes it. The same
// list of windows serves every check: a new window is one more line in it.

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>
#include <algorithm>
#include <functional>

#include "app/csv_commands.h"
#include "app/file_dialogs.h"
#include "app/navigation_pane.h"
#include "app/window_names.h"
#include "editors/channel_grid.h"
#include "editors/memory_frequency_dialog.h"
#include "gui_test_support.h"
#include "link/windows/progress_window.h"
#include "model/bands.h"
#include "model/document_copies.h"
#include "model/text_ids.h"
#include "radio_link_support.h"

namespace zq61::test {

namespace {

QString nameOf(const QWidget* w);

using Check = std::function<void(QWidget*)>;
// Opens a window in a run and hands it to the check while it is on screen
// (a dialog while it runs).
using Opener = std::function<void(LinkRun&, const Check&)>;

struct ProgramWindow {
    const char* name;
    Opener open;        // as the program opens it
    Opener openByKeys;  // from the menus or the navigation pane, by the keyboard alone
    int band = kBandHAM;
};

// ---- Pressing keys as a user does: into whatever has the focus ----

QWidget* keyTarget() {
    if (QWidget* popup = QApplication::activePopupWidget()) return popup;
    if (QWidget* focus = QApplication::focusWidget()) return focus;
    return QApplication::activeWindow();
}

void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = keyTarget();
    QVERIFY2(target, "nothing takes the keyboard");
    QTest::keyClick(target, key, modifiers);
}

// Alt and the underlined letter of the menu, arrow keys down to the item,
// Enter.
void chooseByKeys(gui::MainWindow& main, const char* menuName, const char* itemName) {
    auto* menu = main.findChild<QMenu*>(menuName);
    QVERIFY2(menu, menuName);
    QAction* item = nullptr;
    for (QAction* a : menu->actions())
        if (a->objectName() == itemName) item = a;
    QVERIFY2(item, itemName);
    const qsizetype amp = menu->title().indexOf('&');
    QVERIFY2(amp >= 0, qPrintable(menu->title()));
    const QChar letter = menu->title().at(amp + 1).toUpper();
    press(Qt::Key(Qt::Key_A + (letter.unicode() - 'A')), Qt::AltModifier);
    QTRY_COMPARE(QApplication::activePopupWidget(), static_cast<QWidget*>(menu));
    for (int i = 0; i < 40 && menu->activeAction() != item; ++i)
        press(Qt::Key_Down);
    QCOMPARE(menu->activeAction(), item);
    press(Qt::Key_Return);
}

// Tab until `target` has the focus (at most `limit` presses).
void tabTo(QWidget* target, int limit = 200) {
    for (int i = 0; i < limit && !target->hasFocus(); ++i)
        press(Qt::Key_Tab);
    QVERIFY2(target->hasFocus(), qPrintable(target->objectName() + " not reached by Tab"));
}

// The navigation pane's node `key`, chosen with F6 (into the pane), the
// arrow keys and Enter.
void chooseNode(gui::MainWindow& main, const char* key) {
    QTreeWidget* tree = main.navigationPane()->tree();
    for (int i = 0; i < 2 && !tree->hasFocus(); ++i)
        press(Qt::Key_F6);
    QVERIFY(tree->hasFocus());
    press(Qt::Key_Home);
    for (int i = 0; i < 20 && tree->currentItem()->data(0, Qt::UserRole).toString() != key; ++i)
        press(Qt::Key_Down);
    QCOMPARE(tree->currentItem()->data(0, Qt::UserRole).toString(), QString(key));
    press(Qt::Key_Return);
}

// ---- Opening the windows ----

// The window takes the keyboard, as the window manager gives it to a window
// that opens (the offscreen platform does not).
void activate(QWidget* window) {
    window->activateWindow();
    QTRY_VERIFY(window->isActiveWindow());
}

void settle() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

// The child window `name` once it is there (a radio's after its transfer),
// with the main window active again, as the window manager leaves it when
// the progress window has closed.
QWidget* awaitWindow(gui::MainWindow& main, const char* name) {
    if (!QTest::qWaitFor([&] { return main.findWindow(name) != nullptr; }, 30000)) return nullptr;
    if (!QApplication::activeWindow()) activate(&main);
    return main.findWindow(name);
}

Opener child(const char* name) {
    return [name](LinkRun& run, const Check& check) { check(run.gui.main().showWindowOnce(name)); };
}

Opener childByNode(const char* node, const char* name) {
    return [node, name](LinkRun& run, const Check& check) {
        chooseNode(run.gui.main(), node);
        check(awaitWindow(run.gui.main(), name));
    };
}

Opener childByMenu(const char* menu, const char* item, const char* name) {
    return [menu, item, name](LinkRun& run, const Check& check) {
        chooseByKeys(run.gui.main(), menu, item);
        check(awaitWindow(run.gui.main(), name));
    };
}

// The next dialog the main window runs is shown and checked.
void checkNextDialog(LinkRun& run, const Check& check) {
    run.gui.answerDialog = [check](QDialog& dialog) {
        dialog.setModal(true);  // as exec() runs it
        dialog.show();
        activate(&dialog);
        check(&dialog);
        const int result = dialog.isVisible() ? int(QDialog::Rejected) : dialog.result();
        dialog.hide();
        // As the window manager does when a dialog closes.
        if (QWidget* owner = dialog.parentWidget()) owner->window()->activateWindow();
        return result;
    };
}

Opener dialogByItem(const char* item) {
    return [item](LinkRun& run, const Check& check) {
        checkNextDialog(run, check);
        action(run.gui.main(), item)->trigger();
    };
}

Opener dialogByMenu(const char* menu, const char* item) {
    return [menu, item](LinkRun& run, const Check& check) {
        checkNextDialog(run, check);
        chooseByKeys(run.gui.main(), menu, item);
    };
}

// A button of an open child window, pressed with Tab and Space.
void pressButtonOf(gui::MainWindow& main, const char* window, const char* button) {
    QWidget* w = main.findWindow(window);
    QVERIFY2(w, window);
    auto* b = w->findChild<QPushButton*>(button);
    QVERIFY2(b && b->isVisibleTo(w), button);
    tabTo(b);
    press(Qt::Key_Space);
}

// The channel edit window, from the channel window's button.
void openChannelEditByKeys(LinkRun& run, const Check& check) {
    childByNode("N1", gui::win::kChannels)(run, [](QWidget*) {});
    pressButtonOf(run.gui.main(), gui::win::kChannels, "CommandCHInfoEdit");
    check(run.gui.main().findWindow(gui::win::kChannelEdit));
}

// The memory frequency dialog of the channel edit window (a CB document's
// MEM group).
void openMemoryFrequencyByKeys(LinkRun& run, const Check& check) {
    gui::MainWindow& main = run.gui.main();
    openChannelEditByKeys(run, [](QWidget*) {});
    QWidget* edit = main.findWindow(gui::win::kChannelEdit);
    QVERIFY(edit);
    tabTo(edit->findChild<QComboBox*>("ComboCountry"));
    press(Qt::Key_End);  // "MEM"
    checkNextDialog(run, check);
    pressButtonOf(main, gui::win::kChannelEdit, "Command1");
}

// The progress window of a read from a radio that takes its time.
void openProgressByKeys(LinkRun& run, const Check& check) {
    SimRadio slow({"--pace"}, packed(run.gui.doc()));
    const std::string port = run.gui.ctx().settings.PortName;
    run.usePort(slow.port());
    chooseByKeys(run.gui.main(), "mnuProgram", "mnuReadFromRadio");
    QTRY_VERIFY_WITH_TIMEOUT(run.link->progressWindow() && run.link->progressWindow()->isVisible(),
                             10000);
    activate(run.link->progressWindow());
    check(run.link->progressWindow());
    run.waitIdle();
    run.gui.ctx().settings.PortName = port;
}

void openProgress(LinkRun& run, const Check& check) {
    gui::FrmProgress progress(run.gui.ctx().texts, run.gui.prompter, TransferOperation::Read,
                              &run.gui.main());
    progress.show();
    activate(&progress);
    check(&progress);
}

void openMemoryFrequency(LinkRun& run, const Check& check) {
    gui::Frm_Mem_Freq dialog(run.gui.doc(), "26.96500", &run.gui.main());
    dialog.show();
    activate(&dialog);
    check(&dialog);
}

// File > Import CSV... asks where the rows of a CHIRP file go.
void openImportChoice(LinkRun& run, const Check& check) {
    checkNextDialog(run, check);
    gui::chooseImportPlacement(run.gui.main());
}

void openImportChoiceByKeys(LinkRun& run, const Check& check) {
    run.gui.dialogs.openAnswers.push_back(ZQ61_SOURCE_DIR "/tests/data/chirp_mixed.csv");
    checkNextDialog(run, check);
    chooseByKeys(run.gui.main(), "mnuFile", "mnuImportCsv");
}

// File > Open Backup..., the changes made so far not saved.
void openBackupByKeys(LinkRun& run, const Check& check) {
    if (isChanged(run.gui.doc())) run.gui.prompter.answers.push_back(PromptAnswer::No);
    dialogByMenu("mnuFile", "mnuFileOpenBackup")(run, check);
}

// Every window the program opens: its name, how the program opens it, how
// a keyboard user does, and the band mode it is seen in.
const std::vector<ProgramWindow>& programWindows() {
    namespace win = gui::win;
    static const std::vector<ProgramWindow> windows{
        {"channels", child(win::kChannels), childByNode("N1", win::kChannels)},
        {"channel edit", child(win::kChannelEdit), openChannelEditByKeys},
        {"memory frequency", openMemoryFrequency, openMemoryFrequencyByKeys, kBandCB},
        // CB: country selectors in place of the group list.
        {"channels, CB", child(win::kChannels), childByNode("N1", win::kChannels), kBandCB},
        {"channel edit, CB", child(win::kChannelEdit), openChannelEditByKeys, kBandCB},
        {"optional features", child(win::kOptFeatures),
         childByMenu("mnuEdit", "mnuOptFeature", win::kOptFeatures)},
        {"DTMF", child(win::kDtmf), childByNode("N4", win::kDtmf)},
        {"tone tips", child(win::kToneTips), childByMenu("mnuEdit", "mnuToneTips", win::kToneTips)},
        {"keys", child(win::kKeys), childByNode("N8", win::kKeys)},
        {"radio information", child(win::kRadioInfo), childByNode("N7", win::kRadioInfo)},
        {"compare", child(win::kCompare),
         childByMenu("mnuFile", "mnuFileCompareRadio", win::kCompare)},
        {"port", dialogByItem("mnuComm"), dialogByMenu("mnuSet", "mnuComm")},
        {"password", dialogByItem("MnuProPassWord"), dialogByMenu("mnuProgram", "MnuProPassWord")},
        {"progress", openProgress, openProgressByKeys},
        {"transfer log", dialogByItem("mnuHelpTransferLog"),
         dialogByMenu("mnuHelp", "mnuHelpTransferLog")},
        {"import choice", openImportChoice, openImportChoiceByKeys},
        {"open backup", dialogByItem("mnuFileOpenBackup"), openBackupByKeys},
        {"language", dialogByItem("mnuLanguage"), dialogByMenu("mnuSet", "mnuLanguage")},
        {"model information", dialogByItem("mnuModelInfo"),
         dialogByMenu("mnuModel", "mnuModelInfo")},
        {"about", dialogByItem("mnuHelpAbout"), dialogByMenu("mnuHelp", "mnuHelpAbout")},
    };
    return windows;
}

// ---- What is checked in every window ----

// True when `w` is on a page of a tab widget (or another stack of pages).
bool isPage(const QWidget* w) {
    return qobject_cast<QStackedWidget*>(w->parentWidget()) != nullptr;
}

// Makes the page that holds `w` the one shown.
void showPageOf(QWidget* w) {
    for (QWidget* p = w; p && !p->isWindow(); p = p->parentWidget()) {
        if (!isPage(p)) continue;
        auto* stack = static_cast<QStackedWidget*>(p->parentWidget());
        if (auto* tabs = qobject_cast<QTabWidget*>(stack->parentWidget()))
            tabs->setCurrentWidget(p);
        else
            stack->setCurrentWidget(p);
    }
    settle();
}

// Shown, or shown once its page is chosen.
bool shownWithItsPage(const QWidget* w, const QWidget* window) {
    for (const QWidget* p = w; p && p != window; p = p->parentWidget())
        if (p->isHidden() && !isPage(p)) return false;
    return true;
}

// The fields of `window` the keyboard can reach (a widget that passes its
// focus on to another is not one).
QList<QWidget*> fieldsOf(QWidget* window) {
    QList<QWidget*> fields;
    for (QWidget* w : window->findChildren<QWidget*>())
        if ((w->focusPolicy() & Qt::TabFocus) && !w->focusProxy() && w->isEnabled() &&
            shownWithItsPage(w, window))
            fields << w;
    return fields;
}

QString nameOf(const QWidget* w) {
    if (!w) return "nothing";
    return QString("%1 (%2)").arg(w->objectName(), w->metaObject()->className());
}

QMdiSubWindow* frameOf(QWidget* window) {
    return qobject_cast<QMdiSubWindow*>(window->parentWidget());
}

// Where the window's fields are seen: the window area for a child window,
// the dialog itself otherwise.
QWidget* viewOf(QWidget* window, gui::MainWindow& main) {
    return frameOf(window) ? main.mdiArea()->viewport() : window;
}

// A field with the focus lies in view, whole when it fits, and inside its
// own window.
QStringList placeProblems(QWidget* field, QWidget* window, QWidget* view) {
    QStringList problems;
    const QRect inView(field->mapTo(view, QPoint()), field->size());
    const bool fits = inView.width() <= view->width() && inView.height() <= view->height();
    if (fits ? !view->rect().contains(inView) : !view->rect().intersects(inView))
        problems << nameOf(field) + " out of view";
    if (!window->rect().contains(QRect(field->mapTo(window, QPoint()), field->size())))
        problems << nameOf(field) + " beyond its window";
    return problems;
}

QStringList fitProblems(QWidget* window, gui::MainWindow& main) {
    QStringList problems;
    activate(window->window());
    settle();
    const QRect screen = main.screen()->availableGeometry();
    if (!screen.contains(main.frameGeometry())) problems << "the main window is off the screen";
    if (window->isWindow() && !screen.contains(window->frameGeometry()))
        problems << "the dialog is off the screen";
    QWidget* view = viewOf(window, main);
    for (QWidget* field : fieldsOf(window)) {
        showPageOf(field);
        field->setFocus(Qt::TabFocusReason);
        settle();
        if (!field->hasFocus())
            problems << nameOf(field) + " takes no focus";
        else
            problems << placeProblems(field, window, view);
    }
    // Captions whole: every shown label and button at least its wished size.
    for (QWidget* w : window->findChildren<QWidget*>()) {
        auto* label = qobject_cast<QLabel*>(w);
        auto* button = qobject_cast<QAbstractButton*>(w);
        if ((!label || label->text().isEmpty()) && (!button || button->text().isEmpty())) continue;
        if (!shownWithItsPage(w, window)) continue;
        showPageOf(w);
        const QSize wished = w->sizeHint();
        const bool whole = label && label->wordWrap()
                               ? label->heightForWidth(label->width()) <= label->height()
                               : w->width() >= wished.width() && w->height() >= wished.height();
        if (!whole)
            problems << QString("%1 cut: %2x%3 of %4x%5")
                            .arg(nameOf(w))
                            .arg(w->width())
                            .arg(w->height())
                            .arg(wished.width())
                            .arg(wished.height());
    }
    return problems;
}

// A label whose buddy is `field` names it (the only way screen readers on
// Linux name a list).
bool labelledByBuddy(QAccessibleInterface* face, const QWidget* field) {
    for (const auto& [other, relation] : face->relations(QAccessible::Label)) {
        auto* label = other ? qobject_cast<QLabel*>(other->object()) : nullptr;
        if (label && label->buddy() == field && !label->text().trimmed().isEmpty()) return true;
    }
    return false;
}

QStringList speechProblems(QWidget* window) {
    QStringList problems;
    QWidget* frame = frameOf(window) ? frameOf(window) : window;
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(frame);
    if (!face) return {"no accessible window"};
    if (face->state().invisible || face->state().offscreen)
        problems << "the window is not showing to screen readers";
    if (face->text(QAccessible::Name).isEmpty()) problems << "the window has no name";
    for (QWidget* field : fieldsOf(window)) {
        showPageOf(field);
        QAccessibleInterface* f = QAccessible::queryAccessibleInterface(field);
        const bool labelled = f && labelledByBuddy(f, field);
        const bool named = f && !f->text(QAccessible::Name).trimmed().isEmpty();
        if (!labelled && (qobject_cast<QComboBox*>(field) || !named))
            problems << nameOf(field) + " unnamed";
    }
    return problems;
}

// ---- The keyboard alone ----

// What a field shows, to tell whether a key changed it.
QString valueOf(QWidget* w) {
    if (auto* list = qobject_cast<QComboBox*>(w)) return QString::number(list->currentIndex());
    if (auto* box = qobject_cast<QLineEdit*>(w)) return box->text();
    if (auto* items = qobject_cast<QListWidget*>(w)) return QString::number(items->currentRow());
    if (auto* check = qobject_cast<QCheckBox*>(w)) return check->isChecked() ? "on" : "off";
    return {};
}

// Changes the field with the focus by a key, as a user would: the next
// item of a list, a digit typed into a box, a check box switched. False
// when the field has no value a key changes.
bool changeByKeys(QWidget* field) {
    const QString before = valueOf(field);
    if (auto* list = qobject_cast<QComboBox*>(field))
        press(list->currentIndex() + 1 < list->count() ? Qt::Key_Down : Qt::Key_Up);
    else if (auto* box = qobject_cast<QLineEdit*>(field); box && !box->isReadOnly())
        press(Qt::Key_1);
    else if (qobject_cast<QListWidget*>(field))
        press(Qt::Key_Down);
    else if (qobject_cast<QCheckBox*>(field))
        press(Qt::Key_Space);
    else
        return false;
    return valueOf(field) != before;
}

// Radio buttons of one group are one stop of the Tab key: the arrow keys
// move among them.
QWidget* tabStopOf(QWidget* field) {
    if (!qobject_cast<QRadioButton*>(field)) return field;
    return field->parentWidget();
}

// Tabs through `window` from the field that has the focus as it opens:
// every field the window shows is reached, each in view when it has the
// focus, and the first one a key can change is changed.
QStringList walkByKeys(QWidget* window, gui::MainWindow& main) {
    QStringList problems;
    if (!window->isAncestorOf(QApplication::focusWidget()))
        return {"no field has the focus as the window opens"};
    QWidget* view = viewOf(window, main);
    QSet<QWidget*> reached;
    bool changed = false;
    auto unreached = [&] {
        QStringList missing;
        for (QWidget* field : fieldsOf(window))
            if (field->isVisibleTo(window) && !reached.contains(tabStopOf(field)))
                missing << nameOf(field);
        return missing;
    };
    for (int presses = 0; presses < 300 && !unreached().isEmpty(); ++presses) {
        QWidget* field = QApplication::focusWidget();
        if (window->isAncestorOf(field)) {
            reached.insert(tabStopOf(field));
            if (field->visibleRegion().isEmpty()) problems << nameOf(field) + " focused unseen";
            problems << placeProblems(field, window, view);
            if (!changed) changed = changeByKeys(field);
        }
        press(Qt::Key_Tab);
    }
    for (const QString& missing : unreached())
        problems << missing + " never reached by Tab";
    const QList<QWidget*> fields = fieldsOf(window);
    const bool changeable = std::any_of(fields.begin(), fields.end(), [](QWidget* f) {
        auto* list = qobject_cast<QComboBox*>(f);
        auto* box = qobject_cast<QLineEdit*>(f);
        return (list && list->count() > 1) || (box && !box->isReadOnly()) ||
               qobject_cast<QCheckBox*>(f);
    });
    if (changeable && !changed) problems << "no value changed by a key";
    return problems;
}

// Closes the window as a keyboard user does: its Close button, or Escape.
void closeByKeys(QWidget* window) {
    auto* close = window->findChild<QPushButton*>("CommandClose");
    if (close && close->isVisibleTo(window)) {
        tabTo(close);
        press(Qt::Key_Space);
    } else {
        press(Qt::Key_Escape);
    }
}

// Puts the document into `band` as the band mode command does.
void useBand(LinkRun& run, int band) {
    Document& doc = run.gui.doc();
    if (doc.BandMode == band) return;
    setBand(doc, band);
    doc.WorkData.Header.HeaderBandMode = static_cast<int16_t>(band);
    doc.Info.BandMode = static_cast<int16_t>(band);
    run.gui.main().LoadNewDoc();
    run.gui.waitForNewDocument();
}

// Every problem on a line of its own; the test fails when there is one.
void report(const QStringList& problems) {
    for (const QString& p : problems)
        qWarning().noquote() << p;
    QVERIFY2(problems.isEmpty(), qPrintable(QString("%1 problems").arg(problems.size())));
}

bool hasHan(const QString& text) {
    for (const QChar c : text)
        if (c.unicode() >= 0x4E00 && c.unicode() <= 0x9FFF) return true;
    return false;
}

}  // namespace

class WindowsTest : public QObject {
    Q_OBJECT
  private slots:
    void everyWindowFitsAndSpeaks_data() {
        QTest::addColumn<int>("language");
        QTest::newRow("English") << int(kEnglish);
        QTest::newRow("Chinese") << int(kChinese);
    }
    void everyWindowFitsAndSpeaks() {
        QFETCH(int, language);
        LinkRun run(setupIni(language));
        gui::MainWindow& main = run.gui.main();
        main.show();
        activate(&main);
        QStringList problems;
        for (const ProgramWindow& w : programWindows()) {
            useBand(run, w.band);
            bool checked = false;
            w.open(run, [&](QWidget* window) {
                if (!window) return;
                checked = true;
                for (const QString& p : fitProblems(window, main) + speechProblems(window))
                    problems << QString(w.name) + ": " + p;
                if (frameOf(window)) frameOf(window)->close();
            });
            if (!checked) problems << QString(w.name) + ": not opened";
        }
        report(problems);
    }

    // With the keyboard alone, in Chinese: each window opens from the menus
    // or the navigation pane (the radio's windows from a virtual radio),
    // Tab reaches every field in view, one value changes, and the window
    // closes. The compare window's lines are in Chinese.
    void keyboardAlone() {
        LinkRun run(setupIni(kChinese));
        gui::MainWindow& main = run.gui.main();
        main.show();
        activate(&main);
        SimRadio radio({}, bytesOf(radioImage(run.gui.doc())));
        run.usePort(radio.port());
        QStringList problems;
        QStringList compareLines;
        for (const ProgramWindow& w : programWindows()) {
            useBand(run, w.band);
            activate(&main);
            bool checked = false;
            w.openByKeys(run, [&](QWidget* window) {
                if (!window) return;
                checked = true;
                for (const QString& p : walkByKeys(window, main))
                    problems << QString(w.name) + ": " + p;
                if (auto* list = window->findChild<QListWidget*>("ListDifferences"))
                    for (int i = 0; i < list->count(); ++i)
                        compareLines << list->item(i)->text();
                QPointer<QWidget> open(frameOf(window) ? frameOf(window) : window);
                closeByKeys(window);
                if (open && open->isVisible()) problems << QString(w.name) + ": not closed by keys";
            });
            if (!checked) problems << QString(w.name) + ": not opened by keys";
            run.waitIdle();
        }
        report(problems);
        QVERIFY(!compareLines.isEmpty());
        for (const QString& line : compareLines)
            QVERIFY2(hasHan(line), qPrintable(line));
    }

    // Editing a cell in place, the keyboard is in the editor, which screen
    // readers announce by its column and row; it gives the focus back to the
    // grid when it closes.
    void cellEditorSpeaks_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("key");  // opens the editor
        QTest::addColumn<int>("closeKey");
        QTest::newRow("frequency, Enter")
            << int(kEnglish) << 1 << int(Qt::Key_Return) << int(Qt::Key_Escape);
        QTest::newRow("frequency, a digit, Chinese")
            << int(kChinese) << 1 << int(Qt::Key_2) << int(Qt::Key_Return);
        QTest::newRow("public, Enter")
            << int(kEnglish) << 2 << int(Qt::Key_Return) << int(Qt::Key_Return);
    }
    void cellEditorSpeaks() {
        QFETCH(int, language);
        QFETCH(int, column);
        QFETCH(int, key);
        QFETCH(int, closeKey);
        GuiRun run(setupIni(language));
        gui::MainWindow& main = run.start();
        main.show();
        activate(&main);
        auto* grid = main.findWindow(gui::win::kChannels)->findChild<gui::ChannelGrid*>();
        grid->setFocus();
        grid->setCurrentCell(3, column);  // channel 4
        press(Qt::Key(key));
        QWidget* editor = QApplication::focusWidget();
        QVERIFY(editor && editor != grid && grid->isAncestorOf(editor));
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(editor);
        const QString caption = grid->horizontalHeaderItem(column)->text();
        if (column == 1) {
            QCOMPARE(face->role(), QAccessible::EditableText);
            QVERIFY(face->text(QAccessible::Name).contains(caption));
            QVERIFY(face->text(QAccessible::Name).contains("4"));
        } else {
            QVERIFY(labelledByBuddy(face, editor));
            QCOMPARE(editor->accessibleName(),
                     QString::fromStdString(run.ctx().texts.text(txt::kCellEditorName))
                         .arg(caption, "4"));
        }
        press(Qt::Key(closeKey));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(grid));
    }

    // The toolkit's own dialogs follow the language: the Open dialog's
    // labels and buttons in Chinese, in English again after a change.
    void fileDialogSpeaksTheLanguage() {
        GuiRun run(setupIni(kChinese));
        gui::MainWindow& main = run.start();
        main.show();
        activate(&main);
        auto dialogTexts = [&main] {
            const std::unique_ptr<QFileDialog> dialog =
                gui::QtFileDialogs::openDialog(&main, "ZQ-61 (*.dat)");
            dialog->setOption(QFileDialog::DontUseNativeDialog);
            dialog->show();
            QStringList texts;
            for (const char* name : {"lookInLabel", "fileNameLabel", "fileTypeLabel"})
                texts << dialog->findChild<QLabel*>(name)->text();
            for (QAbstractButton* b : dialog->findChild<QDialogButtonBox*>()->buttons())
                texts << b->text();
            return texts;
        };
        const QStringList chinese = dialogTexts();
        QCOMPARE(chinese.size(), 5);
        for (const QString& text : chinese)
            QVERIFY2(hasHan(text), qPrintable(text));
        run.ctx().settings.CurrentLanguage = kEnglish;
        run.ctx().settings.LanguageFileName = languageFileNameFor(kEnglish);
        main.activated();
        for (const QString& text : dialogTexts())
            QVERIFY2(!hasHan(text), qPrintable(text));
    }
};

ZQ61_GUI_TEST(WindowsTest)

}  // namespace zq61::test

#include "windows_test.moc"
