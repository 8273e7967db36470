// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/channel_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <exception>
#include <vector>

#include "app/common_captions.h"
#include "app/field_names.h"
#include "app/main_window.h"
#include "app/twips.h"
#include "app/window_names.h"
#include "codec/frequency.h"
#include "codec/text_helpers.h"
#include "editors/cell_editors.h"
#include "editors/channel_grid.h"
#include "editors/editor_controls.h"
#include "editors/group_panel.h"
#include "model/bands.h"
#include "model/channel_list.h"
#include "model/document.h"
#include "model/frequency_entry.h"
#include "model/text_ids.h"

namespace zq61::gui {

namespace {

// Sizes in twips.
constexpr double kChannelWindowWidth = 8200;
constexpr double kChannelWindowHeight = 6900;
constexpr double kGridWidth = 7680;
constexpr double kHeaderHeight = 500;
constexpr double kColumnWidths[kGridColumns] = {740, 1800, 1100, 0, 0, 1200, 1100, 1400};
constexpr int kHeaderTextIds[kGridColumns] = {
    txt::kGridNumber, txt::kGridFrequency, txt::kGridPublic, txt::kGridDup,
    txt::kGridOffset, txt::kGridTsq,       txt::kGridScan,   txt::kGridEdit};

const QColor kHeaderText(0, 0, 155);
const QColor kRowNumberText(0, 0, 255);
const QColor kEditCellText(255, 0, 0);
const QColor kEditCellBack(220, 220, 220);

}  // namespace

template <typename Step>
void ChannelWindow::guarded(const char* name, Step step) {
    try {
        step();
    } catch (const std::exception&) {
        GridBusy = false;
        GroupSyncing = false;
        doc_.tell(FixedText::WindowError, PromptIcon::None, name);
    }
}

ChannelWindow::ChannelWindow(Document& doc, MainWindow* main, QWidget* parent)
    : QWidget(parent), doc_(doc), main_(main) {
    buildControls();
    guarded("frmCommChInfo_Form_Load", [this] {
        // 1. The window's size.
        resize(twipsToPixels(kChannelWindowWidth, this), twipsToPixels(kChannelWindowHeight, this));
        // 2. The group list; in CB mode the country selector stands in for it.
        {
            const QSignalBlocker quiet(groupList_);
            groupList_->clear();
            for (int g = 0; g < 12; ++g)
                if (const std::string name = groupName(g, doc_.BandMode); !name.empty())
                    groupList_->addItem(qs(name));
            groupList_->setCurrentIndex(-1);
        }
        const bool cb = doc_.BandMode == kBandCB;
        groupList_->setVisible(!cb);
        country_->setVisible(cb);
        subCountry_->setVisible(false);
        groupLabel_->setBuddy(cb ? static_cast<QWidget*>(country_) : groupList_);
        // 3.-5.
        InitShowGrid();
        ChangShowByLanguage();
        SetGridData();
        // 6.
        doc_.ChannelWindowOpen = true;
        grid_->setCurrentCell(0, kGridColFrequency);
        GridReady = true;
        // The keyboard starts in the grid (and the group list before it
        // stays within reach of Tab).
        grid_->setFocus();
    });
}

ChannelWindow::~ChannelWindow() {
    if (!closed_) doc_.ChannelWindowOpen = false;
}

void ChannelWindow::buildControls() {
    auto* layout = new QVBoxLayout(this);

    auto* top = new QHBoxLayout;
    groupLabel_ = new QLabel(this);
    groupLabel_->setObjectName("LabelGroup");
    groupList_ = new QComboBox(this);
    groupList_->setObjectName("ComboGroup");
    makeChannelCountrySelectors(this, country_, subCountry_);
    top->addWidget(groupLabel_);
    top->addWidget(groupList_);
    top->addWidget(country_);
    top->addWidget(subCountry_);
    top->addStretch(1);
    layout->addLayout(top);

    grid_ = new ChannelGrid(this);
    grid_->setObjectName("MSFlexGrid1");
    layout->addWidget(grid_, 1);

    panel_ = new GroupPanel(doc_, GroupSyncing, this);
    panel_->setObjectName("GroupPanel");
    layout->addWidget(panel_);

    editButton_ = new QPushButton(this);
    editButton_->setObjectName("CommandCHInfoEdit");
    editButton_->setAutoDefault(false);
    addCloseRow(layout, this, *doc_.texts, HelpButton::Hidden)->insertWidget(1, editButton_);

    // The in-place editors live on the grid's viewport, over the cell.
    QWidget* over = grid_->viewport();
    text1_ = makeNumericEditor(over, "Text1", NumericKind::Frequency);
    text2_ = makeNumericEditor(over, "Text2", NumericKind::Whole);
    const char* comboNames[4] = {"Combo1", "Combo2", "Combo3", "Combo4"};
    const int comboColumns[4] = {kGridColPublic, kGridColDup, kGridColTsq, kGridColScan};
    for (int i = 0; i < 4; ++i) {
        combos_[i] = makeChoiceEditor(over, comboNames[i], comboColumns[i]);
        auto* keys = new CellEditorKeys(combos_[i], false, NumericKind::Whole);
        connect(keys, &CellEditorKeys::enterPressed, this, &ChannelWindow::editorEnter);
        connect(keys, &CellEditorKeys::escapePressed, this, &ChannelWindow::editorEscape);
        connect(keys, &CellEditorKeys::tabPressed, this, &ChannelWindow::editorTab);
        const int column = comboColumns[i];
        connect(combos_[i], &QComboBox::currentIndexChanged, this,
                [this, column] { choiceChanged(column); });
    }
    // Each editor is named after the cell it edits as it opens.
    for (QWidget* editor : cellEditors())
        nameField(editor, QString());
    for (auto [edit, kind] :
         {std::pair{text1_, NumericKind::Frequency}, std::pair{text2_, NumericKind::Whole}}) {
        auto* keys = new CellEditorKeys(edit, true, kind);
        connect(keys, &CellEditorKeys::enterPressed, this, &ChannelWindow::editorEnter);
        connect(keys, &CellEditorKeys::escapePressed, this, &ChannelWindow::editorEscape);
        connect(keys, &CellEditorKeys::tabPressed, this, &ChannelWindow::editorTab);
        connect(edit, &QLineEdit::textEdited, this, [this] { editPending_ = true; });
    }

    // Group selection.
    connect(groupList_, &QComboBox::currentIndexChanged, this, &ChannelWindow::groupChanged);
    connect(country_, &QComboBox::currentIndexChanged, this, &ChannelWindow::countryChanged);
    connect(subCountry_, &QComboBox::currentIndexChanged, this, &ChannelWindow::countryChanged);

    // The cursor, keys and mouse of the grid.
    connect(grid_, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (!GridReady || GridBusy || row < 0) return;
        doc_.GridRow = static_cast<int16_t>(row + 1);
        setCaption(txt::kGridCaption);
    });
    connect(grid_, &ChannelGrid::editRequested, this, &ChannelWindow::EnterGridEdit);
    connect(grid_, &ChannelGrid::digitTyped, this, &ChannelWindow::typeIntoFrequency);
    connect(grid_, &ChannelGrid::pressed, this, &ChannelWindow::EndGridEdit);
    for (QScrollBar* bar : {grid_->verticalScrollBar(), grid_->horizontalScrollBar()})
        connect(bar, &QScrollBar::valueChanged, this, &ChannelWindow::EndGridEdit);
    // Focus arriving anywhere but at the open editor ends the edit.
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { focusMoved(now); });

    // Buttons.
    connect(editButton_, &QPushButton::clicked, this, &ChannelWindow::openChannelEdit);

    // Leaving the window: the main window's channel-edit commands go away.
    if (main_) {
        connect(main_->mdiArea(), &QMdiArea::subWindowActivated, this,
                [this](QMdiSubWindow* active) {
                    if (!active || active->widget() != this) main_->ShowCHInfo(false);
                });
    }
}

QSize ChannelWindow::sizeHint() const {
    return {twipsToPixels(kChannelWindowWidth, this), twipsToPixels(kChannelWindowHeight, this)};
}

// ---- Loading and texts ----

void ChannelWindow::InitShowGrid() {
    guarded("frmCommChInfo_InitShowGridError", [this] {
        ResetGridRows();
        grid_->horizontalHeader()->setFixedHeight(twipsToPixels(kHeaderHeight, this));
        for (int c = 0; c < kGridColumns; ++c) {
            const int width = twipsToPixels(kColumnWidths[c], this);
            grid_->setColumnHidden(c, width == 0);
            if (width > 0) grid_->setColumnWidth(c, width);
        }
        grid_->setMinimumWidth(twipsToPixels(kGridWidth, this));
    });
}

void ChannelWindow::setCaption(int textId) {
    const int group = shownGroup();
    const QString caption = qs(doc_.text(textId)) + " " + qs(groupName(group, doc_.BandMode)) +
                            " --- " + " " + QString::number(doc_.GridRow) + "]";
    setWindowTitle(caption);
}

void ChannelWindow::ChangShowByLanguage() {
    guarded("frmCommChInfo_ChangShowByLanguage", [this] {
        GridBusy = true;
        if (grid_->currentRow() >= 0) doc_.GridRow = static_cast<int16_t>(grid_->currentRow() + 1);
        const QString group = qs(doc_.text(txt::kGroupLabel));
        groupLabel_->setText(group);
        groupList_->setAccessibleName(group);
        country_->setAccessibleName(group);
        renameField(subCountry_, group + " U/UK");
        grid_->setAccessibleName(qs(doc_.text(txt::kGridAccessibleName)));
        panel_->applyTexts();
        setCaption(txt::kGroupLabel);
        for (int c = 0; c < kGridColumns; ++c) {
            auto* header = new QTableWidgetItem(qs(doc_.text(kHeaderTextIds[c])));
            header->setForeground(kHeaderText);
            grid_->setHorizontalHeaderItem(c, header);
        }
        for (int r = 0; r < grid_->rowCount(); ++r) {
            grid_->item(r, kGridColNumber)->setText(QString::number(r + 1));
            grid_->item(r, kGridColNumber)->setForeground(kRowNumberText);
            grid_->item(r, kGridColEdit)->setText(">>");
            grid_->item(r, kGridColEdit)->setForeground(kEditCellText);
            grid_->item(r, kGridColEdit)->setBackground(kEditCellBack);
        }
        editButton_->setText(qs(doc_.text(txt::kGridEditButton)));
        ApplyCloseHelpTexts(this, *doc_.texts);
        GridBusy = false;
    });
}

void ChannelWindow::ReShowChInfoByLanguage() {
    ChangShowByLanguage();
    SetGridData();
}

int ChannelWindow::shownGroup() const {
    return groupList_->currentIndex();
}

void ChannelWindow::SetGridData() {
    guarded("frmCommChInfo_SetGridData", [this] {
        int group = doc_.WorkData.Options.CurGroup;
        // A remembered group the band mode does not have shows the first one.
        if (group < 0 || group >= groupList_->count()) group = 0;
        {
            const QSignalBlocker quiet(groupList_);
            groupList_->setCurrentIndex(-1);
        }
        groupList_->setCurrentIndex(group);  // runs the group change
        syncCountrySelectors();
    });
}

void ChannelWindow::reShowAll() {
    SetEditDisable();
    const int group = shownGroup();
    const int row = grid_->currentRow();
    const int column = grid_->currentColumn();
    SetGridData();
    if (shownGroup() == group && row >= 0 && row < grid_->rowCount() && column >= 0)
        grid_->setCurrentCell(row, column);
}

void ChannelWindow::syncCountrySelectors() {
    if (doc_.BandMode != kBandCB) return;
    GroupSyncing = true;
    showGroupInCountrySelectors(country_, subCountry_, groupList_->currentText());
    GroupSyncing = false;
}

void ChannelWindow::ChangeGroup() {
    if (EditGroup >= 0 && EditGroup < groupList_->count()) groupList_->setCurrentIndex(EditGroup);
    syncCountrySelectors();
}

void ChannelWindow::countryChanged() {
    // The U/UK selector is there only while "U" is chosen.
    const QString name =
        followCountrySelector(country_, subCountry_, country_->currentText() == "U", this);
    if (GroupSyncing) return;
    const int group = groupList_->findText(name, Qt::MatchExactly);
    if (group >= 0) groupList_->setCurrentIndex(group);
}

// ---- Rows ----

int ChannelWindow::rowCount() const {
    return grid_->rowCount() + 1;
}

QString ChannelWindow::cellText(int row, int column) const {
    const QTableWidgetItem* item = grid_->item(row - 1, column);
    return item ? item->text() : QString();
}

void ChannelWindow::ResetGridRows() {
    const int rows = GroupSize(doc_.WorkData.Options.CurGroup, doc_.BandMode);
    if (grid_->rowCount() != rows) {
        grid_->setRowCount(rows);
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < kGridColumns; ++c)
                if (!grid_->item(r, c)) {
                    auto* item = new QTableWidgetItem;
                    item->setTextAlignment(Qt::AlignCenter);
                    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
                    grid_->setItem(r, c, item);
                }
    }
    SetEditDisable();
}

void ChannelWindow::InitRowHeaders() {
    GridBusy = true;
    // Frequencies are typed into the grid in HF and HAM mode only.
    const QBrush frequencyBack =
        palette().brush(doc_.BandMode == kBandCB ? QPalette::Window : QPalette::Base);
    for (int r = 0; r < grid_->rowCount(); ++r) {
        grid_->item(r, kGridColNumber)->setText(QString::number(r + 1));
        grid_->item(r, kGridColNumber)->setForeground(kRowNumberText);
        grid_->item(r, kGridColFrequency)->setBackground(frequencyBack);
        grid_->item(r, kGridColEdit)->setText(">>");
        grid_->item(r, kGridColEdit)->setForeground(kEditCellText);
        grid_->item(r, kGridColEdit)->setBackground(kEditCellBack);
    }
    if (grid_->rowCount() > 0) grid_->setCurrentCell(0, kGridColFrequency);
    GridBusy = false;
}

void ChannelWindow::ShowRowData(int recordIndex, int row, bool clear) {
    const int r = row - 1;
    if (r < 0 || r >= grid_->rowCount()) return;
    if (clear) {
        for (int c = kGridColFrequency; c <= kGridColScan; ++c)
            grid_->item(r, c)->setText(QString());
        return;
    }
    const ChannelRecord& ch = doc_.WorkChannels[static_cast<std::size_t>(recordIndex)];
    const std::string stored = cleanString(ch.Frequency.view());
    grid_->item(r, kGridColFrequency)->setText(qs(displayFrequency(stored, shownGroup(), doc_)));
    auto choice = [](int column, int value) {
        return qs(listItem(gridChoiceItems(column), value));
    };
    grid_->item(r, kGridColPublic)->setText(choice(kGridColPublic, ch.Public));
    grid_->item(r, kGridColDup)->setText(choice(kGridColDup, ch.DUP));
    grid_->item(r, kGridColOffset)->setText(QString::number(ch.OffSetFre));
    grid_->item(r, kGridColTsq)->setText(choice(kGridColTsq, ch.TSQ));
    grid_->item(r, kGridColScan)->setText(choice(kGridColScan, ch.Scan));
}

void ChannelWindow::groupChanged(int group) {
    if (group < 0) return;
    // A pending edit belongs to the group it was typed in.
    EndGridEdit();
    // 1.
    doc_.WorkData.Options.CurGroup = static_cast<int16_t>(group);
    EditGroup = group;
    // 2.
    ResetGridRows();
    InitRowHeaders();
    // 3.
    if (GridReady) doc_.GridRow = 1;
    setCaption(txt::kGridCaption);
    // 4.
    panel_->setupForGroup(group);
    // 5.
    grid_->setUpdatesEnabled(false);
    for (int row = 1; row < rowCount(); ++row)
        ShowRowData(0, row, true);
    reShowAllGrid();
    // 6.
    if (EditRow > rowCount() - 1) EditRow = 1;
    // 7.
    if (doc_.ChannelEditOpen) doc_.observer->SetGridEditData(true);
    // The shown group is kept in the document (the radio starts on it), so
    // switching it is an edit of its own: undo then takes an edit back in
    // the group where it was made.
    doc_.noteEdit();
}

void ChannelWindow::reShowAllGrid() {
    const int rows = rowCount();
    const int start = GroupStart(shownGroup(), doc_.BandMode);
    std::vector<bool> filled(static_cast<std::size_t>(rows), false);
    GridBusy = true;
    grid_->setUpdatesEnabled(false);
    const int count = usedChannelCount(doc_);
    for (int i = 0; i < count; ++i) {
        const int row = doc_.WorkChannels[static_cast<std::size_t>(i)].ChNo - start;
        if (row > 0 && row < rows) {
            ShowRowData(i, row, false);
            filled[static_cast<std::size_t>(row)] = true;
        }
    }
    // A channel without a frequency leaves its frequency cell empty, so the
    // other cells tell too whether a row still shows a channel.
    for (int row = 1; row < rows; ++row) {
        if (filled[static_cast<std::size_t>(row)]) continue;
        for (int c = kGridColFrequency; c <= kGridColScan; ++c) {
            if (!cellText(row, c).isEmpty()) {
                ShowRowData(0, row, true);
                break;
            }
        }
    }
    grid_->setUpdatesEnabled(true);
    GridBusy = false;
}

void ChannelWindow::reShowGrid(int chNo) {
    guarded("frmCommChInfo_reShowGrid", [this, chNo] {
        const int row = chNo - GroupStart(shownGroup(), doc_.BandMode);
        if (row < 1 || row >= rowCount()) return;
        const int index = findChannel(doc_, chNo);
        ShowRowData(index, row, index < 0);
    });
}

void ChannelWindow::ReshowByCh() {
    panel_->ReshowByCh();
}

void ChannelWindow::showChannel(int chNo) {
    guarded("frmCommChInfo_showChannel", [this, chNo] {
        const int group = displayGroup(chNo, doc_.BandMode);
        const int row = chNo - GroupStart(group, doc_.BandMode);
        if (group < 0 || group >= groupList_->count() || row < 1) return;
        EndGridEdit();
        EditGroup = group;
        ChangeGroup();
        EditRow = row;
        if (row - 1 < grid_->rowCount()) grid_->setCurrentCell(row - 1, kGridColFrequency);
        if (doc_.ChannelEditOpen) doc_.observer->SetGridEditData(true);
    });
}

// ---- Buttons and closing ----

void ChannelWindow::openChannelEdit() {
    EndGridEdit();
    if (main_) main_->showWindowOnce(win::kChannelEdit);
}

void ChannelWindow::closeEvent(QCloseEvent* event) {
    guarded("frmCommChInfo_Form_Unload", [this] {
        EndGridEdit();
        doc_.ChannelWindowOpen = false;
        closed_ = true;
    });
    event->accept();
}

}  // namespace zq61::gui
