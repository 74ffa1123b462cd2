// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef MATERIALFLAG_H
#define MATERIALFLAG_H

/*! Type flags of a material. The numbers are stored in files and must not change. */
enum MaterialFlag {
    MF_Wood = 0,      ///< solid timber
    MF_WoodBased = 1, ///< wood based product (boards etc.)
    MF_Air = 2,       ///< unventilated air layer
    MF_Foil = 3       ///< foil or coating, thickness given by its sd-value
};

#endif // MATERIALFLAG_H
