// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VADAR_CONSTRUCTIONGRAPHICSSCENEVERTICAL_H
#define VADAR_CONSTRUCTIONGRAPHICSSCENEVERTICAL_H

#include "VaDar_ConstructionGraphicsSceneBase.h"

namespace VaDar {

/*! The construction as a stack of layers from top to bottom, the left (warm) side on top; the
    dimension chain stands right of the layers. */
class ConstructionGraphicsSceneVertical : public ConstructionGraphicsSceneBase {
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

#endif // VADAR_CONSTRUCTIONGRAPHICSSCENEVERTICAL_H
