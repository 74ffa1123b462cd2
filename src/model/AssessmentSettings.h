// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef ASSESSMENTSETTINGS_H
#define ASSESSMENTSETTINGS_H

/*! The user's choices for the assessment of a calculation: which edition of the DIN 4108-3
    moisture criteria applies, the water uptake limits, the drying reserve after DIN 68800-2, and
    the DIN 4108-2 checks (minimum thermal resistance, temperature factor fRsi). Plain values with
    the defaults of a fresh installation; the report settings keep and persist one instance.

    Units: water uptake coefficients in kg/(m²·s^0.5) (the user sees them per square root of an
    hour, i.e. times 60), the drying reserve in kg/(m²·a) (shown in g/(m²·a)). */
struct AssessmentSettings {
    /*! Editions of the DIN 4108-3 moisture criteria. */
    enum AccordanceType {
        DIN4108_3_2001 = 0,
        DIN4108_3_2014 = 1,
        DIN4108_3_2018_2024 = 2,
        UserDefined = 3 ///< water uptake limit chosen by the user
    };

    /*! Editions of DIN 4108-2 table 3 (see MinimumHeatResistance). */
    enum MinimumHeatResVersion { DIN4108_2_2004 = 0, DIN4108_2_2013 = 1 };

    // Keys under which the report settings store the values.
    static constexpr const char *KeyAccordanceType = "DIN4108_3Accordance_Type";
    static constexpr const char *KeyLegacyAccordance = "DIN4108_3Accordance";
    static constexpr const char *KeyNonCapillarAw = "NonCapillarAw";
    static constexpr const char *KeyCapillarActiveAw = "CapillarActiveAw";
    static constexpr const char *KeyCapillaryCheckOneSide = "CapillaryCheckOneSide";
    static constexpr const char *KeyDryingReserve = "DryingReserve";
    static constexpr const char *KeyMinimumHeatResVersion = "MinimumHeatResVersion";
    static constexpr const char *KeyMinimumHeatResConstruction = "MinimumHeatResConstruction";
    static constexpr const char *KeyFrsiCheck = "FrsiCheck";

    /*! Edition of the criteria from the stored values. Older installations stored a boolean
        instead of the edition; when that key exists it decides: true is the current edition
        (2018/2024), false user defined. */
    static int accordanceTypeFromStored(int storedType, bool hasLegacyKey, bool legacyValue);

    /*! Water uptake limit of non-capillary material in kg/(m²·h^0.5) for an edition: 2001 0.2,
        2014 0.5, 2018/2024 0.1, anything else the user value (given per square root of a
        second, so times 60). */
    static double awLimitPerHour(int accordanceType, double userAwPerSecond);
    /*! The same limit in kg/(m²·s^0.5), the unit of the materials' water uptake coefficient. For
        the user-defined edition this is the user value itself, untouched by unit round trips. */
    static double awLimitPerSecond(int accordanceType, double userAwPerSecond);

    double awLimitPerHour() const { return awLimitPerHour(m_accordanceType, m_nonCapillarAw); }
    double awLimitPerSecond() const { return awLimitPerSecond(m_accordanceType, m_nonCapillarAw); }

    /*! True when a drying reserve is requested (not 0 within 1e-10). */
    bool hasDryingReserve() const;

    bool operator==(const AssessmentSettings &other) const;
    bool operator!=(const AssessmentSettings &other) const { return !(*this == other); }

    int m_accordanceType = DIN4108_3_2018_2024; ///< see AccordanceType
    double m_nonCapillarAw = 0.2 / 60;          ///< user limit for non-capillary material, kg/(m²·s^0.5)
    double m_capillarActiveAw = 0.7 / 60; ///< water uptake of capillary active material, kg/(m²·s^0.5)
    bool m_capillaryCheckOneSide = true;  ///< check one side of a condensation plane only
    double m_dryingReserve = 0;           ///< drying reserve, kg/(m²·a); 0 = none
    int m_minimumHeatResVersion = DIN4108_2_2013;
    int m_minimumHeatResConstruction = 12; ///< element id of MinimumHeatResistance
    bool m_frsiCheck = false;              ///< check the temperature factor of the inner surface
};

#endif // ASSESSMENTSETTINGS_H
