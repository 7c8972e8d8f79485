#include "compiler/ListCompiler.h"
#include "db/ListDB.h"

namespace sky {

int CListDB::Compile(int mode) {
    Reset();
    compileMode = mode;
    return ListCompiler(*this, mode).run();
}

}  // namespace sky
