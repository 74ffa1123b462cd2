// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CONSTRUCTIONGENERATOR_H
#define CONSTRUCTIONGENERATOR_H

#include <cstdint>

#include <QString>

#include "InputData.h"

/*! Random but realistic constructions for comparing the plane searches: an inner lining, a core
    of masonry, concrete, timber or insulation (insulation often modelled in slices), an outer
    layer, with foils, vapour retarders, air layers and layers without any capillary water uptake
    mixed in, under the DIN 4108-3 climates or a custom one.

    The same seed gives the same constructions on every platform (own random numbers, no library
    distributions). */
class ConstructionGenerator {
public:
    explicit ConstructionGenerator(std::uint64_t seed) : m_state(seed) {}

    /*! A checked construction of \a minLayers to \a maxLayers layers. */
    InputData next(int minLayers, int maxLayers);

    /*! The layers (material and thickness in mm) and the climate of \a input, on one line. */
    static QString describe(const InputData &input);

private:
    std::uint64_t random();
    double uniform(double low, double high);
    int integer(int low, int high); // both included
    bool chance(double probability);

    std::uint64_t m_state;
};

#endif // CONSTRUCTIONGENERATOR_H
