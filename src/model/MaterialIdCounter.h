// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef MATERIALIDCOUNTER_H
#define MATERIALIDCOUNTER_H

/*! The process-wide source of ids for user materials, and the fixed ids of the other kinds of
    material. User ids are unique within one run of the program but not stable between runs:
    every user material read from the user file, imported or added takes the next id. */
class MaterialIdCounter {
public:
    /*! First id handed out to a user material. Built-in materials keep the ids of their files,
        which stay below this value. */
    static constexpr int FirstUserMaterialId = 32768;
    /*! Id of every material read from the construction database. */
    static constexpr int ConstructionDatabaseMaterialId = 65536;
    /*! Id of materials created in code (defaults, the air-layer material). */
    static constexpr int CodeMaterialId = 0;

    /*! Returns the next user-material id (32768 on the first call) and advances the counter. */
    static int nextUserMaterialId();
    /*! The id the next call of nextUserMaterialId() will return. */
    static int peekUserMaterialId();
    /*! Restarts the counter at FirstUserMaterialId (for tests and a database that is read anew). */
    static void reset();

    MaterialIdCounter() = delete;
};

#endif // MATERIALIDCOUNTER_H
