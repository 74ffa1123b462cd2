// SPDX-License-Identifier: GPL-3.0-or-later
#include "MaterialIdCounter.h"

#include <atomic>

namespace {
std::atomic<int> nextId{MaterialIdCounter::FirstUserMaterialId};
}

int MaterialIdCounter::nextUserMaterialId() {
    return nextId++;
}

int MaterialIdCounter::peekUserMaterialId() {
    return nextId.load();
}

void MaterialIdCounter::reset() {
    nextId = FirstUserMaterialId;
}
