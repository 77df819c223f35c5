// Who makes this program and where it lives: used by the about box and the
// application title. Defined once so the shown and the opened address agree.
#pragma once

namespace velmara {

inline constexpr char kProjectName[] = "Velmara Password Generator project";
// Follows a window or application title.
inline constexpr char kProjectByLine[] = " - Velmara Password Generator project";
// The project's own page; the about box shows it and opens it.
inline constexpr char kProjectPage[] = "https://velmara-password-generator.invalid/";

}  // namespace velmara
