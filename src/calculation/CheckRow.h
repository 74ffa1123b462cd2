// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CHECKROW_H
#define CHECKROW_H

#include <QString>

/*! One line of the assessment: a requirement and whether the construction meets it. The report,
    the results view and the batch program all show the same lines.

    label and value are rich text (HTML) ready for display, numbers already in the current
    locale. value is what stands in the verdict column: the verdict text, or for the temperature
    factor the factor itself (red when it fails). A line that only explains the line above has no
    verdict and an empty value. */
struct CheckRow {
    /*! What a line checks. */
    enum Kind {
        MinimumThermalResistance,         ///< DIN 4108-2 table 3
        TemperatureFactor,                ///< DIN 4108-2 fRsi
        CondensateMassCapillary,          ///< DIN 4108-3, Mc below 1.0 kg/m²
        CondensateMassNonCapillary,       ///< DIN 4108-3, Mc below 0.5 kg/m²
        NonCapillaryLimit,                ///< edition and water uptake limit (no verdict)
        WoodMoisture,                     ///< DIN 4108-3, wood
        WoodBasedMoisture,                ///< DIN 4108-3, wood-based material
        DryingTime,                       ///< DIN 4108-3, drying within 90 days
        DryingReserve,                    ///< DIN 68800-2
        GlaserCondensateMass,             ///< DIN 4108-3 standard procedure, Mc up to 1.0 kg/m²
        GlaserCondensateMassNonCapillary, ///< DIN 4108-3 standard procedure, Mc up to 0.5 kg/m²
        GlaserWoodMoisture,               ///< DIN 4108-3 standard procedure, wood
        GlaserWoodBasedMoisture,          ///< DIN 4108-3 standard procedure, wood-based material
        GlaserEvaporation                 ///< DIN 4108-3 standard procedure, Mev at least Mc
    };

    /*! Which result a line judges. */
    enum Group {
        ThermalProtection, ///< DIN 4108-2: the dry layers alone
        ZoneCalculation,   ///< the condensate of the condensation zone calculation
        StandardProcedure  ///< the condensate of the standard Glaser procedure (period balance)
    };

    enum Verdict { NoVerdict, NotFulfilled, Fulfilled };

    Kind kind = MinimumThermalResistance;
    QString label;
    QString value;
    Verdict verdict = NoVerdict;

    bool isFulfilled() const { return verdict == Fulfilled; }
    bool hasVerdict() const { return verdict != NoVerdict; }
    Group group() const {
        if (kind == MinimumThermalResistance || kind == TemperatureFactor)
            return ThermalProtection;
        return kind >= GlaserCondensateMass ? StandardProcedure : ZoneCalculation;
    }
};

#endif // CHECKROW_H
