#pragma once

#include <QWidget>

#include "editor/view/NumberPrompt.h"

namespace sky::app {

// Asks for a number in a small modal dialog over `parent`, the main window: a spin box that takes
// only the numbers of the question's range, which its prompt names.
class QtNumberPrompt : public sky::INumberPrompt {
public:
    explicit QtNumberPrompt(QWidget* parent) : parent_(parent) {}

    std::optional<long long> askNumber(const NumberQuestion& question) override;

private:
    QWidget* parent_;
};

}  // namespace sky::app
