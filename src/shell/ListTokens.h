#pragma once

// The channel list's rows as the window's dialogs read them (the document's list()).
#include "db/TokenArray.h"
