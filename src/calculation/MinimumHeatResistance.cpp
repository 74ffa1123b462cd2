// SPDX-License-Identifier: GPL-3.0-or-later
#include "MinimumHeatResistance.h"

#include <QCoreApplication>

#include <iterator>

namespace {

const char *const Context = "MinimumHeatResistance";

struct Element {
    int id;
    const char *name;
    const char *row;
    bool rowIsText; // chapter references are translated, plain row numbers are not
    double rMin;    // m²K/W
};

const Element Table2004[] = {
    {0, QT_TRANSLATE_NOOP("MinimumHeatResistance", "Outer wall"), "1", false, 1.2},
    {1, QT_TRANSLATE_NOOP("MinimumHeatResistance", "Partition wall"), "2", false, 0.07},
    {2, QT_TRANSLATE_NOOP("MinimumHeatResistance", "Wall to stair case with temperature <10°C"), "3", false,
     0.25},
    {3, QT_TRANSLATE_NOOP("MinimumHeatResistance", "Wall to stair case with temperature >10°C"), "4", false,
     0.07},
    {4, QT_TRANSLATE_NOOP("MinimumHeatResistance", "Common separating ceiling"), "5", false, 0.35},
    {5,
     QT_TRANSLATE_NOOP("MinimumHeatResistance", "Separating ceiling for officebuilding with central heating"),
     "6", false, 0.17},
    {6, QT_TRANSLATE_NOOP("MinimumHeatResistance", "Floor plate over ground"), "7", false, 0.9},
    {7, QT_TRANSLATE_NOOP("MinimumHeatResistance", "Floor plate to non ventilated cavity"), "8", false, 0.9},
    {8, QT_TRANSLATE_NOOP("MinimumHeatResistance", "Ceiling below attic"), "9", false, 0.9},
    {9, QT_TRANSLATE_NOOP("MinimumHeatResistance", "Ceiling for cellar"), "10", false, 0.9},
    {10, QT_TRANSLATE_NOOP("MinimumHeatResistance", "Floor over garage or passage"), "11.1", false, 1.75},
    {11, QT_TRANSLATE_NOOP("MinimumHeatResistance", "Roof"), "11.2", false, 1.2},
};

const Element Table2013[] = {
    {12,
     QT_TRANSLATE_NOOP("MinimumHeatResistance",
                       "Wall of heated room to outside, ground, underground garage or similar"),
     "1", false, 1.2},
    {13, QT_TRANSLATE_NOOP("MinimumHeatResistance", "Roof pitch to outside"), "2", false, 1.2},
    {14, QT_TRANSLATE_NOOP("MinimumHeatResistance", "Flat roof or ceiling to outside"), "3.1", false, 1.2},
    {8, QT_TRANSLATE_NOOP("MinimumHeatResistance", "Ceiling to ventilated roof space or to non heated room"),
     "3.2 3.3", false, 0.9},
    {15, QT_TRANSLATE_NOOP("MinimumHeatResistance", "Ceiling between insulated roof pitch and jamb wall"),
     "3.4", false, 0.35},
    {10,
     QT_TRANSLATE_NOOP(
         "MinimumHeatResistance",
         "Floor over outside, underground garage, garage (heated or not), ventilated crawl space etc."),
     "4.1", false, 1.75},
    {9,
     QT_TRANSLATE_NOOP("MinimumHeatResistance", "Floor over cellar, to ground, non ventilated crawl space"),
     "4.2 4.3 4.4", false, 0.9},
    {16,
     QT_TRANSLATE_NOOP("MinimumHeatResistance", "Wall between heated room and directly heated stair case"),
     "5.1", false, 0.07},
    {17,
     QT_TRANSLATE_NOOP("MinimumHeatResistance", "Wall between heated room and indirectly heated stair case"),
     "5.2", false, 0.25},
    {1, QT_TRANSLATE_NOOP("MinimumHeatResistance", "Partition walls between heated rooms"), "6.1", false,
     0.07},
    {4,
     QT_TRANSLATE_NOOP("MinimumHeatResistance",
                       "Ceiling between rooms of different use and apartment separating ceiling"),
     "6.2", false, 0.35},
    {18, QT_TRANSLATE_NOOP("MinimumHeatResistance", "Construction with mass per area lower than 100kg/m2"),
     QT_TRANSLATE_NOOP("MinimumHeatResistance", "Cap 5.1.2.2"), true, 1.75},
    {19, QT_TRANSLATE_NOOP("MinimumHeatResistance", "Opaque part of transparent constructions"),
     QT_TRANSLATE_NOOP("MinimumHeatResistance", "Cap 5.1.4"), true, 1.2},
};

struct TableView {
    const Element *begin;
    const Element *end;
};

TableView table(int edition) {
    switch (edition) {
    case MinimumHeatResistance::DIN4108_2_2004:
        return {std::begin(Table2004), std::end(Table2004)};
    case MinimumHeatResistance::DIN4108_2_2013:
        return {std::begin(Table2013), std::end(Table2013)};
    default:
        return {nullptr, nullptr};
    }
}

const Element *find(int edition, int id) {
    const TableView t = table(edition);
    for (const Element *e = t.begin; e != t.end; ++e)
        if (e->id == id)
            return e;
    return nullptr;
}

QString unknown() {
    return QCoreApplication::translate("MinimumHeatResistance", "Unknown");
}

} // namespace

QString MinimumHeatResistance::editionName(int edition) {
    switch (edition) {
    case DIN4108_2_2004:
        return QCoreApplication::translate("MinimumHeatResistance", "DIN 4108-2 2004 Tab. 3");
    case DIN4108_2_2013:
        return QCoreApplication::translate("MinimumHeatResistance", "DIN 4108-2 2013 Tab. 3");
    default:
        return unknown();
    }
}

QVector<int> MinimumHeatResistance::elementIds(int edition) {
    QVector<int> ids;
    const TableView t = table(edition);
    for (const Element *e = t.begin; e != t.end; ++e)
        ids.append(e->id);
    return ids;
}

bool MinimumHeatResistance::hasElement(int edition, int id) {
    return find(edition, id) != nullptr;
}

QString MinimumHeatResistance::elementName(int edition, int id) {
    const Element *e = find(edition, id);
    return e ? QCoreApplication::translate(Context, e->name) : unknown();
}

QString MinimumHeatResistance::rowLabel(int edition, int id) {
    const Element *e = find(edition, id);
    if (!e)
        return QString();
    return e->rowIsText ? QCoreApplication::translate(Context, e->row) : QString::fromLatin1(e->row);
}

double MinimumHeatResistance::minimumR(int edition, int id) {
    const Element *e = find(edition, id);
    return e ? e->rMin : FallbackR;
}
