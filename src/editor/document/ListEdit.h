#pragma once

#include <cstddef>
#include <optional>

#include "common/UserInterface.h"
#include "db/TokenArray.h"
#include "editor/model/EditorModel.h"

namespace sky {

// The list as one change sees it while ListDocument::edit() runs it: the tokens to change, and
// what the change may read of the list (its sections as they are now, the detail rows as of the
// last refresh) and the user interface to ask through. Only the document makes one, so that the
// list changes nowhere but inside an edit.
class ListEdit {
public:
    TokenArray& tokens() { return model_.tokens(); }
    const TokenArray& tokens() const { return model_.tokens(); }
    SectionMap sections() const { return model_.sections(); }
    std::optional<RecordRef> recordOfRow(bool digitalView, std::size_t row) const {
        return model_.recordOfRow(digitalView, row);
    }
    const DetailRows& digitalRows() const { return model_.digitalRows(); }
    const DetailRows& analogRows() const { return model_.analogRows(); }
    IUserInterface& ui() const { return model_.ui(); }

private:
    friend class ListDocument;
    // Also for tests of a single editor over a model of their own.
    friend struct ListEditAccess;
    explicit ListEdit(EditorModel& model) : model_(model) {}

    EditorModel& model_;
};

}  // namespace sky
