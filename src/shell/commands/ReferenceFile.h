#pragma once

#include <optional>
#include <string>

#include "common/RuntimeSettings.h"
#include "common/UserInterface.h"
#include "editor/order/OrderReference.h"

namespace sky {

// Reads a reference beside the open list, which stays as it is: a number;name file or a channel
// list, ordering the Digital Channel view (`digitalView`) or the Analog one. A file that cannot
// be read, or is no regular file (a device would never end), is said through `ui`
// ("CANCELED : ... cannot be read. Nothing was applied."), as is a reference that does not read;
// then nothing is returned.
std::optional<OrderReference> readReferenceBeside(const std::string& path, bool digitalView,
                                                  const RuntimeSettings& settings,
                                                  IUserInterface& ui);

}  // namespace sky
