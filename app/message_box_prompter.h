// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Messages and questions of the program as message boxes. A box without a
// title of its own carries the application title.

#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>

#include "model/prompter.h"

namespace zq61::gui {

class MessageBoxPrompter : public Prompter {
  public:
    // The title of boxes that have none of their own.
    void setApplicationTitle(const QString* title) { title_ = title; }
    // Boxes are centred over this window while it exists.
    void setParentWindow(QWidget* w) { parent_ = w; }
    // The radio's password window; until it is set a plain masked input box
    // asks instead.
    using PasswordWindow = std::function<std::optional<std::string>(const std::string& current)>;
    void setPasswordWindow(PasswordWindow window) { passwordWindow_ = std::move(window); }

    void message(const Prompt& prompt) override;
    PromptAnswer okCancel(const Prompt& prompt) override;
    PromptAnswer yesNo(const Prompt& prompt) override;
    PromptAnswer yesNoCancel(const Prompt& prompt) override;
    PromptAnswer retryCancel(const Prompt& prompt) override;
    std::optional<std::string> password(const std::string& current) override;

  private:
    int show(const Prompt& prompt, int buttons);

    const QString* title_ = nullptr;
    QPointer<QWidget> parent_;
    PasswordWindow passwordWindow_;
};

}  // namespace zq61::gui
