#include "app/csv_commands.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "app/app_context.h"
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

std::string problemsText(const AppContext& ctx, const std::vector<CsvProblem>& problems) {
    std::string text = ctx.texts.text(txt::kCsvProblems);
    for (std::size_t i = 0; i < problems.size() && i < kProblemsShown; ++i)
        text += "\n" + problemText(problems[i]);
    if (problems.size() > kProblemsShown)
        text += "\n" + ctx.texts.text(txt::kCsvMoreProblems) + " " +
                std::to_string(problems.size() - kProblemsShown);
    return text;
}

}  // namespace

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

    const CsvImportResult result =
        importChannelsCsv(ctx.document, std::string_view(bytes.constData(), bytes.size()));
    if (!result.ok()) {
        tell(ctx, txt::kCsvProblems, problemsText(ctx, result.problems), PromptIcon::Warning);
        return;
    }
    // The whole import is one step of the undo history.
    window.recordEdit();
    // Each changed channel was redrawn as it was set; the group panels and
    // the channel edit window follow the new list.
    window.ReshowByCh();
    if (ctx.document.ChannelEditOpen) window.SetGridEditData(true);
    tell(ctx, txt::kCsvChannelsChanged,
         ctx.texts.text(txt::kCsvChannelsChanged) + " " +
             std::to_string(result.changedChannels.size()),
         PromptIcon::Information);
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
