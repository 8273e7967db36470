// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The model information dialog: shows the document's model and switches
// its band mode. A new band mode discards the document (after a warning)
// and starts a new one in that mode.

#include <QDialog>

class QComboBox;

namespace zq61::gui {

struct AppContext;
class MainWindow;

class FrmModelInfo : public QDialog {
    Q_OBJECT
  public:
    FrmModelInfo(AppContext& context, MainWindow& main);

  private:
    void commandOk();

    AppContext& ctx_;
    MainWindow& main_;
    QComboBox* model_;
    QComboBox* range_;
    QComboBox* bandMode_;
    bool loading_ = true;
};

}  // namespace zq61::gui
