// SPDX-License-Identifier: GPL-3.0-or-later
// The element "Material" of the project file.

#include "Material.h"

#include <QCoreApplication>
#include <QStringList>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include "XMLHelpers.h"

using namespace XMLHelpers;

namespace {

// "r g b" with single blanks; an empty part or a channel outside 0..255 is an error.
bool parseColor(const QString &text, QColor &color) {
    const QStringList parts = text.split(QLatin1Char(' '));
    if (parts.size() != 3)
        return false;
    int rgb[3];
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        rgb[i] = parts[i].toInt(&ok, 10);
        if (!ok || rgb[i] < 0 || rgb[i] > 255)
            return false;
    }
    color = QColor(rgb[0], rgb[1], rgb[2], 255);
    return true;
}

} // namespace

bool Material::readXML(QXmlStreamReader &reader) {
    readStringAttribute(reader, QStringLiteral("name"), name);
    if (name.isEmpty())
        name = QCoreApplication::translate("Material", "Unknown");
    readIntAttribute(reader, QStringLiteral("materialId"), materialId);
    int cat = category.value();
    // Kept as written: a category above 12 simply makes the material invalid.
    if (readIntAttribute(reader, QStringLiteral("cat"), cat))
        category = MaterialCategory::fromRawValue(cat);
    readStringAttribute(reader, QStringLiteral("productName"), productName);
    readStringAttribute(reader, QStringLiteral("producer"), producer);
    readStringAttribute(reader, QStringLiteral("dataSource"), dataSource);
    readStringAttribute(reader, QStringLiteral("notes"), notes);
    readDoubleAttribute(reader, QStringLiteral("rho"), rho);
    readDoubleAttribute(reader, QStringLiteral("lambda"), lambda);
    readDoubleAttribute(reader, QStringLiteral("mu"), mu);
    readDoubleAttribute(reader, QStringLiteral("mu_min"), mu_min);
    readDoubleAttribute(reader, QStringLiteral("mu_max"), mu_max);
    readDoubleAttribute(reader, QStringLiteral("w_80"), w_80);
    readDoubleAttribute(reader, QStringLiteral("w_sat"), w_sat);
    readDoubleAttribute(reader, QStringLiteral("sd_value"), sd_value);
    readDoubleAttribute(reader, QStringLiteral("m_Aw"), m_Aw);
    const bool valid = isValid();

    if (reader.hasError())
        return false;
    const QString colorText = reader.attributes().value(QStringLiteral("color")).toString();
    QColor c;
    if (!parseColor(colorText, c)) {
        reader.raiseError(QCoreApplication::translate("Material", "Invalid encoding '%1' of material color.")
                              .arg(colorText));
        return false;
    }
    color = c;

    int air = 0;
    int wood = 0;
    int woodBased = 0;
    int foil = 0;
    readIntAttribute(reader, QStringLiteral("isAir"), air);
    readIntAttribute(reader, QStringLiteral("isWood"), wood);
    readIntAttribute(reader, QStringLiteral("isWoodbased"), woodBased);
    readIntAttribute(reader, QStringLiteral("isFoil"), foil);
    setFlags(air != 0, wood != 0, woodBased != 0, foil != 0);

    skipCurrentElement(reader);
    return valid && !reader.hasError();
}

void Material::writeXML(QXmlStreamWriter &writer) const {
    writer.writeStartElement(QStringLiteral("Material"));
    writeStringAttribute(writer, QStringLiteral("name"), name);
    writeIntAttribute(writer, QStringLiteral("materialId"), materialId);
    writeIntAttribute(writer, QStringLiteral("cat"), category.value());
    writeStringAttribute(writer, QStringLiteral("productName"), productName);
    writeStringAttribute(writer, QStringLiteral("producer"), producer);
    writeStringAttribute(writer, QStringLiteral("dataSource"), dataSource);
    writeStringAttribute(writer, QStringLiteral("notes"), notes);
    writeDoubleAttribute(writer, QStringLiteral("rho"), rho);
    writeDoubleAttribute(writer, QStringLiteral("lambda"), lambda);
    writeDoubleAttribute(writer, QStringLiteral("mu"), mu);
    writeDoubleAttribute(writer, QStringLiteral("mu_min"), mu_min);
    writeDoubleAttribute(writer, QStringLiteral("mu_max"), mu_max);
    writeDoubleAttribute(writer, QStringLiteral("w_80"), w_80);
    writeDoubleAttribute(writer, QStringLiteral("w_sat"), w_sat);
    writeDoubleAttribute(writer, QStringLiteral("m_Aw"), m_Aw);
    writeDoubleAttribute(writer, QStringLiteral("sd_value"), sd_value);
    writer.writeAttribute(QStringLiteral("color"),
                          QStringLiteral("%1 %2 %3").arg(color.red()).arg(color.green()).arg(color.blue()));
    const auto flag = [](bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); };
    writer.writeAttribute(QStringLiteral("isAir"), flag(isAir()));
    writer.writeAttribute(QStringLiteral("isWood"), flag(isWood()));
    writer.writeAttribute(QStringLiteral("isWoodbased"), flag(isWoodBased()));
    writer.writeAttribute(QStringLiteral("isFoil"), flag(isFoil()));
    writer.writeEndElement();
}
