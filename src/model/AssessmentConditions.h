// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef ASSESSMENTCONDITIONS_H
#define ASSESSMENTCONDITIONS_H

#include <QString>

#include "ClimateCondition.h"
#include "ClimatePreset.h"

class QXmlStreamReader;
class QXmlStreamWriter;

/*! The boundary climate of one project: winter (condensation period) and summer (evaporation
    period) climates of the warm side (interior) and the cold side (exterior), the lengths of both
    periods and the assessment type.

    The assessment type is not an independent setting: every change runs the type detection, so
    values that match a DIN 4108-3 edition are reported as that edition. setAssessmentType()
    applies the presets, summer climate and period lengths a type prescribes.

    Units: temperatures °C, relative humidities % (0..100), surface resistances m²K/W, period
    lengths in days (seconds on request), vapour pressures Pa.

    The numeric setters (setValue, setCondensationTime, setEvaporationTime) refuse NaN and
    infinity: they return false and change nothing. */
class AssessmentConditions {
public:
    /*! Assessment types. */
    enum AssessmentType {
        CustomConditions = 0, ///< values chosen freely
        DIN4108_2001 = 1,     ///< DIN 4108-3, edition 2001
        DIN4108_2014 = 2      ///< DIN 4108-3, editions 2014, 2018 and 2024
    };
    /*! Quantities for setValue(). */
    enum Quantity { Temperature = 0, RelativeHumidity = 1, SurfaceResistance = 2 };
    /*! Periods for setValue(). */
    enum Period { Winter = 0, Summer = 1, BothPeriods = 2 };
    /*! Side restriction of the preferred preset for setAssessmentType(). */
    enum PreferredSide {
        AnySide,  ///< indoor ids go to the warm side, everything else to the cold side
        WarmSide, ///< apply the preferred id to the warm side only
        ColdSide  ///< apply the preferred id to the cold side only
    };

    /*! Resets all climates, sets the fixed summer pressures (1200, 1200, 1700 Pa) and the
        period lengths (90 d each), then applies setAssessmentType(type). */
    explicit AssessmentConditions(int assessmentType = DIN4108_2014);

    /*! Winter climates. */
    const ClimateCondition &interiorClimate() const { return m_interior; }
    const ClimateCondition &exteriorClimate() const { return m_exterior; }
    /*! Summer climates. Their surface resistances are not used by the calculation. */
    const ClimateCondition &interiorSummerClimate() const { return m_interiorSummer; }
    const ClimateCondition &exteriorSummerClimate() const { return m_exteriorSummer; }

    /*! Length of the condensation period in days, or in seconds when \a inDays is false. */
    double condensationTime(bool inDays) const;
    /*! Length of the evaporation (drying) period in days, or in seconds when \a inDays is false. */
    double evaporationTime(bool inDays) const;

    /*! Fixed summer vapour pressure on the warm side for type 2, Pa. */
    double summerVapourPressureWarmSide() const { return m_pvSummerWarm; }
    /*! Fixed summer vapour pressure on the cold side for type 2, Pa. */
    double summerVapourPressureColdSide() const { return m_pvSummerCold; }
    /*! Fixed summer saturation pressure in the condensation plane for type 2, Pa. */
    double summerSaturationPressure() const { return m_psatSummer; }

    /*! Whole-climate setters. They take the climate as it is, non-finite numbers included
        (a file with a heat transfer coefficient of 0 gives an infinite resistance), so that
        isValid() reports such input instead of it being replaced silently. */
    void setInteriorClimate(const ClimateCondition &climate);
    void setInteriorSummerClimate(const ClimateCondition &climate);
    void setExteriorClimate(const ClimateCondition &climate);
    void setExteriorSummerClimate(const ClimateCondition &climate);
    /*! Period lengths in days. */
    bool setCondensationTime(double days);
    bool setEvaporationTime(double days);

    /*! Sets one value. \a quantity: 0 temperature, 1 relative humidity, 2 surface resistance;
        \a period: 0 winter, 1 summer, 2 both; \a warmSide: true interior, false exterior.
        Returns false for a non-finite value or an unknown quantity or period. */
    bool setValue(int quantity, int period, bool warmSide, double value);

    /*! The detected assessment type (0, 1 or 2). */
    int assessmentType() const { return m_assessmentType; }

    /*! Applies an assessment type: keeps the current winter presets of both sides where the type
        allows them and otherwise takes the smallest allowed preset id; a \a preferredPresetId
        allowed for the type replaces the preset of its side (17 prefers nothing). Types 1 and 2
        then fix the summer climate and the period lengths. A climate matching no preset is
        replaced by the custom preset of its side. \a side restricts where the preferred id
        goes; AnySide sends indoor ids (1..10) to the warm side and every other id, custom 0
        included, to the cold side. Returns false, changing nothing, for an unknown type. */
    bool setAssessmentType(int type, int preferredPresetId = ClimatePreset::NoPresetId,
                           PreferredSide side = AnySide);

    /*! Range check: winter and summer temperatures within -40..80 °C and humidities within
        0..100 % on both sides, winter surface resistances finite and > 0, both period lengths
        finite and > 0. */
    bool isValid() const;

    /*! Runs the type detection on the current values (does not change the object). */
    int detectAssessmentType() const;

    /*! Display name of an assessment type (translated, context "AssessmentConditions"). */
    static QString assessmentTypeName(int type);

    /*! Temperature (°C) of the type-2 summer climate: the one whose saturation pressure is
        summerSaturationPressure() (about 14.94 °C). */
    double summerTemperatureDIN2014() const;

    /*! Compares the winter and summer temperatures and humidities and the winter surface
        resistances of both sides and both period lengths; numbers count as equal when identical
        or at most 0.0001 apart. */
    bool operator==(const AssessmentConditions &other) const;
    bool operator!=(const AssessmentConditions &other) const { return !(*this == other); }
    /*! True when an editor would show a difference: a value compared by operator!=, the
        assessment type, or the kind code or outside flag of a winter climate (the preset it
        came from). */
    bool differsFrom(const AssessmentConditions &other) const;

    // The elements "Climate" and "Options" of the project file; defined in the io library
    // (AssessmentConditionsXML.cpp). The readers return false when a value is out of range.
    bool readClimateXML(QXmlStreamReader &reader);
    void writeClimateXML(QXmlStreamWriter &writer) const;
    bool readOptionsXML(QXmlStreamReader &reader);
    void writeOptionsXML(QXmlStreamWriter &writer) const;

private:
    ClimateCondition &climate(bool warmSide, bool summer);
    void updateAssessmentType();

    ClimateCondition m_interior;
    ClimateCondition m_interiorSummer;
    ClimateCondition m_exterior;
    ClimateCondition m_exteriorSummer;
    double m_tT = 90;        ///< condensation period, days
    double m_tT_summer = 90; ///< evaporation period, days
    double m_pvSummerWarm = 1200;
    double m_pvSummerCold = 1200;
    double m_psatSummer = 1700;
    int m_assessmentType = CustomConditions;
};

#endif // ASSESSMENTCONDITIONS_H
