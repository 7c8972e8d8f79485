#pragma once

#include <QLineEdit>
#include <QRadioButton>
#include <cstddef>
#include <string>
#include <vector>

namespace sky::app {

// Ties the edits and radio buttons of a setting dialog to the fields of its data: what the user
// types or checks is written into the field at once, and show() moves every field back into its
// control.
class DialogBinding {
public:
    // `edit` shows `text` and takes at most `maxChars` characters (any number when 0); a
    // display-only edit is disabled.
    void edit(QLineEdit* edit, std::string& text, std::size_t maxChars, bool displayOnly);
    // Two radio buttons of one choice: `on` is checked when `flag` is set, `off` otherwise.
    void radios(QRadioButton* on, QRadioButton* off, bool& flag);

    void show() const;
    // Moves one field into `edit`, leaving the others as the user sees them.
    void show(QLineEdit* edit) const;

    // The edit that shows `text`; nullptr when none does.
    QLineEdit* editOf(const std::string& text) const;

private:
    struct Edit {
        QLineEdit* edit;
        std::string* text;
    };
    struct Radios {
        QRadioButton* on;
        QRadioButton* off;
        bool* flag;
    };

    std::vector<Edit> edits_;
    std::vector<Radios> radios_;
};

}  // namespace sky::app
