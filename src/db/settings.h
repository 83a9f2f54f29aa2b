// SPDX-License-Identifier: MIT
// Where the administration edition finds its server: an INI file in the
// user's configuration folder, written with loopback defaults on first use.
// The password is never stored. The simulator never reads this file.
#pragma once

#include "db/connection.h"

#include <QString>

// Full path of the settings file.
[[nodiscard]] QString adminSettingsPath();
// The stored settings (password empty); writes the defaults when the file
// or a key is missing.
[[nodiscard]] ConnectionSettings loadAdminSettings();
