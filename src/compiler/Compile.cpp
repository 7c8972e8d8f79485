#include "compiler/Compile.h"

#include <utility>

#include "compiler/ListCompiler.h"
#include "db/TextWriter.h"

namespace sky {

bool compileList(const CompileJob& job, IUserInterface& ui) {
    return ListCompiler(job, ui).run();
}

std::optional<std::string> compileText(std::string_view text, const CompileOptions& options,
                                       std::string& failure) {
    const CompileJob job{{}, options.mode, false, options.splitList, options.satNameCount};
    ListCompiler compiler(job, text);
    const bool compiled = compiler.run();
    failure = compiler.failure();
    if (!compiled) return std::nullopt;
    return compiler.takeHexText();
}

std::optional<std::string> compileTokens(const TokenArray& tokens, const CompileOptions& options,
                                         std::string& failure) {
    const CompileJob job{{}, options.mode, false, options.splitList, options.satNameCount};
    ListCompiler compiler(job, tokens);
    const bool compiled = compiler.run();
    if (!compiled && compiler.irregular()) {
        return compileText(channelListText(tokens), options, failure);
    }
    failure = compiler.failure();
    if (!compiled) return std::nullopt;
    return compiler.takeHexText();
}

bool checkText(std::string_view text, int satNameCount, std::string& failure) {
    return checkText(text, satNameCount, failure, nullptr);
}

bool checkText(std::string_view text, int satNameCount, std::string& failure, LineSink sink) {
    const CompileJob job{{}, CompileMode::Basic, true, false, satNameCount};
    ListCompiler compiler(job, text);
    compiler.setLineSink(std::move(sink));
    const bool checked = compiler.run();
    failure = compiler.failure();
    return checked;
}

}  // namespace sky
