// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef DIRECTORIES_H
#define DIRECTORIES_H

#include <QString>

// Where the program keeps its files. Every function returns forward slashes and no
// trailing slash.

/*! The per-user data directory: the sibling "ZMT/Tavo2" of the platform's per-application
    data folder (the ".." stays in the string). Holds the log and the user databases. */
QString userDataDir();
/*! userDataDir() + "/Tavo2.log". */
QString logFilePath();
/*! The "resources" folder beside the executable. */
QString resourcesDir();
/*! resourcesDir() + "/translations". */
QString translationsDir();

#endif // DIRECTORIES_H
