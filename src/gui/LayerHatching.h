// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef LAYERHATCHING_H
#define LAYERHATCHING_H

#include <QVector>

#include "VaDar_ConstructionLayer.h"

class Material;
class MaterialLayer;

/*! Which hatch a layer gets in the construction drawings, decided from its material's flags and
    category, and the layers of a construction as the drawings take them.

    Distances are screen pixels; for the insulation symbol the number of loops in a square of
    the layer's thickness. */
class LayerHatching {
public:
    int kind = 0;     ///< hatch kind of VaDar::GraphicsRectItemWithHatch
    int distance = 0; ///< spacing of the hatch lines

    /*! The hatch of layers of \a material. */
    static LayerHatching forMaterial(const Material &material);
    /*! \a layer as a drawing shows it: width, material name, colour and hatch. */
    static VaDar::ConstructionLayer viewLayer(const MaterialLayer &layer);
    static QVector<VaDar::ConstructionLayer> viewLayers(const QVector<MaterialLayer> &layers);
};

#endif // LAYERHATCHING_H
