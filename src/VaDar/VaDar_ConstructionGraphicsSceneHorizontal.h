// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VADAR_CONSTRUCTIONGRAPHICSSCENEHORIZONTAL_H
#define VADAR_CONSTRUCTIONGRAPHICSSCENEHORIZONTAL_H

#include "VaDar_ConstructionGraphicsSceneBase.h"

namespace VaDar {

/*! The construction as a row of layers from left to right, the left (warm) side first; layer
    names run upwards, the dimension chain lies below the layers. */
class ConstructionGraphicsSceneHorizontal : public ConstructionGraphicsSceneBase {
    Q_OBJECT
public:
    using ConstructionGraphicsSceneBase::ConstructionGraphicsSceneBase;

protected:
    bool calculatePositions() override;
    void drawDimensions() override;
    void drawLayers() override;
    void drawMarkerLines() override;
    void drawMarkedRegion() override;
};

} // namespace VaDar

#endif // VADAR_CONSTRUCTIONGRAPHICSSCENEHORIZONTAL_H
