// SPDX-License-Identifier: GPL-3.0-or-later
// Built-in material files ("*.t2m"). Their records are enciphered, so mutating a real file mostly
// produces noise the first cipher block rejects. An input starting with 'P' is therefore taken as
// the plain payload and enciphered here: byte 1 picks the file version (5 or 6), byte 2 the number
// of languages (1 to 3), the rest is the payload. Any other input is a whole file as it stands.
#include "FuzzSupport.h"
#include "MaterialFile.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv) {
    FuzzSupport::init(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    QByteArray file;
    if (size >= 3 && data[0] == 'P') {
        static const QStringList languages = {QStringLiteral("de"), QStringLiteral("en"),
                                              QStringLiteral("pl")};
        const QByteArray payload(reinterpret_cast<const char *>(data) + 3, static_cast<int>(size - 3));
        file = MaterialFile::encodeFile(5 + (data[1] & 1), languages.mid(0, 1 + data[2] % 3),
                                        QLatin1String(MaterialFile::Identifier), payload);
    } else {
        file = QByteArray(reinterpret_cast<const char *>(data), static_cast<int>(size));
    }
    QList<Material> materials;
    MaterialFile::read(FuzzSupport::scratchFile(file.constData(), static_cast<size_t>(file.size()),
                                                QStringLiteral("materials.t2m")),
                       QStringLiteral("pl"), materials);
    return 0;
}
