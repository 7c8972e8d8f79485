#include "db/ListDB.h"

#include <utility>

namespace sky {

CListDB::CListDB(const RuntimeSettings& runtimeSettings, IUserInterface& userInterface,
                 std::string listPath)
    : path(std::move(listPath)), settings(runtimeSettings), ui(userInterface) {
    satNameCount = settings.maxSatellite40 ? 40 : 32;
    Reset();
}

void CListDB::Reset() {
    resave = 0;
}

}  // namespace sky
