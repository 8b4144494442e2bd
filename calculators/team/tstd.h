#pragma once

#include "calculators/team/league/rules.h"
#include "calculators/team/league/saved.h"

#include <QDialog>

#include <memory>

class QLabel;
class QLineEdit;
class QSpinBox;

namespace calc {
class OptionalSpinBox;
}

namespace Ui {
class TSTD;
}

// The whole league at once: the table in rank order with games behind, each team's
// own-strength title chance and the leader's magic number. A thin shell: the rules are in
// standings, the reading of pasted tables in pastedtable, and the form as data (kept between
// runs, carried over a paste) in leagueform. The rows of teams and pairs are built here, one per
// team and pair of six; the form holds the rest.
class TSTD : public QDialog
{
    Q_OBJECT

public:
    explicit TSTD(QWidget *parent = nullptr);
    ~TSTD() override;

    // However the dialog closes, both leagues' forms are kept for the next time.
    void done(int result) override;

protected:
    void changeEvent(QEvent *e) override;

private slots:
    void on_pushButton_2_clicked();
    void on_pushButton_3_clicked();
    void on_pushButton_4_clicked();
    void on_pushButton_5_clicked();
    void on_pushButton_clicked();
    void on_spinBox_valueChanged(int teams);
    void on_comboBox_currentIndexChanged(int league);

private:
    struct TeamRow
    {
        QLabel *letter;
        QLineEdit *name;
        QSpinBox *wins;
        QSpinBox *losses;
        QSpinBox *draws;
        QSpinBox *lastRank;
    };
    struct PairRow
    {
        int first;
        int second;
        QLabel *label;
        QList<QWidget *> cells; // the label, the figures and what names them
        calc::OptionalSpinBox *firstWins;
        calc::OptionalSpinBox *secondWins;
        calc::OptionalSpinBox *draws;
        calc::OptionalSpinBox *remaining;
    };

    void buildRows();
    void nameInputs();
    calc::LeagueForm form() const;
    void showForm(const calc::LeagueForm &form);
    void showResult(const calc::Standings &result);
    void clearResult();
    void sizeToScreen();

    std::unique_ptr<Ui::TSTD> ui;
    QList<TeamRow> m_teams;
    QList<PairRow> m_pairs;
    calc::SavedLeagues m_leagues; // the league not shown keeps its form here
    bool m_resultShown = false; // the table and summary are a result of the inputs as they are
    bool m_showingForm = false; // a whole form is being put into the widgets
};
