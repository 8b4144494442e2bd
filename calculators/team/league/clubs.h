#pragma once

#include "calculators/team/league/league.h"

#include <QString>

#include <optional>

// The twelve professional clubs as tables write them: their usual short names, their full
// names, their nicknames alone and the names they had before, each with its league; and the
// one-letter headings of head-to-head tables (巨, 神, デ, ...).
namespace calc {

// The league of the club `name` stands for (compared as sameTeam does); none for a name that
// is no club's.
std::optional<League> clubLeague(const QString &name);

// Whether the head-to-head heading `heading` is the usual abbreviation of the club `name`
// stands for: 巨 for 読売ジャイアンツ, デ for 横浜DeNAベイスターズ. Both as paste::nameKey gives
// them.
bool abbreviates(const QString &heading, const QString &name);

} // namespace calc
