#pragma once

#include <QString>

namespace calc {

// Where the program keeps its settings (QSettings): under this organisation and the program's
// own name (QCoreApplication::applicationName()), in ~/.config/Sekivo/sekivo.conf, or under
// HKEY_CURRENT_USER\Software\Sekivo\sekivo on Windows, whose registry keeps nothing for a
// program that names no organisation. A test program keeps its own, under its own name.
inline const QString settingsOrganization = QStringLiteral("Sekivo");

} // namespace calc
