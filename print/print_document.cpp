// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/print_document.h"

#include <QFileInfo>
#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

#include "model/print_layout.h"

namespace zq61 {
namespace {

QString html(const std::string& text) {
    return QString::fromStdString(text).toHtmlEscaped();
}

// One table; its heading row is a <thead>, which the text layout repeats at
// the top of every page the table runs onto.
void appendTable(QString& out, const PrintTable& table) {
    // Wide tables take the page's width; a list of settings stays narrow.
    out += "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\"";
    out += table.columns.size() > 2 ? " width=\"100%\">" : ">";
    out += "<thead><tr>";
    for (const std::string& column : table.columns)
        out += "<th align=\"left\" nowrap bgcolor=\"#e8e8e8\">" + html(column) + "</th>";
    out += "</tr></thead>";
    for (const auto& row : table.rows) {
        out += "<tr>";
        for (const std::string& cell : row)
            out += "<td>" + html(cell) + "</td>";
        out += "</tr>";
    }
    out += "</table><p></p>";
}

QString printHtml(const PrintLayout& layout) {
    QString out = "<html><body><h1>" + html(layout.title) + "</h1>";
    bool first = true;
    for (const PrintSection& section : layout.sections) {
        // The first section shares the title's page.
        const bool breakBefore = section.newPage && !first;
        out += breakBefore ? "<h2 style=\"page-break-before: always\">" : "<h2>";
        out += html(section.heading) + "</h2>";
        for (const std::string& line : section.lines)
            out += "<p>" + html(line) + "</p>";
        for (const PrintTable& table : section.tables)
            appendTable(out, table);
        first = false;
    }
    return out + "</body></html>";
}

}  // namespace

std::unique_ptr<QTextDocument> makePrintTextDocument(const PrintLayout& layout) {
    auto doc = std::make_unique<QTextDocument>();
    // A Latin face first: text copied out of the PDF keeps its digits (the
    // CJK face maps some of them to glyphs without a character). Han
    // characters come in Simplified Chinese shapes.
    QFont font;
    font.setStyleHint(QFont::SansSerif);
    font.setFamilies({"DejaVu Sans", "Noto Sans CJK SC"});
    font.setPointSize(9);
    // No ligatures where the script does not need them: "Off" stays three
    // letters when text is searched or copied out of the PDF.
    font.setStyleStrategy(QFont::PreferNoShaping);
    doc->setDefaultFont(font);
    doc->setHtml(printHtml(layout));
    return doc;
}

void printLayout(const PrintLayout& layout, QPagedPaintDevice& device) {
    // Without a page size of its own the text is laid out on the device's
    // pages and each page gets its number at the foot.
    makePrintTextDocument(layout)->print(&device);
}

bool writePdf(const PrintLayout& layout, const QString& path, QString& error,
              const QPageLayout& page) {
    // Written beside the target and put in its place only when complete: a
    // full disk shows in commit(), with its reason, and leaves an earlier
    // file as it was.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString();
        return false;
    }
    {
        QPdfWriter pdf(&file);
        pdf.setTitle(QString::fromStdString(layout.title));
        pdf.setCreator(QString::fromStdString(layout.title));
        pdf.setPageLayout(page);
        printLayout(layout, pdf);
    }
    if (!file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

QPageLayout a4PageLayout() {
    // The text layout keeps a margin of 2 cm on every side itself.
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                       QPageLayout::Millimeter);
}

}  // namespace zq61
