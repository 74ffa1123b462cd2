// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef ZMT_UNIT_H
#define ZMT_UNIT_H

#include <string>

namespace ZMT {

/*! One unit of the process-wide catalogue (UnitList::instance()), held by its index.
    The default unit is "undefined" (index 0). */
class Unit {
public:
    Unit() = default;
    /*! Throws ZMT::Exception for an index that is not in the catalogue. */
    explicit Unit(unsigned int index);
    /*! Throws ZMT::Exception for a name that is not in the catalogue. */
    explicit Unit(const std::string &name);
    explicit Unit(const char *name) : Unit(std::string(name ? name : "")) {}

    unsigned int id() const { return m_id; }
    const std::string &name() const;
    Unit base_unit() const;

    bool operator==(const Unit &other) const { return m_id == other.m_id; }
    bool operator!=(const Unit &other) const { return m_id != other.m_id; }

private:
    unsigned int m_id = 0;
};

/*! Converts \a value in place from \a src to \a target; throws ZMT::Exception when the two
    units have different base units or the value has no counterpart (root of a negative
    number, logarithm of zero). */
void convert(double &value, const Unit &src, const Unit &target);

} // namespace ZMT

#endif // ZMT_UNIT_H
