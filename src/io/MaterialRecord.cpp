// SPDX-License-Identifier: GPL-3.0-or-later
#include "MaterialRecord.h"

#include <QCoreApplication>

#include "BoundedStreamRead.h"

void MaterialRecord::write(QDataStream &stream, const Material &material, int version) {
    stream << material.name << qint32(material.category.value()) << material.notes << material.productName
           << material.producer << material.dataSource << material.rho << material.lambda << material.mu;
    if (version >= 2)
        stream << material.mu_min << material.mu_max << material.sd_value;
    stream << material.w_80 << material.w_sat << material.m_Aw;
    stream << qint32(material.color.red()) << qint32(material.color.green()) << qint32(material.color.blue());
    if (version >= 3)
        stream << material.isAir() << material.isWood() << material.isWoodBased();
    if (version >= 4)
        stream << material.isFoil();
}

bool MaterialRecord::read(QDataStream &stream, Material &material, int version) {
    Material m = material;
    qint32 category = 0;
    BoundedStreamRead::readString(stream, m.name);
    stream >> category;
    BoundedStreamRead::readString(stream, m.notes);
    BoundedStreamRead::readString(stream, m.productName);
    BoundedStreamRead::readString(stream, m.producer);
    BoundedStreamRead::readString(stream, m.dataSource);
    stream >> m.rho >> m.lambda >> m.mu;
    if (version >= 2)
        stream >> m.mu_min >> m.mu_max >> m.sd_value;
    stream >> m.w_80 >> m.w_sat >> m.m_Aw;
    qint32 red = 0, green = 0, blue = 0;
    stream >> red >> green >> blue;
    bool air = false, wood = false, woodBased = false, foil = false;
    if (version >= 3)
        stream >> air >> wood >> woodBased;
    if (version >= 4)
        stream >> foil;
    if (stream.status() != QDataStream::Ok)
        return false;

    if (m.name.isEmpty())
        m.name = QCoreApplication::translate("Material", "Unknown");
    m.category = MaterialCategory(category);
    m.color = QColor(qBound(0, int(red), 255), qBound(0, int(green), 255), qBound(0, int(blue), 255));
    if (version >= 3)
        m.setFlags(air, wood, woodBased, foil);
    material = m;
    return true;
}
