// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VADAR_CONSTRUCTIONLAYER_H
#define VADAR_CONSTRUCTIONLAYER_H

#include <QColor>
#include <QString>

namespace VaDar {

/*! One layer as a construction drawing shows it. The drawing knows nothing of materials:
    whoever hands layers to it decides name, colour and hatching. */
struct ConstructionLayer {
    double width = 0; ///< thickness in m; a drawing with any width not > 0 stays empty
    QString name;     ///< written into the layer
    QColor color;     ///< fill colour; an invalid colour is drawn light grey
    /*! Hatch kind of GraphicsRectItemWithHatch (0 none ... 7 soft insulation). */
    int hatchingType = 0;
    /*! Spacing of the hatch lines in screen pixels; for the insulation symbol the number of
        loops in a square of the layer's thickness. */
    int hatchingDistance = 0;
};

} // namespace VaDar

#endif // VADAR_CONSTRUCTIONLAYER_H
