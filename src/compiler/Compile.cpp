#include "compiler/Compile.h"

#include <utility>

#include "compiler/HexText.h"
#include "compiler/ListCompiler.h"
#include "db/TextWriter.h"

namespace sky {

bool compileList(const CompileJob& job, IUserInterface& ui) {
    return ListCompiler(job, ui).run();
}

namespace {

std::optional<CompiledImage> imageOf(ListCompiler& compiler, std::string& failure) {
    const bool compiled = compiler.run();
    failure = compiler.failure();
    if (!compiled) return std::nullopt;
    return compiler.takeImage();
}

CompileJob jobOf(const CompileOptions& options) {
    return {{}, options.mode, false, options.splitList, options.satNameCount};
}

}  // namespace

std::optional<std::string> compileText(std::string_view text, const CompileOptions& options,
                                       std::string& failure) {
    const CompileJob job = jobOf(options);
    ListCompiler compiler(job, text);
    const std::optional<CompiledImage> image = imageOf(compiler, failure);
    if (!image) return std::nullopt;
    return hexText(image->address, image->bytes);
}

std::optional<CompiledImage> compileTokens(const TokenArray& tokens, const CompileOptions& options,
                                           std::string& failure) {
    const CompileJob job = jobOf(options);
    ListCompiler compiler(job, tokens);
    std::optional<CompiledImage> image = imageOf(compiler, failure);
    if (image || !compiler.irregular()) return image;
    const std::string text = channelListText(tokens);
    ListCompiler textCompiler(job, text);
    return imageOf(textCompiler, failure);
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
