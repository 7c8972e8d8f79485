// Print, Print Preview and Export to PDF from the File menu: the PDF written through the window
// against the library's page layout, and the refusals.

#include <QMenuBar>
#include <QPrinter>
#include <QRegularExpression>
#include <QToolBar>

#include "app/AppFixture.h"
#include "app/print/ListPrinter.h"
#include "app/print/PagePainter.h"

namespace sky::app::test {

class PrintingTest : public QObject, public AppFixture {
    Q_OBJECT
private slots:
    void init() { start(); }
    void cleanup() { stop(); }

    void fileMenuAndToolbarOfferPrinting() {
        QStringList items;
        for (QAction* item : frame->menuBar()->actions().front()->menu()->actions()) {
            items << (item->isSeparator() ? "-" : item->text());
        }
        QCOMPARE(items, (QStringList{"&Open...", "Open &Recent", "&Save", "Save &As...", "-",
                                     "Apply Or&der from List...", "Save as Re&ference...",
                                     "Compare with List...", "Import C&hannels...", "&History...",
                                     "-", "&Print...", "Print Preview...", "Export to PDF...",
                                     "&Export", "-", "E&xit"}));
        QCOMPARE(frame->action(Command::Print)->shortcut(), QKeySequence("Ctrl+P"));
        const QList<QAction*> tools = frame->toolBar()->actions();
        const qsizetype print = tools.indexOf(frame->action(Command::Print));
        QCOMPARE(tools[print - 2], frame->action(Command::SaveAs));
        QVERIFY(tools[print - 1]->isSeparator() && tools[print + 1]->isSeparator());
    }

    void exportWritesThePagesOfTheLayout() {
        open(copyExample());
        // Null channels inserted before every row, twice: the list runs over several pages.
        for (int i = 0; i < 2; ++i) {
            table()->selectAll();
            QTest::keyClick(table(), Qt::Key_Insert);
        }
        const QString pdf = dir->path() + "/list.pdf";
        files.push_back(pdf);
        trigger(Command::ExportPdf);
        QCOMPARE(dialogs, (QStringList{"open", "save"}));
        QVERIFY2(boxes.isEmpty(), qPrintable(boxes.join('\n')));

        const PrintSource source = ListPrinter(*frame).source();
        QPrinter printer(QPrinter::HighResolution);
        ListPrinter::writePdfTo(printer, pdf);
        const std::optional<PrintLayout> layout = PagePainter(source).layoutFor(printer);
        QVERIFY(layout);
        QCOMPARE(layout->rowCount, model()->rowCount());
        QVERIFY(layout->pageCount > 1);
        const QString written = QString::fromLatin1(readAll(pdf));
        QCOMPARE(written.count(QRegularExpression("/Type\\s*/Page(?!s)")), layout->pageCount);

        // The header row: the digital view's columns that have a width, in display order.
        const PrintedPage page = *layoutPage(*layout, source.columns, source.cellText, 1, "", "");
        QStringList headers;
        std::optional<int> headerTop;
        for (const PrintText& text : page.texts) {
            if (!text.outlined) continue;
            if (!headerTop) headerTop = text.rect.top;
            if (text.rect.top == *headerTop) headers << QString::fromStdString(text.text);
        }
        QCOMPARE(headers, (QStringList{"Number", "SVC ID", "Name", "freqency", "Symbol Rate",
                                       "Polarization", "Bouquet", "Sat Name"}));
    }

    void emptyListUnwritableFileAndCancelPrintNothing() {
        // Nothing open: each command says so before any dialog.
        for (const Command id : {Command::Print, Command::PrintPreview, Command::ExportPdf})
            trigger(id);
        QCOMPARE(boxes, QStringList(3, "Skylister: No Contents for printing"));
        QVERIFY(dialogs.isEmpty());

        open(copyExample());
        boxes.clear();
        const QString unwritable = dir->path() + "/missing/list.pdf";
        files = {unwritable, ""};
        trigger(Command::ExportPdf);
        QCOMPARE(boxes.size(), 1);
        QVERIFY(boxes.front().contains(unwritable));
        QVERIFY(!QFile::exists(unwritable));
        trigger(Command::ExportPdf);
        QCOMPARE(boxes.size(), 1);
    }
};

}  // namespace sky::app::test

QTEST_MAIN(sky::app::test::PrintingTest)
#include "Printing_test.moc"
