// SPDX-License-Identifier: GPL-3.0-or-later
#include "csv_files.h"

#include "model/file_io.h"
#include "model/text_ids.h"

namespace zq61::cli {
namespace {

void tell(Context& context, int id, const FileProblem& problem) {
    context.prompter.message(
        Prompt::ofText(id, context.texts.text(id) + "\n" + problem.text(), PromptIcon::Error));
}

}  // namespace

std::optional<std::string> readTextFile(Context& context, const std::string& path) {
    const FileBytes file = readFileBytes(path);
    if (file.problem) {
        tell(context, txt::kCsvCannotRead, *file.problem);
        return std::nullopt;
    }
    return std::string(file.bytes.begin(), file.bytes.end());
}

bool writeTextFile(Context& context, const std::string& path, const std::string& text) {
    if (const auto problem = replaceFile(path, text)) {
        tell(context, txt::kCsvCannotWrite, *problem);
        return false;
    }
    return true;
}

}  // namespace zq61::cli
