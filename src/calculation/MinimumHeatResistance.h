// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef MINIMUMHEATRESISTANCE_H
#define MINIMUMHEATRESISTANCE_H

#include <QString>
#include <QVector>

/*! Minimum thermal resistances of building elements after table 3 of DIN 4108-2, editions 2004
    and 2013. An element is identified by an id that stays the same across editions where the
    element exists in both; each edition offers its own list.

    Texts are translated (context "MinimumHeatResistance"). An edition other than 0 and 1, or an
    id that the edition does not list, gives the name "Unknown", an empty row label and the
    minimum resistance of an outer wall, 1.2 m²K/W. */
class MinimumHeatResistance {
public:
    /*! Editions of the table. */
    enum Edition { DIN4108_2_2004 = 0, DIN4108_2_2013 = 1 };

    /*! Minimum resistance of an element the edition does not know, m²K/W. */
    static constexpr double FallbackR = 1.2;

    /*! Name of the edition, e.g. "DIN 4108-2 2013 Tab. 3"; "Unknown" otherwise. */
    static QString editionName(int edition);
    /*! Element ids of an edition in the order they are offered; empty for an unknown edition. */
    static QVector<int> elementIds(int edition);
    /*! Whether the edition lists the element. */
    static bool hasElement(int edition, int id);
    /*! Name of the element, "Unknown" when the edition does not list it. */
    static QString elementName(int edition, int id);
    /*! Row (or chapter) of the table that holds the element, e.g. "11.1" or "Cap 5.1.4"; empty
        when the edition does not list it. */
    static QString rowLabel(int edition, int id);
    /*! Minimum thermal resistance in m²K/W; FallbackR when the edition does not list it. */
    static double minimumR(int edition, int id);
};

#endif // MINIMUMHEATRESISTANCE_H
