#include "CurrentLanguage.h"

CurrentLanguage &CurrentLanguage::instance() {
    static CurrentLanguage language;
    return language;
}
