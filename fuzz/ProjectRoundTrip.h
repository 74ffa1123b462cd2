// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PROJECTROUNDTRIP_H
#define PROJECTROUNDTRIP_H

#include <QBuffer>
#include <QXmlStreamWriter>

#include "Document.h"
#include "FuzzSupport.h"

namespace FuzzSupport {

/*! Opens the scratch file \a name holding the input as the programs do (reader chosen by the
    extension, input check, calculation for constructions small enough to be quick). Whatever
    opens must save, and the saved file must open again with the same layers. */
inline void openProject(const uint8_t *data, size_t size, const QString &name) {
    Document document;
    QString error;
    if (!document.readFile(scratchFile(data, size, name), error))
        return;
    const int layers = document.inputData().layers().size();
    if (layers <= 8)
        document.recalculate();
    else
        document.inputData().check();

    QBuffer saved;
    saved.open(QIODevice::WriteOnly);
    QXmlStreamWriter writer(&saved);
    document.writeXML(writer);
    require(!writer.hasError(), "an opened project cannot be saved");
    const QByteArray &bytes = saved.data();
    Document again;
    require(again.readFile(scratchFile(bytes.constData(), static_cast<size_t>(bytes.size()),
                                       QStringLiteral("saved.t2p")),
                           error),
            "a saved project does not open again");
    require(again.inputData().layers().size() == layers, "saving changed the number of layers");
}

} // namespace FuzzSupport

#endif // PROJECTROUNDTRIP_H
