// SPDX-License-Identifier: GPL-3.0-or-later
// The user material file ("UserData.tmat", also imported from other installations). Whatever is
// read must write and read back completely.
#include <QDataStream>

#include "FuzzSupport.h"
#include "MaterialList.h"
#include "MaterialRecord.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv) {
    FuzzSupport::init(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    bool complete = false;
    const QList<Material> materials = MaterialList::readUserFile(
        FuzzSupport::scratchFile(data, size, QStringLiteral("UserData.tmat")), &complete);

    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << qint32(-MaterialRecord::CurrentVersion) << qint32(materials.size());
    for (const Material &m : materials)
        MaterialRecord::write(out, m);
    bool again = false;
    const QList<Material> reread = MaterialList::readUserFile(
        FuzzSupport::scratchFile(bytes.constData(), static_cast<size_t>(bytes.size()),
                                 QStringLiteral("copy.tmat")),
        &again);
    FuzzSupport::require(again && reread.size() == materials.size(),
                         "a written user file does not read back");
    return 0;
}
