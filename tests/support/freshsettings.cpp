// Linked into every test program: the settings the program keeps between runs (the league
// table's forms) go to Qt's test location (on Windows, the registry key of the test program's own
// name), never the user's, and each run starts without any, so that no run depends on what an
// earlier one left behind.

#include "calculators/common/settingsname.h"

#include <QCoreApplication>
#include <QSettings>
#include <QStandardPaths>

namespace {

void freshSettings()
{
    QStandardPaths::setTestModeEnabled(true);
    QSettings(calc::settingsOrganization, QCoreApplication::applicationName()).clear();
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(freshSettings)
