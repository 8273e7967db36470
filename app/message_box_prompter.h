#pragma once

// Messages and questions of the program as message boxes. A box without a
// title of its own carries the application title.

#include <QPointer>
#include <QString>
#include <QWidget>

#include "model/prompter.h"

namespace zq61::gui {

class MessageBoxPrompter : public Prompter {
  public:
    using Prompter::message;

    // The title of boxes that have none of their own.
    void setApplicationTitle(const QString* title) { title_ = title; }
    // Boxes are centred over this window while it exists.
    void setParentWindow(QWidget* w) { parent_ = w; }

    void message(const std::string& text, PromptIcon icon, const std::string& title) override;
    PromptAnswer okCancel(const std::string& text, PromptIcon icon,
                          const std::string& title) override;
    PromptAnswer yesNo(const std::string& text, PromptIcon icon, const std::string& title) override;
    PromptAnswer yesNoCancel(const std::string& text, PromptIcon icon,
                             const std::string& title) override;
    PromptAnswer retryCancel(const std::string& text, PromptIcon icon,
                             const std::string& title) override;
    std::optional<std::string> password(const std::string& current) override;

  private:
    int show(const std::string& text, PromptIcon icon, const std::string& title, int buttons);

    const QString* title_ = nullptr;
    QPointer<QWidget> parent_;
};

}  // namespace zq61::gui
