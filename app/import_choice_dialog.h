// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The question File > Import CSV... asks of a file in CHIRP's columns:
// keep the file's channel numbers (its Location column), or place its rows,
// in file order, from a chosen group and channel on. A list made for
// another radio numbers its rows by that radio's memories (from 0, 25, 80
// ...), while this radio's channels belong to groups.

#include <QDialog>

class QComboBox;
class QRadioButton;

namespace zq61::gui {

struct AppContext;

class FrmImportChoice : public QDialog {
    Q_OBJECT
  public:
    FrmImportChoice(AppContext& ctx, QWidget* parent = nullptr);

    // 0: keep the file's locations; otherwise the channel number the rows
    // start at.
    int firstChannel() const;

    QRadioButton* keepLocations() const { return keep_; }
    QRadioButton* placeRows() const { return place_; }
    QComboBox* groups() const { return groups_; }
    QComboBox* channels() const { return channels_; }

  private:
    void fillChannels();

    int bandMode_;
    QRadioButton* keep_;
    QRadioButton* place_;
    QComboBox* groups_;
    QComboBox* channels_;
};

}  // namespace zq61::gui
