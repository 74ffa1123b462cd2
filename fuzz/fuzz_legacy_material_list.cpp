// SPDX-License-Identifier: GPL-3.0-or-later
// Material lists of the first program generation, as the material database imports them.
#include "FuzzSupport.h"
#include "Material.h"
#include "MaterialList.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv) {
    FuzzSupport::init(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    QList<Material> materials;
    QString error;
    const bool ok = MaterialList::import1_9(FuzzSupport::scratchFile(data, size, QStringLiteral("list.txt")),
                                            materials, error);
    FuzzSupport::require(ok || (materials.isEmpty() && !error.isEmpty()),
                         "a failed import returned materials or no message");
    return 0;
}
