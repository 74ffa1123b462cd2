// SPDX-License-Identifier: GPL-3.0-or-later
// The construction database ("ConstructionData.constr", also imported from other installations).
// Whatever is read must write and read back completely.
#include <QBuffer>
#include <QDataStream>

#include "ConstructionList.h"
#include "FuzzSupport.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv) {
    FuzzSupport::init(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    QByteArray input = QByteArray::fromRawData(reinterpret_cast<const char *>(data), static_cast<int>(size));
    QBuffer file(&input);
    file.open(QIODevice::ReadOnly);
    QList<Construction> entries;
    ConstructionList::readEntries(file, entries);

    QByteArray written;
    {
        QDataStream out(&written, QIODevice::WriteOnly);
        out << qint32(ConstructionList::FileVersion) << qint32(entries.size());
        for (const Construction &c : entries)
            c.write(out);
    }
    QBuffer copy(&written);
    copy.open(QIODevice::ReadOnly);
    QList<Construction> again;
    FuzzSupport::require(ConstructionList::readEntries(copy, again) == ConstructionList::ReadComplete &&
                             again.size() == entries.size(),
                         "a written construction file does not read back");
    return 0;
}
