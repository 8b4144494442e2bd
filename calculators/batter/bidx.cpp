#include "calculators/batter/bidx.h"
#include "ui_bidx.h"

#include "calculators/batter/batterstats.h"
#include "calculators/common/inputs.h"
#include "calculators/common/results.h"

BIDX::BIDX(QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::BIDX>())
{
    ui->setupUi(this);
    calc::setUpInputs(this);
}

BIDX::~BIDX() = default;

void BIDX::changeEvent(QEvent *e)
{
    QDialog::changeEvent(e);
    if (e->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}

void BIDX::on_pushButton_2_clicked()
{
    const calc::BattingLine line { calc::readInt(ui->spinBox), calc::readInt(ui->spinBox_2),
        calc::readInt(ui->spinBox_3), calc::readInt(ui->spinBox_4), calc::readInt(ui->spinBox_5),
        calc::readInt(ui->spinBox_6), calc::readInt(ui->spinBox_7), calc::readInt(ui->spinBox_8),
        calc::readInt(ui->spinBox_9) };
    if (!calc::showInputError(ui->lineEdit_8, calc::battingLineProblem(line),
            { ui->lineEdit, ui->lineEdit_2, ui->lineEdit_3, ui->lineEdit_4, ui->lineEdit_5,
                ui->lineEdit_6, ui->lineEdit_7 }))
        return;
    ui->lineEdit->setText(calc::rateResult(calc::battingAverage(line.atBats, line.hits), 3));
    ui->lineEdit_2->setText(calc::rateResult(calc::onBasePercentage(line), 3));
    ui->lineEdit_3->setText(calc::rateResult(calc::sluggingPercentage(line), 3));
    ui->lineEdit_4->setText(calc::rateResult(calc::onBasePlusSlugging(line), 3));
    ui->lineEdit_5->setText(calc::rateResult(calc::isolatedPower(line), 3));
    ui->lineEdit_6->setText(calc::rateResult(calc::battingAverageOnBallsInPlay(line), 3));
    ui->lineEdit_7->setText(
        calc::wholeResult(calc::totalBases(line.hits, line.doubles, line.triples, line.homeRuns)));
}

void BIDX::on_pushButton_clicked()
{
    close();
}
