#pragma once

#include <cstdio>

#include "QuietUi.h"
#include "common/RuntimeSettings.h"
#include "editor/document/ListDocument.h"

// A list document over a list from skylister-listgen (40 satellite names), with a user interface
// that answers No, for the benchmarks of the editor's features.
struct BenchDocument {
    BenchDocument() { settings.maxSatellite40 = true; }

    // Opens the list; false after saying so.
    bool open(const char* path) {
        if (document.open(path)) return true;
        std::fprintf(stderr, "loading failed\n");
        return false;
    }

    sky::RuntimeSettings settings;
    QuietUi ui{sky::Answer::No};
    sky::ListDocument document{ui, settings};
};
