#pragma once

#include <QDialog>

#include <memory>

class QLabel;
class QLineEdit;
class QSpinBox;

namespace Ui {
class TSTD;
}

// The whole league at once: the table in rank order with games behind, each team's
// own-strength title chance and the leader's magic number. The rows of teams and pairs are
// built here, one per team and pair of six; the form holds the rest.
class TSTD : public QDialog
{
    Q_OBJECT

public:
    explicit TSTD(QWidget *parent = nullptr);
    ~TSTD() override;

protected:
    void changeEvent(QEvent *e) override;

private slots:
    void on_pushButton_2_clicked();
    void on_pushButton_3_clicked();
    void on_pushButton_4_clicked();
    void on_pushButton_clicked();
    void on_spinBox_valueChanged(int teams);

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
        QLabel *dash;
        QSpinBox *firstWins;
        QSpinBox *secondWins;
        QSpinBox *remaining;
    };

    void buildRows();
    void nameInputs();
    void showResult(const QList<QStringList> &rows, const QString &summary);

    std::unique_ptr<Ui::TSTD> ui;
    QList<TeamRow> m_teams;
    QList<PairRow> m_pairs;
};
