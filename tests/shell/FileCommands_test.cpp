// The commands that take from other files or give to them, over the open list and the view shown,
// with the window and the user interface as doubles: Apply Order from List, Save as Reference,
// Export CSV/HTML and Copy.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "DocFixture.h"
#include "editor/view/ListView.h"
#include "shell/ScanTables.h"
#include "shell/commands/ApplyOrderCommand.h"
#include "shell/commands/CopyRowsCommand.h"
#include "shell/commands/ExportCommand.h"
#include "shell/commands/ImportTranspondersCommand.h"
#include "shell/commands/SaveAsReferenceCommand.h"
#include "support/ListControlDouble.h"

namespace sky::test {
namespace {

class FileCommandsTest : public DocFixture {
protected:
    FileCommandsTest() {
        list.attach(view.shownList());
        EXPECT_TRUE(doc.openFile(path));
    }

    std::vector<std::string> firstNames(std::size_t count) const {
        std::vector<std::string> names;
        for (std::size_t row = 0; row < count; ++row) names.push_back(digitalName(row));
        return names;
    }

    ListControlDouble list;
    ListView view{list, ui, doc.list()};
    FileCommandContext context{doc, view, list};
};

TEST_F(FileCommandsTest, ApplyOrderReadsTheReferenceBesideTheListAndAppliesItAsOneStep) {
    // A faulty line names the file and the line; nothing changes.
    const std::string bad = dir.file("bad.csv");
    writeFile(bad, "1;ZDF\r\nnot a row\r\n");
    window.answers = {bad};
    EXPECT_FALSE(applyOrderFromList(context));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].find("bad.csv, line 2"), std::string::npos);
    EXPECT_TRUE(window.previewedReferences.empty());
    EXPECT_EQ(undoText(), "Undo Disable");
    // The dialog starts in the list's folder.
    EXPECT_EQ(window.dialogs.back(), "open Apply Order from List");
    EXPECT_EQ(window.folders.back(), dir.path().string());

    // A folder is no reference: it is refused before it is read.
    window.answers = {dir.path().string()};
    EXPECT_FALSE(applyOrderFromList(context));
    EXPECT_EQ(ui.messages.back(),
              "CANCELED : " + dir.path().string() + " cannot be read. Nothing was applied.");

    const std::vector<std::string> before = firstNames(16);
    const std::string order = dir.file("order.csv");
    writeFile(order, "1;ZDF\r\n2;Das Erste\r\n3;Nowhere\r\n");
    // Cancel in the preview changes nothing.
    window.answers = {order};
    window.orderPreview = [](const OrderPreviewRequest&, OrderChoice&) { return false; };
    EXPECT_FALSE(applyOrderFromList(context));
    EXPECT_EQ(firstNames(16), before);
    EXPECT_EQ(undoText(), "Undo Disable");

    window.answers = {order};
    window.orderPreview = nullptr;
    EXPECT_TRUE(applyOrderFromList(context));
    EXPECT_EQ(window.previewedReferences.back(), "order.csv");
    EXPECT_EQ(firstNames(3), (std::vector<std::string>{"ZDF", "Das Erste", "BR Sued"}));
    EXPECT_EQ(digitalRows(), 16u);
    EXPECT_EQ(undoText(), "Undo (1 - Apply Order)");
    EXPECT_TRUE(unsaved());
}

TEST_F(FileCommandsTest, ImportTranspondersAddsTheRowsChosenInTheDialogAsOneStep) {
    // Cancel changes nothing.
    EXPECT_EQ(importTranspondersFromTable(context), 0u);
    EXPECT_EQ(undoText(), "Undo Disable");

    window.transponderImport = [](const TokenArray& tokens, TransponderChoice& choice) {
        const ScanTable table = readScanTable(
            "[CHANNEL]\n DELIVERY_SYSTEM = DVBS\n FREQUENCY = 12345000\n"
            " POLARIZATION = VERTICAL\n SYMBOL_RATE = 22000000\n");
        choice.preview = previewImport(tokens, importSatellites(tokens).front().index,
                                       table.transponders, "Import");
        return true;
    };
    EXPECT_EQ(importTranspondersFromTable(context), 1u);
    EXPECT_EQ(undoText(), "Undo (1 - Import Transponders)");
    EXPECT_TRUE(unsaved());
}

TEST_F(FileCommandsTest, SaveAsReferenceWritesTheViewShownAndNeverTheListsOwnFile) {
    const std::string reference = dir.file("order.csv");
    window.answers = {reference};
    EXPECT_TRUE(saveAsReference(context));
    // The name is filled in beside the list.
    EXPECT_EQ(window.folders.back(), dir.file("channels.csv"));
    EXPECT_EQ(readFile(reference).rfind("1;Das Erste\r\n2;BR Sued\r\n3;hr-fernsehen\r\n", 0), 0u);
    EXPECT_EQ(ui.statusTexts.back(), "Reference saved as " + reference);

    const std::string listText = readFile(path);
    window.answers = {path};
    EXPECT_FALSE(saveAsReference(context));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].find("is the open channel list"), std::string::npos);
    EXPECT_EQ(readFile(path), listText);
    EXPECT_FALSE(unsaved());

    // A folder that cannot take the file: the message says so.
    window.answers = {dir.file("no-such-folder/order.csv")};
    EXPECT_FALSE(saveAsReference(context));
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1].rfind("ERROR!!!", 0), 0u);
}

TEST_F(FileCommandsTest, ExportWritesTheSelectionOrEveryRowAndRefusesTheListsFile) {
    // Two rows selected: only they go when the user says Yes.
    list.select({0, 2});
    ui.answer({Answer::Yes});
    window.answers = {dir.file("two")};
    EXPECT_TRUE(exportList(context, ExportFormat::Csv, "2024-03-01"));
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_NE(ui.questions[0].text.find("Export only the selected rows?"), std::string::npos);
    // A name without an extension gets the format's.
    const std::string two = readFile(dir.file("two.csv"));
    EXPECT_EQ(std::count(two.begin(), two.end(), '\n'), 3);
    EXPECT_EQ(two.substr(0, two.find('\n')),
              "Number,SVC ID,Name,freqency,Symbol Rate,Polarization,Bouquet,Sat Name\r");
    EXPECT_NE(two.find(digitalName(0)), std::string::npos);
    EXPECT_NE(two.find(digitalName(2)), std::string::npos);
    EXPECT_EQ(ui.statusTexts.back(), "Exported 2 rows to " + dir.file("two.csv"));

    // No: every row shown; the second filter separates by semicolons.
    ui.answer({Answer::No});
    window.answers = {dir.file("all.csv")};
    window.newFileFilter = 1;
    EXPECT_TRUE(exportList(context, ExportFormat::Csv, "2024-03-01"));
    const std::string all = readFile(dir.file("all.csv"));
    EXPECT_EQ(std::count(all.begin(), all.end(), '\n'), 17);
    EXPECT_EQ(all.rfind("Number;SVC ID;Name;", 0), 0u);

    // Cancel in the question: no file dialog.
    ui.answer({Answer::Cancel});
    const std::size_t dialogs = window.dialogs.size();
    EXPECT_FALSE(exportList(context, ExportFormat::Html, "2024-03-01"));
    EXPECT_EQ(window.dialogs.size(), dialogs);

    // The list's own file is refused and kept.
    list.select({0});
    const std::string before = readFile(path);
    window.answers = {path};
    EXPECT_FALSE(exportList(context, ExportFormat::Html, "2024-03-01"));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].find("CANCELED"), std::string::npos);
    EXPECT_EQ(readFile(path), before);

    // The page names the day it was made.
    window.answers = {dir.file("page")};
    EXPECT_TRUE(exportList(context, ExportFormat::Html, "2024-03-01"));
    EXPECT_NE(readFile(dir.file("page.html")).find("2024-03-01"), std::string::npos);
}

TEST_F(FileCommandsTest, CopyPutsTheSelectedRowsOnTheClipboard) {
    EXPECT_EQ(copySelectedRows(context), 0u);
    EXPECT_TRUE(window.clipboardText.empty());

    list.select({1, 3});
    EXPECT_EQ(copySelectedRows(context), 2u);
    EXPECT_EQ(window.clipboardText.rfind("Number\tSVC ID\tName\t", 0), 0u);
    EXPECT_NE(window.clipboardText.find('\t' + digitalName(1) + '\t'), std::string::npos);
    EXPECT_NE(window.clipboardText.find('\t' + digitalName(3) + '\t'), std::string::npos);
    EXPECT_NE(window.clipboardHtml.find("<td>" + digitalName(3) + "</td>"), std::string::npos);
    EXPECT_EQ(ui.statusTexts.back(), "Copied 2 rows");
}

}  // namespace
}  // namespace sky::test
