#pragma once

#include "calculators/team/league/league.h"

#include <QCoreApplication>
#include <QList>
#include <QSize>
#include <QStringList>

class QDialog;
class QLabel;
class QLineEdit;
class QSpinBox;
class QWidget;

namespace calc {
class OptionalSpinBox;
}

namespace Ui {
class TSTD;
}

// The rows of 順位表's form that are built in code, a row per team and a row per pair of the six,
// and the one place that knows where anything of the form stands and how large it opens. The
// rows' object names are their own, never Designer's counters (the next widget added in
// Designer takes those), with the row's letter or the pair's two letters:
//   teamLetter_A, teamName_A, teamWins_A, teamLosses_A, teamDraws_A, teamLastRank_A, ... _F;
//   pairName_AB, pairFirstWins_AB, pairSecondWins_AB, pairDraws_AB, pairRemaining_AB, ... _EF;
//   pairCaptionFirstWins, pairCaptionSecondWins, pairCaptionDraws, pairCaptionRemaining.
class TSTDRows
{
    Q_DECLARE_TR_FUNCTIONS(TSTD)

public:
    // Built into the form after Designer's widgets, for a screen with `available` room; Tab runs
    // from カード試合数 through the teams and the pairs in reading order to 計算.
    //
    // A pair's figures are four of the form's hundred inputs, and most pairs are out of sight
    // in the scroll area when the dialog opens: only the first pair's are built at once, those
    // the opening shows by buildInSight(), the rest by buildRest() once the dialog is on the
    // screen. Until then the form holds what a pair not built shows, and every call below
    // applies to it as to a built one.
    TSTDRows(Ui::TSTD &ui, QSize available);

    // The figures of the pairs the scroll area shows at the dialog's size, and of the rest;
    // each returns the fields it built (for the dialog to watch), in Tab order.
    QList<QWidget *> buildInSight();
    QList<QWidget *> buildRest();

    void read(calc::LeagueForm &form) const;
    // Everything but the form's first line, without a signal from any row.
    void show(const calc::LeagueForm &form);
    // The rows of teams not counted are switched off, their pairs go out of sight.
    void count(int teams);
    // Pairs are labelled, and every field named for a screen reader, after the teams' names as
    // the form holds them; the games left that follow from カード試合数 are shown where none
    // were typed.
    void follow(const calc::LeagueForm &form);
    // After the form's own texts are translated again: the names are form texts too.
    void retranslate();

    // As large as the form asks, within the screen less the window's frame: the settings, the
    // team rows, the buttons and six teams' results always show in full.
    void sizeToScreen(QDialog *dialog, QSize frame) const;

private:
    struct Team
    {
        QLabel *letter;
        QLineEdit *name;
        QSpinBox *wins;
        QSpinBox *losses;
        QSpinBox *draws;
        QSpinBox *lastRank;
        QList<QWidget *> inputs() const;
        QList<QWidget *> widgets() const;
    };
    struct Pair
    {
        QLabel *name;
        // Not built yet: none.
        calc::OptionalSpinBox *firstWins = nullptr;
        calc::OptionalSpinBox *secondWins = nullptr;
        calc::OptionalSpinBox *draws = nullptr;
        calc::OptionalSpinBox *remaining = nullptr;
        QList<QWidget *> figures() const; // empty while not built
    };

    void buildTeams();
    void buildPairs();
    QList<QWidget *> buildFigures(int index);
    void placePair(const Pair &pair, int index);
    void chainForTab();
    void fitSmallScreen();
    void nameInputs(const QStringList &names);
    void namePair(int index);
    void countPair(int index);
    void showPair(int index);
    void derivePair(int index);
    int row(int pair) const;

    Ui::TSTD &m_ui;
    // A screen of little room (1366 x 768 at 200 %): the form is packed, and a pair's figures
    // go on a line of their own under its name.
    bool m_small;
    QList<Team> m_teams;
    QList<Pair> m_pairs; // in calc::pairIndex order
    QStringList m_names; // the team names the fields carry now
    // What the pairs show, kept for those not built yet.
    std::array<calc::PairRecord, calc::pairCount> m_records {};
    std::array<std::optional<int>, calc::pairCount> m_derived {};
    int m_counted = calc::maxLeagueTeams;
    QLabel *m_caption = nullptr; // the line of captions above the pairs
    int m_rowHeight = 0; // a pair's line, or two on a small screen: its name and figures
};

