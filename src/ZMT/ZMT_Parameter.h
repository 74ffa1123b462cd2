// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef ZMT_PARAMETER_H
#define ZMT_PARAMETER_H

#include <iosfwd>
#include <string>

#include "ZMT_Unit.h"

namespace ZMT {

/*! A named physical value as the old text formats store it, for example "rho = 1800 kg/m3".
    The value is kept in the base unit of its unit; the IO unit is the unit it was given in. */
class Parameter {
public:
    Parameter() = default;
    Parameter(const std::string &name, double value, const Unit &ioUnit) { set(name, value, ioUnit); }
    Parameter(const std::string &name, double value, const std::string &ioUnit) { set(name, value, ioUnit); }

    /*! Stores name and IO unit and converts \a value from that unit into its base unit. */
    void set(const std::string &name, double value, const Unit &ioUnit);
    void set(const std::string &name, double value, const std::string &ioUnit);

    /*! Reads "name = value unit", or only "value unit" when \a noName is true (the name then
        stays as it was). Tokens are separated by white space and may span lines. Throws
        ZMT::Exception when the text cannot be read, the value is not a finite number, or the
        unit is unknown. On failure the parameter is left unchanged. */
    void read(std::istream &in, bool noName = false);

    /*! The value converted into \a unit; throws ZMT::Exception when that is not possible. */
    double get_value(const Unit &unit) const;
    double get_value(const std::string &unit) const;
    /*! The value in its IO unit. */
    double get_value() const { return get_value(m_ioUnit); }

    const std::string &name() const { return m_name; }
    /*! The value in the base unit. */
    double value() const { return m_value; }
    const Unit &ioUnit() const { return m_ioUnit; }

    /*! "name = value unit" with the value in the IO unit (C locale). */
    std::string toString() const;

private:
    std::string m_name;
    double m_value = 0;
    Unit m_ioUnit;
};

} // namespace ZMT

#endif // ZMT_PARAMETER_H
