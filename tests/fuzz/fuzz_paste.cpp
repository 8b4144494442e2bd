// 貼り付け end to end: the reader, the merge into the form, the rules, and コピー read back.
#include "calculators/team/league/copytext.h"
#include "calculators/team/league/form.h"
#include "calculators/team/league/pastedtable.h"
#include "fuzzcheck.h"

#include <cstddef>
#include <cstdint>

using fuzzcheck::require;

namespace {

// Yesterday's form of a fan who pastes every day: six teams, some head-to-head figures typed.
calc::LeagueForm yesterday()
{
    calc::LeagueForm form;
    form.games = 143;
    form.pairGames = 25;
    const char *names[] = { "巨人", "阪神", "中日", "広島", "ヤクルト", "ＤｅＮＡ" };
    for (int row = 0; row < calc::maxLeagueTeams; ++row)
        form.teams.at(row) = { QString::fromUtf8(names[row]), 60 - row, 50 + row, 3, row + 1 };
    form.pairs.at(0) = { 12, 8, 1, 4 };
    form.pairs.at(7) = { 9, 9, std::nullopt, 2 };
    return form;
}

// The table keeps its own promises: at most six teams, no negative count, each pair once,
// no team paired with itself.
void requireSound(const calc::PastedTable &table)
{
    require(table.teams.size() <= calc::maxLeagueTeams, "at most six teams");
    for (const calc::TableTeam &t : table.teams) {
        for (int count : { t.wins, t.losses, t.draws })
            require(count >= 0, "no negative count");
    }
    for (qsizetype k = 0; k < table.pairs.size(); ++k) {
        const calc::TablePair &p = table.pairs.at(k);
        require(!calc::sameTeam(p.first, p.second), "no team paired with itself");
        require(p.firstWins >= 0 && p.secondWins >= 0 && p.draws >= 0, "no negative figure");
        for (qsizetype l = 0; l < k; ++l) {
            const calc::TablePair &q = table.pairs.at(l);
            require(!((calc::sameTeam(p.first, q.first) && calc::sameTeam(p.second, q.second))
                        || (calc::sameTeam(p.first, q.second) && calc::sameTeam(p.second, q.first))),
                "each pair at most once");
        }
    }
}

} // namespace

// The first byte chooses the form pasted into (empty, or yesterday's) and the league shown.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const calc::League shown = data[0] & 2 ? calc::League::Pacific : calc::League::Central;
    const calc::LeagueForm before = data[0] & 1 ? yesterday() : calc::LeagueForm();
    QStringList entered;
    for (int row = 0; row < before.teamCount; ++row)
        entered.append(before.teams.at(row).name);

    const calc::PastedTable table = calc::readPastedTable(
        QString::fromUtf8(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1)), entered);
    requireSound(table);
    const calc::League league = calc::pastedLeague(table, shown, { before, calc::LeagueForm() });
    const calc::LeagueForm form = calc::withPasted(before, table).form;
    fuzzcheck::requireWithinLimits(form);

    const calc::Standings result = calc::standings(league, form);
    require(!result.error.isEmpty() || result.rows.size() == form.teamCount, "a row per team");
    const QString copied = calc::copyText(league, form, result);
    const calc::PastedTable back = calc::readPastedTable(copied, {});
    require(back.form && back.league == league, "コピー is read back as a whole form");
    require(calc::copyText(league, *back.form, calc::standings(league, *back.form)) == copied,
        "コピー read back gives the same コピー");
    return 0;
}
