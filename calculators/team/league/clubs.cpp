#include "calculators/team/league/clubs.h"

#include "calculators/team/league/pastelines.h"

#include <QHash>
#include <QList>
#include <QStringList>

#include <algorithm>

namespace calc {

namespace {

struct Club
{
    League league;
    QStringList abbreviations; // a head-to-head table's heading
    QStringList nicknames; // what a heading's abbreviation finds in a longer name
    QStringList names; // short, full, nickname, former
};

const QList<Club> &clubs()
{
    static const QList<Club> list = {
        { League::Central, { "巨", "巨人" }, { "ジャイアンツ" },
            { "巨人", "読売ジャイアンツ", "ジャイアンツ", "読売", "読売巨人", "読売巨人軍",
                "巨人軍", "東京巨人軍" } },
        { League::Central, { "神" }, { "タイガース" },
            { "阪神", "阪神タイガース", "タイガース", "大阪タイガース" } },
        { League::Central, { "中" }, { "ドラゴンズ" },
            { "中日", "中日ドラゴンズ", "ドラゴンズ", "名古屋ドラゴンズ" } },
        { League::Central, { "広" }, { "カープ" },
            { "広島", "広島東洋カープ", "カープ", "広島カープ", "広島東洋" } },
        { League::Central, { "ヤ" }, { "スワローズ" },
            { "ヤクルト", "東京ヤクルトスワローズ", "スワローズ", "ヤクルトスワローズ",
                "東京ヤクルト", "ヤクルトアトムズ", "アトムズ", "サンケイアトムズ",
                "サンケイスワローズ", "国鉄スワローズ", "国鉄" } },
        { League::Central, { "デ" }, { "DeNA", "ベイスターズ" },
            { "DeNA", "横浜DeNAベイスターズ", "ベイスターズ", "横浜DeNA", "DeNAベイスターズ",
                "横浜ベイスターズ", "横浜", "横浜大洋ホエールズ", "大洋ホエールズ", "大洋",
                "ホエールズ" } },
        { League::Pacific, { "ソ" }, { "ホークス" },
            { "ソフトバンク", "福岡ソフトバンクホークス", "ホークス", "ソフトバンクホークス",
                "福岡ソフトバンク", "福岡ダイエーホークス", "ダイエーホークス", "ダイエー",
                "南海ホークス", "南海" } },
        { League::Pacific, { "日" }, { "ファイターズ" },
            { "日本ハム", "北海道日本ハムファイターズ", "ファイターズ", "日本ハムファイターズ",
                "北海道日本ハム", "日ハム" } },
        { League::Pacific, { "ロ" }, { "マリーンズ" },
            { "ロッテ", "千葉ロッテマリーンズ", "マリーンズ", "千葉ロッテ", "ロッテマリーンズ",
                "ロッテオリオンズ", "オリオンズ" } },
        { League::Pacific, { "西" }, { "ライオンズ" },
            { "西武", "埼玉西武ライオンズ", "ライオンズ", "西武ライオンズ", "埼玉西武",
                "西鉄ライオンズ", "西鉄" } },
        { League::Pacific, { "オ" }, { "バファローズ" },
            { "オリックス", "オリックス・バファローズ", "バファローズ",
                "オリックス・ブルーウェーブ", "ブルーウェーブ", "オリックス・ブレーブス", "近鉄",
                "大阪近鉄バファローズ", "近鉄バファローズ", "阪急", "阪急ブレーブス",
                "ブレーブス" } },
        { League::Pacific, { "楽" }, { "イーグルス" },
            { "楽天", "東北楽天ゴールデンイーグルス", "ゴールデンイーグルス", "イーグルス",
                "楽天イーグルス", "東北楽天" } },
    };
    return list;
}

} // namespace

std::optional<League> clubLeague(const QString &name)
{
    static const QHash<QString, League> leagues = [] {
        QHash<QString, League> hash;
        for (const Club &club : clubs()) {
            for (const QString &n : club.names)
                hash.insert(paste::nameKey(n), club.league);
        }
        return hash;
    }();
    const auto found = leagues.constFind(paste::nameKey(name));
    return found == leagues.cend() ? std::nullopt : std::optional(*found);
}

bool abbreviates(const QString &heading, const QString &name)
{
    return std::any_of(clubs().cbegin(), clubs().cend(), [&](const Club &club) {
        return club.abbreviations.contains(heading)
            && std::any_of(club.nicknames.cbegin(), club.nicknames.cend(),
                [&name](const QString &n) { return name.contains(paste::nameKey(n)); });
    });
}

} // namespace calc
