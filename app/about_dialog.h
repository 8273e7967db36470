// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The about box.

#include <QDialog>

namespace zq61::gui {

struct AppContext;

class FrmAbout : public QDialog {
    Q_OBJECT
  public:
    FrmAbout(AppContext& context, QWidget* parent);
};

}  // namespace zq61::gui
