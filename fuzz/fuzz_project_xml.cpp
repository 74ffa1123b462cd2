// SPDX-License-Identifier: GPL-3.0-or-later
// Project files (XML) as the programs open them, then saved and opened again.
#include "ProjectRoundTrip.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv) {
    FuzzSupport::init(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    FuzzSupport::openProject(data, size, QStringLiteral("input.t2p"));
    return 0;
}
