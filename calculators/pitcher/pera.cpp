#include "calculators/pitcher/pera.h"
#include "ui_pera.h"

#include "calculators/common/inputs.h"
#include "calculators/common/results.h"
#include "calculators/pitcher/pitcherstats.h"

PERA::PERA(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::PERA>())
{
    ui->setupUi(this);
    calc::setUpInputs(this);
}

PERA::~PERA() = default;

void PERA::changeEvent(QEvent *e)
{
    QDialog::changeEvent(e);
    if (e->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}

void PERA::on_pushButton_2_clicked()
{
    const int wholeInnings = calc::readInt(ui->spinBox);
    const int thirds = calc::readInt(ui->spinBox_2);
    const int earnedRuns = calc::readInt(ui->spinBox_3);
    ui->lineEdit->setText(
        calc::roundedRatio(calc::earnedRunAverage(wholeInnings, thirds, earnedRuns), 2));
}

void PERA::on_pushButton_clicked()
{
    close();
}
