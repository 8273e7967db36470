// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "model/document_observer.h"
#include "model/prompter.h"
#include "model/radio_data.h"
#include "model/texts.h"

namespace zq61 {

// One open radio document: the working copy every editor changes, the file
// copy as last loaded or saved, and the values that describe the current
// model and band. The program has exactly one; tests make their own.
//
// Messages and questions go through `prompter`, texts come from `texts`, and
// windows that show the document listen through `observer`.
class Document {
  public:
    Document(Prompter& prompter, const Texts& texts) : prompter(&prompter), texts(&texts) {}
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    RadioData WorkData;
    ChannelArray WorkChannels{};
    RadioData FileData;
    ChannelArray FileChannels{};

    std::string ModelName = kModelName;
    int16_t BandMode = 2;
    std::string BandRangeText = "28.000 - 29.700 MHz";
    double BandLowMHz = 28.0;
    double BandHighMHz = 29.7;

    std::string DataFileName = "new.dat";
    bool IsUntitled = true;

    // The radio information records (the information window shows them).
    RadioInfo Info;

    // State shared with the channel windows: the grid row shown in the
    // caption, and whether the grid and the channel edit window are open.
    int16_t GridRow = 1;
    bool ChannelWindowOpen = false;
    bool ChannelEditOpen = false;

    Prompter* prompter;
    const Texts* texts;
    DocumentObserver* observer = &noWindows_;

    std::string text(int id) const { return texts->text(id); }
    // The prompt of language text `id`, as looked up.
    Prompt prompt(int id, PromptIcon icon = PromptIcon::None) const {
        return Prompt::ofText(id, text(id), icon);
    }
    // Shows language text `id`, or a fixed text, with an OK button.
    void tell(int id, PromptIcon icon = PromptIcon::None) const {
        prompter->message(prompt(id, icon));
    }
    // A fixed text; `extra` follows it on a line of its own (or is the whole
    // text for the window's own error texts).
    void tell(FixedText kind, PromptIcon icon = PromptIcon::None,
              const std::string& extra = {}) const {
        prompter->message(Prompt::ofFixed(kind, icon, extra));
    }
    // Called once a committed edit of the working copy is complete (not
    // for every keystroke), so the edit becomes one undo step.
    void noteEdit() const { observer->documentEdited(); }
    void setObserver(DocumentObserver* o) { observer = o ? o : &noWindows_; }

  private:
    DocumentObserver noWindows_;
};

}  // namespace zq61
