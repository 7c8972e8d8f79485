#include "compiler/Compile.h"

#include "compiler/ListCompiler.h"

namespace sky {

bool compileList(const CompileJob& job, IUserInterface& ui) {
    return ListCompiler(job, ui).run();
}

}  // namespace sky
