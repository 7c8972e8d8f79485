#include "app/dialogs/QtNumberPrompt.h"

#include <QInputDialog>
#include <algorithm>
#include <limits>

namespace sky::app {

namespace {

int toInt(long long value) {
    return static_cast<int>(std::clamp<long long>(value, std::numeric_limits<int>::min(),
                                                  std::numeric_limits<int>::max()));
}

}  // namespace

std::optional<long long> QtNumberPrompt::askNumber(const NumberQuestion& question) {
    bool given = false;
    const int number = QInputDialog::getInt(
        parent_, QString::fromStdString(question.caption), QString::fromStdString(question.prompt),
        toInt(question.initial), toInt(question.first), toInt(question.last), 1, &given);
    if (!given) return std::nullopt;
    return number;
}

}  // namespace sky::app
