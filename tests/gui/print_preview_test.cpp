// SPDX-License-Identifier: GPL-3.0-or-later
// File > Print Preview and the toolbar's Print button: the preview of the
// document as it stands (a pending cell edit included), and the pages it
// prints.

#include <QFile>
#include <QMenu>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

#include "channel_window_support.h"
#include "model/text_ids.h"

using namespace zq61;
using namespace zq61::test;

class PrintPreviewTest : public QObject {
    Q_OBJECT
  private slots:
    void fileMenuOffersThePreviewAndKeepsTheOldPrintItemHidden() {
        GuiRun r;
        gui::MainWindow& main = r.start();
        QAction* preview = action(main, "mnuFilePrintPreview");
        QVERIFY(preview);
        QVERIFY(preview->isVisible() && preview->isEnabled());
        QCOMPARE(preview->text(), r.ctx().text(txt::kMenuFilePrintPreview));
        auto* file = main.findChild<QMenu*>("mnuFile");
        QVERIFY(file && file->actions().contains(preview));
        QVERIFY(!action(main, "mnuFilePrint")->isVisible());
    }

    // Both ways in open the preview; the pending frequency is in the
    // document before it, and the preview's pages are printed into a PDF.
    void menuAndToolbarOpenThePreviewOfTheDocumentAsEdited_data() {
        QTest::addColumn<QString>("way");
        QTest::newRow("menu") << "mnuFilePrintPreview";
        QTest::newRow("toolbar") << "Print";
    }
    void menuAndToolbarOpenThePreviewOfTheDocumentAsEdited() {
        QFETCH(QString, way);
        ChannelRun c;
        QTemporaryDir dir;
        const QString pdf = dir.filePath("preview.pdf");
        c.enter(2, 1);
        QTest::keyClicks(c.text1(), "28.3");

        int shown = 0;
        bool typedChannelThere = false;
        QString title;
        c.r.answerDialog = [&](QDialog& d) {
            ++shown;
            auto* preview = qobject_cast<QPrintPreviewDialog*>(&d);
            if (!preview) return 0;
            title = preview->windowTitle();
            typedChannelThere = c.exists(2);
            QPrinter printer;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            emit preview->paintRequested(&printer);
            return 0;
        };
        action(c.main, way.toLatin1().constData())->trigger();
        QCOMPARE(shown, 1);
        QVERIFY(typedChannelThere);
        QCOMPARE(title, c.r.ctx().text(txt::kPrintPreviewCaption));
        QFile out(pdf);
        QVERIFY(out.open(QIODevice::ReadOnly));
        QVERIFY(out.read(5) == "%PDF-");
        QVERIFY(out.size() > 1000);
    }

    // A PDF file that cannot be written is told with the system's reason,
    // not passed over.
    void aPrintoutThatCannotBeWrittenIsReported() {
        GuiRun r;
        gui::MainWindow& main = r.start();
        QTemporaryDir dir;
        const QString pdf = dir.filePath("no/such/folder/out.pdf");
        r.answerDialog = [&](QDialog& d) {
            auto* preview = qobject_cast<QPrintPreviewDialog*>(&d);
            if (!preview) return 0;
            QPrinter printer;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            emit preview->paintRequested(&printer);
            return 0;
        };
        action(main, "mnuFilePrintPreview")->trigger();
        QVERIFY(r.prompter.showed(txt::kPrintPdfFailed));
        QVERIFY(QString::fromStdString(r.prompter.shown.back().text)
                    .contains(pdf + ": No such file or directory"));
        QCOMPARE(r.prompter.shown.back().icon, PromptIcon::Error);
    }
};

ZQ61_GUI_TEST(PrintPreviewTest)
#include "print_preview_test.moc"
