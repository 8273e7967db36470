// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/settings_problems.h"

#include <filesystem>

#include "app/app_context.h"
#include "model/text_ids.h"

namespace zq61::gui {

void tellSettingsProblems(AppContext& ctx) {
    std::vector<FileProblem> problems;
    problems.swap(ctx.settings.WriteProblems);
    for (const FileProblem& problem : problems) {
        const std::string folder = std::filesystem::path(problem.path).parent_path().string();
        if (!ctx.settingsFoldersTold.insert(folder).second) continue;
        ctx.prompter.message(Prompt::ofText(
            txt::kSettingsNotSaved,
            ctx.texts.text(txt::kSettingsNotSaved) + "\r\n" + problem.text(), PromptIcon::Warning));
    }
}

void tellLanguageFileProblem(AppContext& ctx) {
    if (const auto problem = ctx.texts.fileProblem())
        ctx.prompter.message(
            Prompt::ofFixed(FixedText::LanguageFileUnreadable, PromptIcon::Error, problem->text()));
}

}  // namespace zq61::gui
