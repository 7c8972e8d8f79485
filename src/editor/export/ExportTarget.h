#pragma once

#include <optional>
#include <string>

namespace sky {

// Why an export may not be written to `target`: it is the list's own file or one made from it
// (base.hex, base.bin, base.bak, which a transfer may be reading), however the path is spelt.
// Nothing when the target is free.
std::optional<std::string> exportTargetRefusal(const std::string& target,
                                               const std::string& listPath);

}  // namespace sky
