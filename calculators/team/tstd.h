#pragma once

#include "calculators/team/league/rules.h"
#include "calculators/team/league/saved.h"

#include <QDialog>

#include <memory>
#include <optional>

class TSTDRows;

namespace Ui {
class TSTD;
}

// The whole league at once: the table in rank order with games behind, each team's
// own-strength title chance and the leader's magic number. A thin shell that reads the form,
// calls the engine (calculators/team/league) and shows what it returns; the rows of teams and
// pairs are built and placed by TSTDRows.
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
    void paintEvent(QPaintEvent *e) override;

private slots:
    void on_pushButton_2_clicked();
    void on_pushButton_3_clicked();
    void on_pushButton_4_clicked();
    void on_pushButton_5_clicked();
    void on_pushButton_clicked();
    void on_spinBox_valueChanged(int teams);
    void on_comboBox_currentIndexChanged(int league);

private:
    // The table and summary shown, and what they were computed from.
    struct Result
    {
        calc::League league;
        calc::LeagueForm form;
        calc::Standings standings;
    };

    calc::League league() const;
    calc::LeagueForm form() const;
    void showForm(const calc::LeagueForm &form);
    void inputChanged();
    bool resultIsCurrent() const;
    void showResult(const calc::Standings &standings);
    void clearResult();
    void watchInputs(const QList<QWidget *> &roots);
    void takeFields(const QList<QWidget *> &fields);
    void completeRows();
    void setUpResults();

    std::unique_ptr<Ui::TSTD> ui;
    std::unique_ptr<TSTDRows> m_rows;
    calc::SavedLeagues m_leagues; // the league not shown keeps its form here
    std::optional<Result> m_result;
    bool m_rowsComplete = false; // the pairs out of sight have their figures
};
