#include "calculators/pitcher/pidx.h"
#include "ui_pidx.h"

#include "calculators/common/inputs.h"
#include "calculators/common/results.h"
#include "calculators/pitcher/pitcherstats.h"

PIDX::PIDX(QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::PIDX>())
{
    ui->setupUi(this);
    calc::setUpInputs(this);
}

PIDX::~PIDX() = default;

void PIDX::changeEvent(QEvent *e)
{
    QDialog::changeEvent(e);
    if (e->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}

void PIDX::on_pushButton_2_clicked()
{
    const int wholeInnings = calc::readInt(ui->spinBox);
    const int thirds = calc::readInt(ui->spinBox_2);
    const int earnedRuns = calc::readInt(ui->spinBox_9);
    const calc::PitchingLine line { calc::outsRecorded(wholeInnings, thirds),
        calc::readInt(ui->spinBox_3), calc::readInt(ui->spinBox_4), calc::readInt(ui->spinBox_5),
        calc::readInt(ui->spinBox_6), calc::readInt(ui->spinBox_7), calc::readInt(ui->spinBox_8) };
    if (!calc::showInputError(ui->lineEdit_8, calc::pitchingLineProblem(line),
            { ui->lineEdit, ui->lineEdit_2, ui->lineEdit_3, ui->lineEdit_4, ui->lineEdit_5,
                ui->lineEdit_6, ui->lineEdit_7 }))
        return;
    // Runs without an out are an infinite average, as 防御率 shows them; nothing at all is "-".
    ui->lineEdit->setText(
        calc::rateResult(calc::earnedRunAverage(wholeInnings, thirds, earnedRuns), 2));
    ui->lineEdit_2->setText(calc::rateResult(calc::walksPlusHitsPerInning(line), 2));
    ui->lineEdit_3->setText(calc::rateResult(calc::strikeoutsPerNine(line), 2));
    ui->lineEdit_4->setText(calc::rateResult(calc::walksPerNine(line), 2));
    ui->lineEdit_5->setText(calc::rateResult(calc::homeRunsPerNine(line), 2));
    ui->lineEdit_6->setText(calc::rateResult(calc::strikeoutsPerWalk(line), 2));
    ui->lineEdit_7->setText(calc::rateResult(
        calc::fieldingIndependentPitching(line, calc::readHundredths(ui->doubleSpinBox)), 2));
}

void PIDX::on_pushButton_clicked()
{
    close();
}
