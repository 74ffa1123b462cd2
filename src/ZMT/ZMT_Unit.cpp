// SPDX-License-Identifier: GPL-3.0-or-later
#include "ZMT_Unit.h"

#include "ZMT_Exception.h"
#include "ZMT_UnitList.h"

namespace ZMT {

Unit::Unit(unsigned int index) : m_id(index) {
    const unsigned int count = UnitList::instance().size();
    if (index >= count)
        throw Exception(MessageFormat("Unit index %1 out of range 0..%2.").arg(index).arg(count - 1),
                        "[Unit::Unit]");
}

Unit::Unit(const std::string &name) {
    const std::optional<unsigned int> index = UnitList::instance().find(name);
    if (!index)
        throw Exception(MessageFormat("Unit '%1' not found.").arg(name), "[Unit::Unit]");
    m_id = *index;
}

const std::string &Unit::name() const {
    return UnitList::instance().retrieve(m_id).name;
}

Unit Unit::base_unit() const {
    return Unit(UnitList::instance().retrieve(m_id).base);
}

void convert(double &value, const Unit &src, const Unit &target) {
    UnitList::instance().convert(value, src.id(), target.id());
}

} // namespace ZMT
