#pragma once

// The list view with the real channel editor, its dialogs played by a script.

#include <gtest/gtest.h>

#include "editor/ViewFixture.h"
#include "editor/editing/ChannelEditing.h"
#include "editor/model/SectionMap.h"
#include "support/ScriptedDialogRunner.h"

namespace sky::test {

class EditingTest : public ViewTest {
protected:
    EditingTest() { view.setChannelEditor(&editing); }

    // The user double-clicks a row of the shown list.
    void doubleClick(int row) {
        list.select({row});
        view.onDoubleClick();
    }

    // The records of one section of the token array.
    std::vector<Record> records(SectionState state) const {
        const TokenArray& tokens = view.model().tokens();
        const SectionSpan span = locateSections(tokens)[state];
        const auto width = static_cast<std::size_t>(sectionInfo(state).rowLength);
        std::vector<Record> out;
        for (std::size_t cell = span.begin; cell + width <= span.end; cell += width) {
            out.emplace_back(tokens.begin() + static_cast<std::ptrdiff_t>(cell),
                             tokens.begin() + static_cast<std::ptrdiff_t>(cell + width));
        }
        return out;
    }

    std::string lastMessage() const { return ui.messages.empty() ? "" : ui.messages.back(); }

    ScriptedDialogRunner dialogs{ui};
    ChannelEditing editing{dialogs};
};

}  // namespace sky::test
