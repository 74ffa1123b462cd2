// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef ZMT_UNITLIST_H
#define ZMT_UNITLIST_H

#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace ZMT {

/*! The catalogue of physical units used by the old text file formats. Every unit has an
    index in definition order and is related to one base unit by a factor, a divisor, an
    offset or, for the square-root and logarithm units, by a function.

    The definition text has one line per base unit: the base unit's name followed by any
    number of "operator number name" triples, separated by blanks:
      "*" f   value in the unit = value in the base unit * f
      "/" f   value in the unit = value in the base unit / f
      "-" f   value in the unit = value in the base unit - f
      "%" 0   a unit named "sqrt(X)" or "log(X)", with X a unit of the same base

    instance() is the process-wide catalogue built from the program's own definition text;
    other catalogues can be built from any text (the tests do). */
class UnitList {
public:
    struct UnitDefinition {
        std::string name;
        unsigned int base = 0; // index of the base unit; a base unit refers to itself
        char operation = '*';  // '*', '/', '-' or '%' (see above)
        double factor = 1;
    };

    /*! A linear conversion: value * factor, or value + offset when additive. */
    struct Relation {
        bool additive = false;
        double value = 1;
        double apply(double v) const { return additive ? v + value : v * value; }
    };

    UnitList() = default;

    /*! The catalogue of the program, built on first use. */
    static const UnitList &instance();
    /*! The program's definition text: one line per base unit. */
    static const std::string &builtInDefinition();

    /*! Adds the units of a definition text. Throws for a name that is already defined and
        for a line that does not follow the grammar. */
    void read(const std::string &definition);
    /*! Makes \a alias a further name of the existing unit \a name. */
    void addAlias(const std::string &alias, const std::string &name);

    unsigned int size() const { return static_cast<unsigned int>(m_units.size()); }
    /*! The index of a unit name (or alias), nothing when the name is unknown. */
    std::optional<unsigned int> find(const std::string &name) const;
    /*! The definition of a unit; throws for an index out of range. */
    const UnitDefinition &retrieve(unsigned int index) const;
    bool isSpecial(unsigned int index) const { return retrieve(index).operation == '%'; }

    /*! The linear conversion from \a src to \a target. Both must have the same base unit and
        neither may be a square-root or logarithm unit. Factors and offsets cannot be mixed. */
    Relation relate_units(unsigned int src, unsigned int target) const;
    /*! Converts \a value in place from \a src to \a target (same base unit), including the
        square-root and logarithm units. */
    void convert(double &value, unsigned int src, unsigned int target) const;
    /*! The conversion where either unit is a square-root or logarithm unit. */
    void convert_special(double &value, unsigned int src, unsigned int target) const;

private:
    void addUnit(const std::string &name, unsigned int base, char operation, double factor);
    /*! For "sqrt(X)" / "log(X)": whether it is the root (else the logarithm) and X's index. */
    bool specialInner(unsigned int index, bool &isRoot, unsigned int &inner) const;

    std::vector<UnitDefinition> m_units;
    std::unordered_map<std::string, unsigned int> m_names;
};

} // namespace ZMT

#endif // ZMT_UNITLIST_H
