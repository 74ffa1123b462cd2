// SPDX-License-Identifier: GPL-3.0-or-later
// The layer block of first-generation project files.

#include "MaterialLayer.h"

#include <QCoreApplication>
#include <QRandomGenerator>

#include "LegacyTextStream.h"
#include "ZMT_Exception.h"

namespace {

// Layers whose colour cannot be read get one of these, so neighbours are usually told apart.
QColor tableColor() {
    static const QRgb colors[] = {0x00FF80, 0xFF8080, 0x408000, 0x000080, 0x4080FF,
                                  0xC0C0C0, 0x136C62, 0x704B10, 0x740C42, 0x2F0778,
                                  0x8CE811, 0xE85C11, 0xC080FF, 0xEA0F77, 0x1712E7};
    const int count = static_cast<int>(sizeof(colors) / sizeof(colors[0]));
    return QColor(colors[QRandomGenerator::global()->bounded(count)]);
}

// One unsigned decimal number holding 0xRRGGBB.
bool parseColor(const QString &text, QColor &color) {
    bool ok = false;
    const uint rgb = text.toUInt(&ok, 10);
    if (!ok || rgb > 0xFFFFFFu)
        return false;
    color = QColor(static_cast<QRgb>(rgb));
    return true;
}

} // namespace

bool MaterialLayer::readOld(LegacyTextStream &in, QString &errorMessage) {
    double width = 0;
    QColor color;
    Material material;
    QString line, keyword, value;
    for (;;) {
        if (!in.readNonEmptyLine(line)) {
            errorMessage.clear(); // the file ended inside the block
            return false;
        }
        if (line == QLatin1String("}"))
            break;
        LegacyTextStream::splitKeyword(line, keyword, value);
        if (keyword == QLatin1String("Width")) {
            try {
                width = LegacyTextStream::parameterValue(keyword, value, "m");
            } catch (const ZMT::Exception &) {
                errorMessage = QCoreApplication::translate(
                    "MaterialLayer", "[MaterialLayer::readOld]  Error reading parameter 'Width'!");
                return false;
            }
        } else if (keyword == QLatin1String("Colour")) {
            if (!parseColor(value, color))
                color = tableColor();
        } else if (keyword == QLatin1String("MATERIAL_DEFINITION")) {
            if (!in.readNonEmptyLine(line)) {
                errorMessage.clear();
                return false;
            }
            if (line != QLatin1String("{")) {
                errorMessage = QCoreApplication::translate(
                    "MaterialLayer",
                    "[MaterialLayer::readOld]  Block start '{' of material definition missing!");
                return false;
            }
            if (!material.readOld(in, errorMessage))
                return false;
        } else {
            errorMessage =
                QCoreApplication::translate("MaterialLayer", "[MaterialLayer::readOld]  Invalid keyword!");
            return false;
        }
    }
    if (!(width > 0))
        width = 0.24;
    material.color = color.isValid() ? color : tableColor();
    *this = MaterialLayer(material, width);
    return true;
}
