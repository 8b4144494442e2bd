#include "calculators/team/tgb.h"
#include "ui_tgb.h"

#include "calculators/common/inputs.h"
#include "calculators/common/results.h"
#include "calculators/team/teamstats.h"

TGB::TGB(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::TGB>())
{
    ui->setupUi(this);
    calc::setUpInputs(this);
}

TGB::~TGB() = default;

void TGB::changeEvent(QEvent *e)
{
    QDialog::changeEvent(e);
    if (e->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}

void TGB::on_pushButton_2_clicked()
{
    const double upperWins = calc::readDouble(ui->spinBox);
    const double upperLosses = calc::readDouble(ui->spinBox_2);
    const double lowerWins = calc::readDouble(ui->spinBox_3);
    const double lowerLosses = calc::readDouble(ui->spinBox_4);
    ui->lineEdit->setText(
        calc::decimalResult(calc::gamesBehind(upperWins, upperLosses, lowerWins, lowerLosses), 1));
}

void TGB::on_pushButton_clicked()
{
    close();
}
