// SPDX-License-Identifier: MIT
// Start-up shared by the desktop programs: Spanish throughout (locale, Qt's
// own buttons and dialogs, the fonts the windows were laid out for) and the
// program's identity on the desktop (name, menu entry, window icon).
#pragma once

class QIcon;
class QString;

namespace Platform {

// Loads Qt's Spanish catalogue from Qt's translations folder into the running
// application, so that Qt's standard buttons and dialogs read "Aceptar",
// "Buscar en"...; false when it is not installed (they then stay English).
bool installQtTranslation();

// Loads the program's own catalogue for the desktop's language (built in from
// translations/plusvalia_<language>.ts); false when there is none, as for
// Spanish, the language the texts are written in.
bool installProgramTranslation();

// name: the program's name (WM_CLASS on X11); desktopEntry: its menu entry's
// name without ".desktop" (the application id on Wayland).
void setUpDesktopProgram(const QString &name, const QString &desktopEntry, const QIcon &icon);

} // namespace Platform
