// Characters that are easily taken for one another when a password is copied
// by hand. The repair search ranks a substitution between look-alikes above
// any other.
#pragma once

#include <string_view>

namespace velmara {

// Whether `typed` (one character as typed, UTF-8, inside or outside the
// alphabet) is a look-alike of the alphabet character `intended`: the listed
// pairs (S and 5, g, q and 9, c and C, ...), a character outside the
// alphabet read as its neighbours (0 and O as D or Q; 1, l and I as J, j or
// i), and a full-width form of a character or of one of its look-alikes.
bool AreLookAlikes(std::string_view typed, char intended);

}  // namespace velmara
