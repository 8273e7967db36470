#pragma once

// Lays a document's printout (model/print_layout.h) on paper: headings,
// lines and ruled tables whose heading rows repeat on every page, each
// channel group on a page of its own, page numbers at the foot. The window
// program's print preview and `zq61-cli print` both print through here, so
// the paper and the PDF look the same.

#include <QString>
#include <memory>

class QPagedPaintDevice;
class QTextDocument;

namespace zq61 {

struct PrintLayout;

// The printout as rich text (the preview and the printer lay it out anew for
// their page size).
std::unique_ptr<QTextDocument> makePrintTextDocument(const PrintLayout& layout);

// Prints every page onto `device` (a printer, or a PDF writer).
void printLayout(const PrintLayout& layout, QPagedPaintDevice& device);

// Writes the printout as a PDF file (A4). Returns false, with the reason in
// `error`, when the file cannot be written; a failed file is removed.
bool writePdf(const PrintLayout& layout, const QString& path, QString& error);

}  // namespace zq61
