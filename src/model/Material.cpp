// SPDX-License-Identifier: GPL-3.0-or-later
#include "Material.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRandomGenerator>

#include <cmath>

namespace {

// Thermal resistance R (m²K/W) of an unventilated air layer of width d (m), DIN EN ISO 6946.
// Between the points R is interpolated linearly; beyond the last point it stays constant.
struct AirLayerPoint {
    double d;
    double R;
};

const AirLayerPoint AirUpwards[] = {{0.005, 0.11}, {0.007, 0.13}, {0.010, 0.15}, {0.015, 0.16}};
const AirLayerPoint AirHorizontal[] = {
    {0.005, 0.11}, {0.007, 0.13}, {0.010, 0.15}, {0.015, 0.17}, {0.025, 0.18}};
const AirLayerPoint AirDownwards[] = {{0.005, 0.11}, {0.007, 0.13}, {0.010, 0.15}, {0.015, 0.17},
                                      {0.025, 0.19}, {0.05, 0.21},  {0.1, 0.22},   {0.3, 0.23}};

// Up to this width an air layer gets a fixed conductivity instead of d / R.
const double ThinAirLayerWidth = 0.005;
const double ThinAirLayerLambda = 0.045;
// Every air layer counts with this sd-value (m).
const double AirLayerSdValue = 0.01;

template <std::size_t N> double airLayerResistance(const AirLayerPoint (&table)[N], double d) {
    // A width exactly on a break point belongs to the lower interval (closed at its upper end).
    for (std::size_t i = 1; i < N; ++i) {
        if (d <= table[i].d) {
            const AirLayerPoint &a = table[i - 1];
            const AirLayerPoint &b = table[i];
            return a.R + (b.R - a.R) * (d - a.d) / (b.d - a.d);
        }
    }
    return table[N - 1].R;
}

bool isFiniteNumber(double v) {
    return std::isfinite(v);
}

} // namespace

Material::Material(const QString &name, MaterialCategory category, const QString &notes,
                   const QString &productName, const QString &producer, const QString &dataSource, double rho,
                   double lambda, double mu, double w_80, double w_sat, double Aw, int id)
    : name(name), category(category), color(randomColor()), notes(notes), productName(productName),
      producer(producer), dataSource(dataSource), rho(rho), mu_min(mu), mu_max(mu), w_80(w_80), w_sat(w_sat),
      m_Aw(Aw), lambda(lambda), mu(mu), materialId(id) {}

QColor Material::randomColor() {
    QRandomGenerator *gen = QRandomGenerator::global();
    const auto channel = [gen]() { return static_cast<int>(gen->bounded(32768) * 255 / 32767); };
    const int r = channel();
    const int g = channel();
    const int b = channel();
    return QColor(r, g, b, 255);
}

QColor Material::colorForId(int id) {
    // The finaliser of SplitMix64: a fixed mix in which every input bit reaches every channel.
    quint64 z = quint64(quint32(id)) + 0x9E3779B97F4A7C15ull;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    return QColor(int(z & 0xFF), int((z >> 8) & 0xFF), int((z >> 16) & 0xFF), 255);
}

bool Material::isValid() const {
    const double numbers[] = {rho, mu_min, mu_max, w_80, w_sat, sd_value, m_Aw, lambda, mu};
    for (double v : numbers)
        if (!isFiniteNumber(v))
            return false;
    return !name.isEmpty() && rho > 0 && lambda > 0 && mu > 0 && w_80 > 0 && w_80 < w_sat && w_sat <= 1.0 &&
           m_Aw >= 0 && category.isKnown();
}

bool Material::operator==(const Material &other) const {
    return color == other.color && category == other.category && name == other.name &&
           isAir() == other.isAir() && notes == other.notes && dataSource == other.dataSource &&
           rho == other.rho && lambda == other.lambda && mu == other.mu && mu_min == other.mu_min &&
           mu_max == other.mu_max && m_Aw == other.m_Aw && w_80 == other.w_80 && w_sat == other.w_sat &&
           productName == other.productName && producer == other.producer;
}

bool Material::setLambda(double value) {
    if (!isFiniteNumber(value))
        return false;
    lambda = value;
    return true;
}

bool Material::setMu(double value) {
    if (!isFiniteNumber(value))
        return false;
    mu = value;
    return true;
}

bool Material::setAw(double value, bool inSeconds) {
    if (!isFiniteNumber(value))
        return false;
    m_Aw = inSeconds ? value : value / 60.0;
    return true;
}

void Material::setFlag(MaterialFlag flag, bool on) {
    if (on)
        m_flags |= 1u << flag;
    else
        m_flags &= ~(1u << flag);
}

void Material::setFlags(bool isAir, bool isWood, bool isWoodBased, bool isFoil) {
    m_flags = 0;
    setFlag(MF_Air, isAir);
    setFlag(MF_Wood, isWood);
    setFlag(MF_WoodBased, isWoodBased);
    setFlag(MF_Foil, isFoil);
}

double Material::lambdaEff(double d, HeatFlowDirection direction) const {
    if (!isAir() || !(d > 0))
        return lambda;
    if (d <= ThinAirLayerWidth)
        return ThinAirLayerLambda;
    double R;
    switch (direction) {
    case HeatFlowDirection::Upwards:
        R = airLayerResistance(AirUpwards, d);
        break;
    case HeatFlowDirection::Downwards:
        R = airLayerResistance(AirDownwards, d);
        break;
    default: // horizontal
        R = airLayerResistance(AirHorizontal, d);
        break;
    }
    return d / R;
}

double Material::muEff(double d) const {
    if (!isAir())
        return mu;
    return d > AirLayerSdValue ? AirLayerSdValue / d : 1.0;
}

QString Material::formattedValue(int kind, double value) {
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    switch (kind) {
    case VK_ThermalConductivity:
        if (value >= 10)
            return locale.toString(value, 'f', 0);
        if (value < 0.01)
            return locale.toString(value, 'f', 5);
        return locale.toString(value, 'f', 3);
    case VK_ResistanceFactor:
        if (value < 1)
            return locale.toString(value, 'g', 6);
        if (value < 10)
            return locale.toString(value, 'f', 1);
        if (value >= 10000)
            return locale.toString(value, 'e', 1);
        return locale.toString(value, 'f', 0);
    case VK_MoistureContent80:
    case VK_MoistureContentSat:
        if (value < 0.001)
            return locale.toString(value, 'e', 2);
        return locale.toString(value, 'f', 4);
    case VK_WaterUptake:
        if (value < 0.01)
            return locale.toString(value, 'e', 2);
        return locale.toString(value, 'f', 4);
    case VK_Default:
    case VK_SdValue:
        if (value < 10)
            return locale.toString(value, 'g', 6);
        return locale.toString(value, 'f', 0);
    default:
        return locale.toString(value, 'g', 6);
    }
}

QString Material::infoText() const {
    QString text;
    if (!dataSource.isEmpty())
        text += QCoreApplication::translate("MaterialTransfer", "Data source: %1\n").arg(dataSource);
    if (!notes.isEmpty())
        text += QCoreApplication::translate("MaterialTransfer", "Notes: %1\n").arg(notes);
    if (isAir())
        text += QCoreApplication::translate("MaterialTransfer", "Air\n", "Material flag");
    if (isWood())
        text += QCoreApplication::translate("MaterialTransfer", "Wood\n", "Material flag");
    if (isWoodBased())
        text += QCoreApplication::translate("MaterialTransfer", "Wood based\n", "Material flag");
    const QString dateFormat = QStringLiteral("MM yyyy");
    if (measuringDate.isValid())
        text += QCoreApplication::translate("MaterialTransfer", "Measuring date: %1\n")
                    .arg(measuringDate.toString(dateFormat));
    if (productionDate.isValid())
        text += QCoreApplication::translate("MaterialTransfer", "Production date: %1\n")
                    .arg(productionDate.toString(dateFormat));
    if (samplingDate.isValid())
        text += QCoreApplication::translate("MaterialTransfer", "Sampling date: %1\n")
                    .arg(samplingDate.toString(dateFormat));
    return text;
}
