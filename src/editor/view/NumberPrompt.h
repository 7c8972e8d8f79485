#pragma once

#include <optional>
#include <string>

namespace sky {

// A question for one whole number within a range, as Move to Number asks it.
struct NumberQuestion {
    std::string caption;  // the dialog's title
    std::string prompt;   // the text above the field, naming the range
    long long first = 0;  // the smallest number accepted
    long long last = 0;   // the largest
    long long initial = 0;
};

// Asks the user for a number: plugged into the list view by the window, which shows a small
// dialog; tests answer from a script. The dialog accepts only numbers from question.first to
// question.last.
class INumberPrompt {
public:
    virtual ~INumberPrompt() = default;

    // The number given, or nothing when the user cancelled.
    virtual std::optional<long long> askNumber(const NumberQuestion& question) = 0;
};

}  // namespace sky
