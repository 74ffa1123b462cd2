// SPDX-License-Identifier: GPL-3.0-or-later
#include "LayerHatching.h"

#include "MaterialLayer.h"
#include "VaDar_GraphicsRectItemWithHatch.h"

using Hatch = VaDar::GraphicsRectItemWithHatch;

LayerHatching LayerHatching::forMaterial(const Material &material) {
    // The kind of material decides before its category: an air space is empty, and foils and
    // coatings are too thin to carry any pattern.
    if (material.isAir() || material.isFoil())
        return {Hatch::NoHatch, 0};
    switch (material.category.value()) {
    case MaterialCategory::Insulation:
        // Wood fibre boards too: what matters in the drawing is the insulating layer.
        return {Hatch::InsulationHatch, 3};
    case MaterialCategory::Coating:
    case MaterialCategory::FoilsAndWaterproofing:
        return {Hatch::NoHatch, 0};
    default:
        break;
    }
    // Wood shows its grain along the layer; boards made of it more finely than solid timber.
    if (material.isWoodBased())
        return {Hatch::VerticalHatch, 3};
    if (material.isWood() || material.category.value() == MaterialCategory::Timber)
        return {Hatch::VerticalHatch, 6};
    switch (material.category.value()) {
    case MaterialCategory::PlasterAndMortar:
        return {Hatch::RisingDiagonalHatch, 4};
    case MaterialCategory::BuildingBrick:
        return {Hatch::DiagonalCrossHatch, 8};
    case MaterialCategory::NaturalStones:
        return {Hatch::FallingDiagonalHatch, 10};
    case MaterialCategory::Concrete:
        return {Hatch::FallingDiagonalHatch, 6};
    case MaterialCategory::BuildingBoards:
        return {Hatch::HorizontalHatch, 4};
    case MaterialCategory::NaturalMaterials:
        return {Hatch::RisingDiagonalHatch, 10};
    case MaterialCategory::Soil:
        return {Hatch::GridHatch, 10};
    case MaterialCategory::CladdingAndTiles:
        return {Hatch::GridHatch, 6};
    default:
        // Miscellaneous and unknown materials: the colour alone.
        return {Hatch::NoHatch, 0};
    }
}

VaDar::ConstructionLayer LayerHatching::viewLayer(const MaterialLayer &layer) {
    const LayerHatching hatching = forMaterial(layer.material());
    VaDar::ConstructionLayer entry;
    entry.width = layer.width();
    entry.name = layer.name;
    entry.color = layer.color;
    entry.hatchingType = hatching.kind;
    entry.hatchingDistance = hatching.distance;
    return entry;
}

QVector<VaDar::ConstructionLayer> LayerHatching::viewLayers(const QVector<MaterialLayer> &layers) {
    QVector<VaDar::ConstructionLayer> entries;
    entries.reserve(layers.size());
    for (const MaterialLayer &layer : layers)
        entries.append(viewLayer(layer));
    return entries;
}
