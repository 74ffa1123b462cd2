// SPDX-License-Identifier: GPL-3.0-or-later
#include "ZMT_UnitList.h"

#include <cmath>
#include <sstream>

#include "ZMT_Exception.h"
#include "ZMT_MathFunctions.h"
#include "ZMT_StringUtils.h"

namespace ZMT {

namespace {

// One line per base unit. The density line relates kg/L and mg/L the physical way round
// (1 kg/m3 = 0.001 kg/L = 1000 mg/L).
const char *const DEFINITION = R"(undefined
m * 1e+03 mm * 1e+02 cm * 1e+01 dm
m2 * 1e+06 mm2 * 1e+04 cm2 * 1e+02 dm2
m3 * 1e+06 cm3 * 1e+03 dm3 * 1e+03 L
s / 60 min / 3600 h / 86400 d / 3.1536e+07 a % 0 sqrt(s) % 0 sqrt(h) * 1000 ms
s/s * 3600 s/h * 86400 s/d
m/s * 1e+03 mm/s * 1e+02 cm/s * 3600 m/h * 86400 m/d * 3.6 km/h
m2/s * 1e+06 mm2/s * 1e+04 cm2/s * 3600 m2/h * 86400 m2/d
m/s2 * 1e+03 mm/s2
s/m * 1e-03 s/mm / 3600 h/m
s2/m2
kg * 1e+03 g * 1e+06 mg / 1e+03 t
kg/ms * 1e+03 g/ms * 3600 kg/mh
kg/s * 1e+03 g/s * 3600 kg/h * 86400 kg/d * 3.6e+06 g/h * 8.64e+07 g/d
kg/m2 / 100 kg/dm2 * 10 g/dm2 / 10 g/cm2 * 1e6 mg/m2
kg/m2s * 1e+03 g/m2s * 3600 kg/m2h * 86400 kg/m2d * 3.6e+06 g/m2h * 8.64e+07 g/m2d
kg/m3 / 1000 kg/dm3 * 1 g/dm3 / 1000 g/cm3 * 1000 g/m3 * 1e6 mg/m3 / 1000 kg/L * 1 g/L * 1000 mg/L * 1e9 µg/m3 % 0 log(kg/m3) % 0 log(g/m3) % 0 log(mg/m3) % 0 log(µg/m3)
kg/m3s * 3600 kg/m3h * 86400 kg/m3d * 1e+03 g/m3s * 3.6e+06 g/m3h
kg/m * 1e+03 g/m
kg/kg * 1000 g/kg * 1e6 mg/kg
kg/m2s05 * 60 kg/m2h05
J * 1e-03 kJ * 1e-06 MJ / 3600 Wh / 3.6e+06 kWh
J/m2 * 1e-03 kJ/m2 * 1e-06 MJ/m2 / 3600 Wh/m2 / 3.6e+06 kWh/m2
J/m3 * 1e-03 kJ/m3 * 1e-06 MJ/m3
J/m3s * 3600 J/m3h * 1 W/m3
J/m3K * 1e-03 kJ/m3K * 1e-06 MJ/m3K
J/s * 1 W * 1e-03 kW
J/kg * 1e-03 kJ/kg
J/kgK / 1000 kJ/kgK * 1 Ws/kgK / 1000 J/gK / 1000 Ws/gK
J/K * 1e-03 kJ/K * 1 Ws/K
J/m2s * 1 W/m2 * 1e-03 kW/m2 * 3600 J/m2h
W/mK / 1000 kW/mK
W/m2K
W/m2K2
W/mK2
L/m2s * 3600 L/m2h * 86400 L/m2d
L/m3s * 3600 L/m3h
m3/m2s * 3600 m3/m2h * 86400 m3/m2d
m3/m2sPa * 3600 m3/m2hPa
m3/s * 3600 m3/h * 86400 m3/d * 1e+03 L/s
m3/m3 * 100 Vol%
m3/m3d / 24 m3/m3h
--- * 100 % * 1 1 * 10 1/10 * 8 1/8
---/d / 24 ---/h
K - 273.15 C
1/K * 1 1/C
K/m * 1e-03 K/mm * 1e-02 K/cm
m2s/kg
Pa / 100 hPa / 1000 kPa * 1e-02 mBar * 1e-05 Bar * 0.000145038 PSI * 0.00750062 Torr
1/Pa * 100 1/hPa
Pa/m * 1e-03 Pa/mm
Lux * 1e-03 kLux
Rad * 57.29577951308232 Deg
m2/kg / 1000 m2/g
m2K/W
1/m * 1e-03 1/mm * 1e-02 1/cm
logcm
logm
logPa
K/Pa
mol/kg * 1e-03 mol/g
kg/mol * 1e+03 g/mol
J/mol * 1e-03 kJ/mol
1/logcm
mol/m3 * 1e-03 mol/L
mol * 1e-03 kmol * 1e+03 mmol
-
mm/mK
m3m/m3m
kg/m3sK
1/s * 60 1/min * 3600 1/h * 86400 1/d
W/m2s
Person/m2
m2/Person
W/Person
W/K
kWh/m2a
kWh/a * 1e-03 MWh/a
m2/m3
Kh / 24 Kd
)";

std::string triedToConvert(const UnitList &list, unsigned int src, unsigned int target) {
    return " (tried to convert [" + list.retrieve(src).name + "] to [" + list.retrieve(target).name + "] )!";
}

Exception cantRelate(const UnitList &list, unsigned int src, unsigned int target, const char *location) {
    return Exception("Can't relate unit [" + list.retrieve(src).name + "] to [" + list.retrieve(target).name +
                         "]",
                     location);
}

} // namespace

const std::string &UnitList::builtInDefinition() {
    static const std::string text(DEFINITION);
    return text;
}

const UnitList &UnitList::instance() {
    static const UnitList list = [] {
        UnitList l;
        l.read(builtInDefinition());
        // Old files write litres per area and volume with a lower-case l as well.
        l.addAlias("l/m2s", "L/m2s");
        l.addAlias("l/m2h", "L/m2h");
        l.addAlias("l/m2d", "L/m2d");
        l.addAlias("l/m3s", "L/m3s");
        l.addAlias("l/m3h", "L/m3h");
        return l;
    }();
    return list;
}

void UnitList::read(const std::string &definition) {
    std::istringstream lines(definition);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        std::string baseName;
        if (!(words >> baseName))
            continue; // blank line
        const unsigned int base = size();
        addUnit(baseName, base, '*', 1);
        std::string op, number, name;
        while (words >> op) {
            if (!(words >> number >> name) || op.size() != 1 ||
                std::string("*/-%").find(op[0]) == std::string::npos)
                throw Exception(MessageFormat("Invalid unit definition '%1'.").arg(line), "[UnitList::read]");
            double factor = 0;
            try {
                factor = string2val(number);
            } catch (Exception &ex) {
                throw Exception(ex, MessageFormat("Invalid unit definition '%1'.").arg(line),
                                "[UnitList::read]");
            }
            addUnit(name, base, op[0], factor);
        }
    }
}

void UnitList::addUnit(const std::string &name, unsigned int base, char operation, double factor) {
    if (m_names.count(name) != 0)
        throw Exception(MessageFormat("Duplicate unit '%1' defined.").arg(name), "[UnitList::read]");
    m_names[name] = size();
    m_units.push_back(UnitDefinition{name, base, operation, factor});
}

void UnitList::addAlias(const std::string &alias, const std::string &name) {
    const std::optional<unsigned int> index = find(name);
    if (!index)
        throw Exception(MessageFormat("Unit '%1' not found.").arg(name), "[UnitList::addAlias]");
    if (m_names.count(alias) != 0)
        throw Exception(MessageFormat("Duplicate unit '%1' defined.").arg(alias), "[UnitList::addAlias]");
    m_names[alias] = *index;
}

std::optional<unsigned int> UnitList::find(const std::string &name) const {
    const auto it = m_names.find(name);
    if (it == m_names.end())
        return std::nullopt;
    return it->second;
}

const UnitList::UnitDefinition &UnitList::retrieve(unsigned int index) const {
    if (index >= m_units.size())
        throw Exception(MessageFormat("Unit index %1 out of range 0..%2.").arg(index).arg(size() - 1),
                        "[UnitList::retrieve]");
    return m_units[index];
}

UnitList::Relation UnitList::relate_units(unsigned int src, unsigned int target) const {
    const UnitDefinition &from = retrieve(src);
    const UnitDefinition &to = retrieve(target);
    if (from.base != to.base || from.operation == '%' || to.operation == '%')
        throw cantRelate(*this, src, target, "[UnitList::relate_units]");

    Relation rel;
    if (src == target)
        return rel;
    bool multiplicative = false;
    // Each step either scales by f or shifts by f; toBase undoes the unit's own relation.
    const auto step = [&](const UnitDefinition &u, bool toBase) {
        if (u.operation == '-') {
            if (multiplicative)
                throw Exception("+ and - operations not allowed when using * and / operations!" +
                                    triedToConvert(*this, src, target),
                                "[UnitList::relate_units]");
            if (!rel.additive)
                rel = Relation{true, 0};
            rel.value += toBase ? u.factor : -u.factor;
            return;
        }
        if (rel.additive)
            throw Exception("* and / operations not allowed when using + and - operations!" +
                                triedToConvert(*this, src, target),
                            "[UnitList::relate_units]");
        if (u.factor == 0)
            throw Exception("Div by zero!" + triedToConvert(*this, src, target), "[UnitList::relate_units]");
        multiplicative = true;
        const bool multiply = (u.operation == '*') != toBase;
        rel.value = multiply ? rel.value * u.factor : rel.value / u.factor;
    };
    if (src != from.base)
        step(from, true);
    if (target != to.base)
        step(to, false);
    return rel;
}

bool UnitList::specialInner(unsigned int index, bool &isRoot, unsigned int &inner) const {
    const std::string &name = retrieve(index).name;
    std::string innerName;
    if (name.size() > 6 && name.compare(0, 5, "sqrt(") == 0 && name.back() == ')') {
        isRoot = true;
        innerName = name.substr(5, name.size() - 6);
    } else if (name.size() > 5 && name.compare(0, 4, "log(") == 0 && name.back() == ')') {
        isRoot = false;
        innerName = name.substr(4, name.size() - 5);
    } else {
        return false;
    }
    const std::optional<unsigned int> found = find(innerName);
    if (!found || retrieve(*found).operation == '%' || retrieve(*found).base != retrieve(index).base)
        return false;
    inner = *found;
    return true;
}

void UnitList::convert(double &value, unsigned int src, unsigned int target) const {
    if (isSpecial(src) || isSpecial(target))
        convert_special(value, src, target);
    else
        value = relate_units(src, target).apply(value);
}

void UnitList::convert_special(double &value, unsigned int src, unsigned int target) const {
    const char *const location = "[UnitList::convert_special]";
    if (retrieve(src).base != retrieve(target).base)
        throw cantRelate(*this, src, target, location);
    if (src == target)
        return;
    const unsigned int base = retrieve(src).base;

    double v = value;
    bool isRoot = false;
    unsigned int inner = 0;
    if (isSpecial(src)) {
        if (!specialInner(src, isRoot, inner))
            throw cantRelate(*this, src, target, location);
        v = isRoot ? v * v : f_pow10(v);
        v = relate_units(inner, base).apply(v);
    } else {
        v = relate_units(src, base).apply(v);
    }

    if (isSpecial(target)) {
        if (!specialInner(target, isRoot, inner))
            throw cantRelate(*this, src, target, location);
        v = relate_units(base, inner).apply(v);
        if (isRoot) {
            if (v < 0)
                throw Exception("Trying to take square root of negative number!", location);
            v = std::sqrt(v);
        } else {
            if (v <= 0)
                throw Exception("Trying to take logarithm of zero or negative number!", location);
            v = std::log10(v);
        }
    } else {
        v = relate_units(base, target).apply(v);
    }
    value = v;
}

} // namespace ZMT
