// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/csv_commands.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <set>

#include "app/app_context.h"
#include "app/import_choice_dialog.h"
#include "app/main_window.h"
#include "model/channel_csv.h"
#include "model/text_ids.h"

namespace zq61::gui {

namespace {

// A message box shows this many problems; a count stands for the rest.
constexpr std::size_t kProblemsShown = 15;

QString csvFilter(const AppContext& ctx) {
    return ctx.text(txt::kCsvFileType) + " (*.csv)";
}

void tell(AppContext& ctx, int id, const std::string& text, PromptIcon icon) {
    ctx.prompter.message(Prompt::ofText(id, text, icon));
}

// The file and the operating system's reason on a line of their own.
void tellFileProblem(AppContext& ctx, int id, const QString& path, const QString& reason) {
    tell(ctx, id, ctx.texts.text(id) + "\n" + (path + ": " + reason).toStdString(),
         PromptIcon::Error);
}

// The problems under the heading `headingId`.
std::string problemsText(const AppContext& ctx, int headingId,
                         const std::vector<CsvProblem>& problems) {
    std::string text = ctx.texts.text(headingId);
    for (std::size_t i = 0; i < problems.size() && i < kProblemsShown; ++i)
        text += "\n" + problemText(problems[i]);
    if (problems.size() > kProblemsShown)
        text += "\n" + ctx.texts.text(txt::kCsvMoreProblems) + " " +
                std::to_string(problems.size() - kProblemsShown);
    return text;
}

// Lines with one problem or more.
std::size_t skippedLines(const std::vector<CsvProblem>& problems) {
    std::set<int> lines;
    for (const CsvProblem& p : problems)
        lines.insert(p.line);
    return lines.size();
}

}  // namespace

std::optional<int> chooseImportPlacement(MainWindow& window) {
    FrmImportChoice dialog(window.context(), &window);
    if (window.runModal(dialog) != QDialog::Accepted) return std::nullopt;
    return dialog.firstChannel();
}

void importChannelsFromCsv(MainWindow& window) {
    window.commitPendingEdits();
    window.recordEdit();  // a committed edit stays a step of its own
    AppContext& ctx = window.context();
    const auto path = ctx.fileDialogs.openFileName(&window, csvFilter(ctx));
    if (!path || path->isEmpty()) return;
    QFile file(*path);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly)) bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        tellFileProblem(ctx, txt::kCsvCannotRead, *path, file.errorString());
        return;
    }
    const std::string_view text(bytes.constData(), static_cast<std::size_t>(bytes.size()));

    // A CHIRP list may number its rows for another radio: the user says
    // where they go.
    CsvImportOptions options;
    if (csvColumnSetOfHeader(text) == CsvColumnSet::Chirp) {
        const auto first = chooseImportPlacement(window);
        if (!first) return;
        if (*first > 0) options.firstChannel = *first;
    }
    const CsvImportResult check = checkChannelsCsv(ctx.document, text, options);
    if (!check.ok()) {
        if (check.fileRefused || check.rowsThatFit == 0) {
            tell(ctx, txt::kCsvProblems, problemsText(ctx, txt::kCsvProblems, check.problems),
                 PromptIcon::Warning);
            return;
        }
        // The lines that fit may be taken, leaving out the others.
        Prompt question = Prompt::ofText(txt::kCsvSomeLinesUnfit,
                                         problemsText(ctx, txt::kCsvSomeLinesUnfit, check.problems),
                                         PromptIcon::Warning);
        question.okText = ctx.texts.text(txt::kCsvImportFitting) + " " +
                          std::to_string(check.rowsThatFit) + " " +
                          ctx.texts.text(txt::kCsvImportFittingEnd);
        if (ctx.prompter.okCancel(question) != PromptAnswer::Ok) return;
        options.takeRowsThatFit = true;
    }
    const CsvImportResult result = importChannelsCsv(ctx.document, text, options);
    if (!result.applied) return;
    // The whole import is one step of the undo history.
    window.recordEdit();
    // Each changed channel was redrawn as it was set; the group panels and
    // the channel edit window follow the new list.
    window.ReshowByCh();
    if (ctx.document.ChannelEditOpen) window.SetGridEditData(true);
    std::string said = ctx.texts.text(txt::kCsvChannelsChanged) + " " +
                       std::to_string(result.changedChannels.size());
    if (!result.ok())
        said += "\n" + ctx.texts.text(txt::kCsvLinesSkipped) + " " +
                std::to_string(skippedLines(result.problems));
    tell(ctx, txt::kCsvChannelsChanged, said, PromptIcon::Information);
}

void exportChannelsToCsv(MainWindow& window, CsvColumnSet set) {
    window.commitPendingEdits();
    AppContext& ctx = window.context();
    const QString preset =
        QFileInfo(QString::fromStdString(ctx.document.DataFileName)).completeBaseName() + ".csv";
    const auto path = ctx.fileDialogs.saveFileName(&window, csvFilter(ctx), preset);
    if (!path || path->isEmpty()) return;
    // Written to a temporary file that replaces the target only when complete.
    QSaveFile file(*path);
    const std::string csv = exportChannelsCsv(ctx.document, set);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(csv.data(), static_cast<qint64>(csv.size())) !=
            static_cast<qint64>(csv.size()) ||
        !file.commit()) {
        tellFileProblem(ctx, txt::kCsvCannotWrite, *path, file.errorString());
    }
}

}  // namespace zq61::gui
