// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The language dialog: English or Chinese. OK stores the choice; the main
// window applies it when it becomes active again.

#include <QDialog>

class QComboBox;

namespace zq61::gui {

struct AppContext;

class FrmSetLanguage : public QDialog {
    Q_OBJECT
  public:
    FrmSetLanguage(AppContext& context, QWidget* parent);

  private:
    void commandOk();

    AppContext& ctx_;
    QComboBox* combo_;
};

}  // namespace zq61::gui
