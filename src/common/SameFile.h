#pragma once

#include <string>

namespace sky {

// Whether two paths name one file: the same device and inode, symbolic links followed, however
// each path is spelt. A path that does not exist (yet) names no file that exists, so it is not
// the same as any.
bool sameFile(const std::string& a, const std::string& b);

}  // namespace sky
