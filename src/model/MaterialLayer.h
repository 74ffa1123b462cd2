// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef MATERIALLAYER_H
#define MATERIALLAYER_H

#include "Material.h"

class LegacyTextStream;

/*! One layer of a construction: a material with a width in m.

    A material with an sd-value > 0 (foil, coating) defines the layer thickness itself:
    d = sd_value / muEff(). Such a layer ignores width changes. */
class MaterialLayer : public Material {
public:
    /*! The single values an editor changes, numbered as the editors and their undo commands number
        them. Values are in model units: the width in m, the water uptake coefficient per square
        root of a second. */
    enum Parameter {
        ResistanceFactor = 0,          ///< mu
        MoistureContent80 = 1,         ///< w_80, m³/m³
        MoistureContentSaturation = 2, ///< w_sat, m³/m³
        ThermalConductivity = 3,       ///< lambda, W/(m·K)
        WaterUptake = 4,               ///< m_Aw, kg/(m²·s^0.5)
        Width = 5                      ///< m
    };

    /*! Default material, width 0. */
    MaterialLayer() = default;
    /*! Copies the material and sets the width (m); a material with sd_value > 0 then gets the
        width sd_value / muEff() instead. */
    MaterialLayer(const Material &material, double width);

    /*! The material part of the layer. */
    const Material &material() const { return *this; }
    /*! Replaces the material and keeps the width, then applies updateWidthFromSd(). */
    void setMaterial(const Material &material);

    /*! Width multiplied by a display unit factor: 10 dm, 100 cm, 1000 mm, anything else m. */
    double width(int unitFactor = 1) const;
    /*! Sets the width from a value in the unit given by \a unitFactor (10 dm, 100 cm, 1000 mm,
        anything else m). Ignored (returns false) when the material has an sd-value or the
        value is not finite. */
    bool setWidth(double value, int unitFactor = 1);

    using Material::lambdaEff;
    using Material::muEff;
    /*! Effective thermal conductivity at this width, W/(m·K); see Material::lambdaEff(). */
    double lambdaEff(HeatFlowDirection direction) const { return Material::lambdaEff(m_width, direction); }
    /*! Effective vapour diffusion resistance factor at this width; see Material::muEff(). */
    double muEff() const { return Material::muEff(m_width); }

    /*! When sd_value > 0, width = sd_value / muEff() evaluated once with the current width (an
        air material's mu depends on the width; no iteration). Nothing happens when muEff() is
        not > 0, since no thickness follows from it. */
    void updateWidthFromSd();

    /*! The value of \a parameter in model units; NaN for an unknown parameter. */
    double parameter(int parameter) const;
    /*! Sets one value in model units. A new resistance factor of a layer with an sd-value also
        changes the width (the sd-value keeps defining the thickness). Returns false, changing
        nothing, for a non-finite value, an unknown parameter, or the width of a layer whose
        width follows from its sd-value. */
    bool setParameter(int parameter, double value);

    /*! Equal widths (exact) and equal materials (Material equality). */
    bool operator==(const MaterialLayer &other) const;
    bool operator!=(const MaterialLayer &other) const { return !(*this == other); }

    // A "LAYER_DEFINITION" block of first-generation project files, after its "{" line up to its
    // "}"; defined in the io library (MaterialLayerOld.cpp). False on the first problem, with an
    // empty message when the file ends inside the block.
    bool readOld(LegacyTextStream &in, QString &errorMessage);

private:
    double m_width = 0; ///< m
};

#endif // MATERIALLAYER_H
