// The saved forms read from whatever bytes the settings file holds: every value read is within
// the form's limits, and what is read is saved and read again unchanged.
#include "calculators/team/league/saved.h"
#include "fuzzcheck.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>

#include <cstddef>
#include <cstdint>

using fuzzcheck::require;

namespace {

bool operator==(const calc::SavedLeagues &a, const calc::SavedLeagues &b)
{
    return a.league == b.league && a.forms == b.forms;
}

// A file of its own for each input: QSettings keeps what it read of a path for the process.
QString scratchFile()
{
    static int next = 0;
    return QDir::temp().filePath(
        QStringLiteral("sekivo-fuzz-%1-%2.ini").arg(QCoreApplication::applicationPid()).arg(next++));
}

calc::SavedLeagues loaded(const QString &path)
{
    return calc::loadLeagues(QSettings(path, QSettings::IniFormat));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString path = scratchFile();
    {
        QFile file(path);
        require(file.open(QIODevice::WriteOnly), "a scratch file");
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    const calc::SavedLeagues first = loaded(path);
    require(first.league == 0 || first.league == 1, "a league that exists");
    for (const calc::LeagueForm &form : first.forms)
        fuzzcheck::requireWithinLimits(form);
    const QString again = scratchFile();
    {
        QSettings settings(again, QSettings::IniFormat);
        calc::saveLeagues(settings, first);
    }
    require(loaded(again) == first, "saved then loaded, the same forms");
    QFile::remove(path);
    QFile::remove(again);
    return 0;
}
