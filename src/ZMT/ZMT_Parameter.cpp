// SPDX-License-Identifier: GPL-3.0-or-later
#include "ZMT_Parameter.h"

#include <cmath>
#include <istream>
#include <limits>
#include <locale>
#include <sstream>

#include "ZMT_Exception.h"
#include "ZMT_StringUtils.h"

namespace ZMT {

void Parameter::set(const std::string &name, double value, const Unit &ioUnit) {
    double baseValue = value;
    convert(baseValue, ioUnit, ioUnit.base_unit());
    m_name = name;
    m_value = baseValue;
    m_ioUnit = ioUnit;
}

void Parameter::set(const std::string &name, double value, const std::string &ioUnit) {
    set(name, value, Unit(ioUnit));
}

void Parameter::read(std::istream &in, bool noName) {
    const char *const location = "[Parameter::read]";
    std::string name = m_name;
    std::string equals, valueText, unitName;
    if (!noName && !(in >> name >> equals))
        throw Exception("Error reading parameter.", location);
    if (!noName && equals != "=")
        throw Exception("Error reading parameter.", location);
    if (!(in >> valueText >> unitName))
        throw Exception("Error reading parameter.", location);

    double value = 0;
    try {
        value = string2val(valueText);
    } catch (Exception &ex) {
        throw Exception(ex, "Error reading parameter.", location);
    }
    // An undefined value ("1.#QNAN") would only poison the calculation later.
    if (!std::isfinite(value))
        throw Exception("Error reading parameter.", location);

    const Unit unit(unitName); // an unknown unit raises its own message
    Parameter p;
    try {
        p.set(name, value, unit);
    } catch (Exception &ex) {
        throw Exception(ex, "Error reading parameter.", location);
    }
    // A finite value can still overflow on its way into the base unit.
    if (!std::isfinite(p.m_value))
        throw Exception("Error reading parameter.", location);
    *this = p;
}

double Parameter::get_value(const Unit &unit) const {
    double v = m_value;
    try {
        convert(v, m_ioUnit.base_unit(), unit);
    } catch (Exception &ex) {
        throw Exception(ex, MessageFormat("Error converting unit in parameter '%1'.").arg(m_name),
                        "[Parameter::get_value]");
    }
    return v;
}

double Parameter::get_value(const std::string &unit) const {
    Unit u;
    try {
        u = Unit(unit);
    } catch (Exception &ex) {
        throw Exception(ex, MessageFormat("Error converting unit in parameter '%1'.").arg(m_name),
                        "[Parameter::get_value]");
    }
    return get_value(u);
}

std::string Parameter::toString() const {
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out.precision(std::numeric_limits<double>::max_digits10 - 2);
    out << m_name << " = " << get_value() << ' ' << m_ioUnit.name();
    return out.str();
}

} // namespace ZMT
