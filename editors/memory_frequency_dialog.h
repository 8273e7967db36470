// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The memory frequency dialog (Frm_Mem_Freq): picks the frequency of a CB
// channel by country band and channel number, for a channel of the CB
// memory group. It starts at the channel nearest to the frequency it is
// given; OK hands the shown frequency back to the caller.

#include <QDialog>

class QComboBox;
class QLineEdit;

namespace zq61 {
class Document;
}

namespace zq61::gui {

class Frm_Mem_Freq : public QDialog {
    Q_OBJECT
  public:
    // `frequencyText`: the text of the caller's frequency box.
    Frm_Mem_Freq(const Document& doc, const QString& frequencyText, QWidget* parent = nullptr);

    // The frequency text to hand back (after OK).
    QString frequencyText() const;

    QComboBox* bandList() const { return band_; }
    QComboBox* channelList() const { return channel_; }

  private:
    // Fills the channel list for band index `band` (0 = "Off"), selecting
    // channel index `wished` (the first channel when outside the group).
    void fillChannels(int band, int wished);
    void bandChosen(int band);
    void channelChosen(int channel);
    // Shows the stored frequency of the chosen channel when it has an entry.
    void showChannelFrequency();

    const Document& doc_;
    QComboBox* band_;
    QComboBox* channel_;
    QLineEdit* frequency_;
    bool loading_ = true;
    int bandIndex_ = 0;
    int channelIndex_ = 0;
};

}  // namespace zq61::gui
