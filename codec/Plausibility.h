// Whether a password that passes every check also carries a party that the
// window could have made. The sequel accepts any password whose checks hold,
// so this only ranks the candidates of a repair.
#pragma once

#include <cstdint>

#include "codec/PasswordFormat.h"

namespace velmara {

// `values` are the password's PasswordLength(type) tiles with the position
// offset removed. Plausible means: every level 1..99; HP and PP at most 1999,
// Attack, Defense and Agility at most 511, Luck at most 99; for Gold every
// item identifier in the item table, a quantity only for a stackable item the
// character holds, coins at most 999999; and every bit that the encoder
// always leaves zero zero (the side-quest byte's top bits, the padding after
// the last byte, Gold's unused byte, group bits and tail bytes).
bool IsPlausiblePassword(TPasswordType type, const std::uint8_t* values);

}  // namespace velmara
