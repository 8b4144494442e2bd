// Linked into every test program: the settings the program keeps between runs (the league
// table's forms) go to Qt's test location, never the user's, and each run starts without any,
// so that no run depends on what an earlier one left behind.

#include <QCoreApplication>
#include <QSettings>
#include <QStandardPaths>

namespace {

void freshSettings()
{
    QStandardPaths::setTestModeEnabled(true);
    QSettings().clear();
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(freshSettings)
