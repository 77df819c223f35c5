// Who makes this program, where it lives and the names the desktop knows it
// by: used by the about box and the application object. The build defines the
// page and the names once for the code and the installed desktop files, so the
// shown and the opened address agree and the desktop entry finds the windows.
#pragma once

namespace velmara {

// Follows a window or application title.
inline constexpr char kProjectByLine[] = " - Velmara Password Generator project";
// The project's own page; the about box shows it and opens it.
inline constexpr char kProjectPage[] = VELMARA_PROJECT_PAGE;
// The program's file name, also its window class.
inline constexpr char kProgramName[] = VELMARA_PROGRAM;
// The reverse-DNS id of the desktop entry, the metainfo and the icon.
inline constexpr char kApplicationId[] = VELMARA_APP_ID;

}  // namespace velmara
