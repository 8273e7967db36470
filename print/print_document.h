// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Lays a document's printout (model/print_layout.h) on paper: headings,
// lines and ruled tables whose heading rows repeat on every page, each
// channel group on a page of its own, page numbers at the foot. The window
// program's print preview and `zq61-cli print` both print through here, so
// the paper and the PDF look the same.

#include <QPageLayout>
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

// A4 upright, without margins of the paper's own (the printout keeps its own).
QPageLayout a4PageLayout();

// Writes the printout as a PDF file on pages of `page`. Returns false, with
// the operating system's reason in `error`, when the file cannot be written;
// an earlier file of that name then stays as it was.
bool writePdf(const PrintLayout& layout, const QString& path, QString& error,
              const QPageLayout& page = a4PageLayout());

}  // namespace zq61
