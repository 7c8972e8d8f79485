#include "compiler/Compile.h"

#include "compiler/ListCompiler.h"

namespace sky {

namespace {

// Keeps the last message of a compile of a text instead of showing it.
class FailureText : public IUserInterface {
public:
    void message(const std::string& text, const std::string&) override { last = text; }
    Answer ask(const std::string&, Buttons, Icon, const std::string&) override {
        return Answer::No;
    }
    void clearMessages() override {}
    void appendMessage(const std::string&) override {}
    void showMessageWindow() override {}
    void hideMessageWindow() override {}
    void setProgress(int) override {}
    void endProgress() override {}

    std::string last;
};

}  // namespace

bool compileList(const CompileJob& job, IUserInterface& ui) {
    return ListCompiler(job, ui).run();
}

std::optional<std::string> compileText(std::string_view text, const CompileOptions& options,
                                       std::string& failure) {
    const CompileJob job{{}, options.mode, false, options.splitList, options.satNameCount};
    FailureText messages;
    ListCompiler compiler(job, messages, text);
    const bool compiled = compiler.run();
    failure = messages.last;
    if (!compiled) return std::nullopt;
    return compiler.takeHexText();
}

bool checkText(std::string_view text, int satNameCount, std::string& failure) {
    const CompileJob job{{}, CompileMode::Basic, true, false, satNameCount};
    FailureText messages;
    const bool checked = ListCompiler(job, messages, text).run();
    failure = messages.last;
    return checked;
}

}  // namespace sky
