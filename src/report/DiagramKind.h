// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef DIAGRAMKIND_H
#define DIAGRAMKIND_H

/*! What a profile diagram shows. The numbers are those the report settings store. */
enum class DiagramKind : int {
    NoDiagram = 0,          ///< a request of this kind is ignored; the scene keeps what it shows
    ConstructionSketch = 1, ///< layers as coloured bands with the dimension chain
    VapourPressure = 2,     ///< temperature, saturation, calculated and real vapour pressure
    WaterContent = 3        ///< temperature and the moisture content of every layer
};

#endif // DIAGRAMKIND_H
