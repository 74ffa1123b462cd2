// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef MATERIAL_H
#define MATERIAL_H

#include <QColor>
#include <QDate>
#include <QString>
#include <QVector>

#include "HeatFlowDirection.h"
#include "MaterialCategory.h"
#include "MaterialFlag.h"

class LegacyTextStream;
class QXmlStreamReader;
class QXmlStreamWriter;

/*! One building material: identity, descriptive texts, the hygrothermal parameters of the
    Glaser calculation, a display colour and type flags. Plain value type, copied freely.

    Units: rho kg/m³, lambda W/(m·K), mu/mu_min/mu_max -, w_80/w_sat m³/m³, m_Aw kg/(m²·s^0.5),
    sd_value m. Widths passed to lambdaEff()/muEff() are in m.

    An air material turns an unventilated air space into an equivalent material: its thermal
    conductivity follows the air-layer resistances of DIN EN ISO 6946, its resistance factor gives
    an sd-value of 0.01 m (DIN EN ISO 13788). */
class Material {
public:
    /*! Kinds of formattedValue(). */
    enum ValueKind {
        VK_Default = 0, ///< formatted like an sd-value
        VK_ThermalConductivity = 1,
        VK_ResistanceFactor = 2,
        VK_MoistureContent80 = 3,
        VK_MoistureContentSat = 4,
        VK_WaterUptake = 5,
        VK_SdValue = 6
    };

    /*! Empty texts, unknown category, invalid colour, all numbers 0, null dates, no flags,
        id 0, no product codes. */
    Material() = default;
    /*! Sets mu_min and mu_max to mu, sd_value to 0, no flags and dates, and a random colour. */
    Material(const QString &name, MaterialCategory category, const QString &notes, const QString &productName,
             const QString &producer, const QString &dataSource, double rho, double lambda, double mu,
             double w_80, double w_sat, double Aw, int id);

    /*! True when the name is not empty, rho, lambda, mu and w_80 are > 0, w_80 < w_sat <= 1,
        m_Aw >= 0, the category is 0..12 and every number is finite. */
    bool isValid() const;

    /*! Compares colour, category, name, air flag, notes, data source, rho, lambda, mu, mu_min,
        mu_max, m_Aw, w_80, w_sat, product name and producer exactly. Ignores materialId,
        sd_value, the other flags, the dates and the product codes. */
    bool operator==(const Material &other) const;
    bool operator!=(const Material &other) const { return !(*this == other); }

    void setId(int id) { materialId = id; }
    /*! The numeric setters refuse NaN and infinity (return false, value unchanged). */
    bool setLambda(double value);
    bool setMu(double value);
    /*! Water uptake coefficient; per square root of an hour when \a inSeconds is false (the value
        is then divided by 60), otherwise per square root of a second. */
    bool setAw(double value, bool inSeconds);

    bool isWood() const { return hasFlag(MF_Wood); }
    bool isWoodBased() const { return hasFlag(MF_WoodBased); }
    bool isAir() const { return hasFlag(MF_Air); }
    bool isFoil() const { return hasFlag(MF_Foil); }
    bool hasFlag(MaterialFlag flag) const { return (m_flags & (1u << flag)) != 0; }
    void setFlag(MaterialFlag flag, bool on = true);
    /*! Replaces the whole flag set (argument order: air first). */
    void setFlags(bool isAir, bool isWood, bool isWoodBased, bool isFoil);
    void clearFlags() { m_flags = 0; }

    /*! Effective thermal conductivity in W/(m·K) of a layer of width \a d (m) for the heat flow
        \a direction.
        lambda for ordinary materials and for d <= 0; for air d / R with R from the
        unventilated air-layer table, and 0.045 up to 5 mm. */
    double lambdaEff(double d, HeatFlowDirection direction) const;
    /*! Effective vapour diffusion resistance factor: for air 0.01 / d above 1 cm and 1 below
        (sd-value 0.01 m), otherwise mu. */
    double muEff(double d) const;

    /*! Moisture content at 95 % relative humidity in m³/m³, on a straight sorption line through
        the origin and the 80 % point. Water above it fills the free pores in the condensation
        zone calculation. */
    static double w95(double w_80) { return w_80 * 95 / 80; }
    double w95() const { return w95(w_80); }

    /*! Display text of a parameter value in the current locale without group separators.
        See ValueKind. */
    static QString formattedValue(int kind, double value);

    /*! Description for the database browser: data source, notes, flags and dates, one line
        each, only what is set (translation context "MaterialTransfer"); empty if nothing is. */
    QString infoText() const;

    /*! A colour with three uniform random channels 0..255 and alpha 255. */
    static QColor randomColor();
    /*! An opaque colour that follows from \a id alone: the same in every run of the program, so
        built-in materials keep their colour in screenshots, reports and listings, while
        neighbouring ids look unrelated. */
    static QColor colorForId(int id);

    // The element "Material" of the project file; defined in the io library (MaterialXML.cpp).
    // readXML returns whether the material read is valid; file errors are raised on the reader.
    bool readXML(QXmlStreamReader &reader);
    void writeXML(QXmlStreamWriter &writer) const;

    // A "MATERIAL_DEFINITION" block of first-generation files, after its "{" line up to its "}";
    // defined in the io library (MaterialOld.cpp). False with a message on the first problem.
    bool readOld(LegacyTextStream &in, QString &errorMessage);

    QString name;
    MaterialCategory category;
    QColor color;
    QString notes;
    QString productName; ///< product name or identifier / origin
    QString producer;
    QString dataSource;
    double rho = 0;      ///< bulk density, kg/m³
    double mu_min = 0;   ///< lower end of the resistance factor range
    double mu_max = 0;   ///< upper end of the resistance factor range
    double w_80 = 0;     ///< moisture content at 80 % RH, m³/m³
    double w_sat = 0;    ///< saturation moisture content, m³/m³
    double sd_value = 0; ///< equivalent air layer thickness of a foil or coating, m; 0 = not given
    QDate measuringDate;
    QDate samplingDate;
    QDate productionDate;
    double m_Aw = 0;           ///< water uptake coefficient, kg/(m²·s^0.5)
    double lambda = 0;         ///< thermal conductivity (design value), W/(m·K)
    double mu = 0;             ///< vapour diffusion resistance factor used by the calculation
    int materialId = 0;        ///< database identity, see MaterialIdCounter
    QVector<int> productCodes; ///< product editions offering a built-in material

private:
    unsigned m_flags = 0; ///< bit (1 << MaterialFlag) per flag
};

#endif // MATERIAL_H
