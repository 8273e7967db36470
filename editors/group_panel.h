// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The group panel beside the channel grid: the shown group's working
// channel, its two emergency channels with their modulation, and (HF and
// HAM) whether the group is switched on. Every change is written into the
// document's options at once.

#include <QWidget>
#include <string>

class QComboBox;
class QLabel;

namespace zq61 {
class Document;
}

namespace zq61::gui {

class GroupPanel : public QWidget {
    Q_OBJECT
  public:
    // `groupSyncing` is the channel window's flag: set while the program
    // itself sets the group selectors or the group switch.
    GroupPanel(Document& doc, bool& groupSyncing, QWidget* parent = nullptr);

    // Label texts and accessible names in the current language.
    void applyTexts();
    // On a group change: which elements the group has, their values, and the
    // FM-only rule for both emergency channels.
    void setupForGroup(int group);
    // Reloads the elements from the document's options. A remembered channel
    // that no longer exists shows the group's lowest channel, which is then
    // stored in its place.
    void ReshowByCh();
    // The FM-only rule for modulation selector k (0, 1) of an emergency
    // channel stored as `emergencyValue` (row minus 1) in group `groupName`.
    void SetModulationEnable(const std::string& groupName, int emergencyValue, int k);

    int group() const { return group_; }

  private:
    // Fills a channel selector with the group's rows and selects the stored
    // value + 1; returns false when it had to fall back to the first row.
    bool showChannel(QComboBox* selector, int stored);
    void fillChannelSelectors();
    bool isVfo() const;
    bool isMemory() const;
    // Changes by the user.
    void workingChannelChosen();
    void emergencyChannelChosen(int k);
    void modulationChosen(int k);
    void groupSwitchChosen();

    Document& doc_;
    bool& groupSyncing_;
    int group_ = 0;
    QComboBox* workCh_;
    QComboBox* emergency_[2];
    QComboBox* modulation_[2];
    QComboBox* groupOn_;
    QLabel* workChLabel_;
    QLabel* emergencyLabel_[2];
    QLabel* groupOnLabel_;
};

}  // namespace zq61::gui
