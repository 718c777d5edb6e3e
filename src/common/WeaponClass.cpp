#include "common/WeaponClass.h"

namespace ferrolith {

const WeaponClass* findClass(std::string_view key) {
    for (const auto& c : weaponClasses)
        if (key == c.key) return &c;
    return nullptr;
}

int classIndex(std::string_view key) {
    const WeaponClass* c = findClass(key);
    return c ? static_cast<int>(c - weaponClasses.data()) : -1;
}

}  // namespace ferrolith
