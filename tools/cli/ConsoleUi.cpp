#include "ConsoleUi.h"

#include <cstdio>

namespace sky::cli {

namespace {
void printBlock(FILE* stream, const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stream);
    if (text.empty() || text.back() != '\n') std::fputc('\n', stream);
    std::fflush(stream);
}
}  // namespace

void ConsoleUi::message(const std::string& text, const std::string& /*caption*/) {
    ++messageCount_;
    printBlock(stderr, text);
}

Answer ConsoleUi::ask(const std::string& text, Buttons /*buttons*/, Icon /*icon*/,
                      const std::string& /*caption*/) {
    printBlock(stderr, text + " [Yes]");
    return Answer::Yes;
}

void ConsoleUi::appendMessage(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout);
}

}  // namespace sky::cli
