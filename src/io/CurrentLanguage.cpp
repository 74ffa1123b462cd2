// SPDX-License-Identifier: GPL-3.0-or-later
#include "CurrentLanguage.h"

CurrentLanguage &CurrentLanguage::instance() {
    static CurrentLanguage language;
    return language;
}
