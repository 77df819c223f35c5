// Fonts that more than one window uses.
#pragma once

#include <QFont>

namespace velmara {

// The Courier New of the design; fontconfig gives its metric twin where the
// font itself is missing.
QFont CourierFont();

// What a password is shown in: Courier New, bold, 16 pixels high.
QFont PasswordFont();

}  // namespace velmara
