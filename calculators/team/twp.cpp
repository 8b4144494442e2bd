#include "calculators/team/twp.h"
#include "ui_twp.h"

#include "calculators/common/inputs.h"
#include "calculators/common/results.h"
#include "calculators/team/teamstats.h"

TWP::TWP(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::TWP>())
{
    ui->setupUi(this);
    calc::setUpInputs(this);
}

TWP::~TWP() = default;

void TWP::changeEvent(QEvent *e)
{
    QDialog::changeEvent(e);
    if (e->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}

void TWP::on_pushButton_2_clicked()
{
    const int wins = calc::readInt(ui->spinBox);
    const int losses = calc::readInt(ui->spinBox_2);
    ui->lineEdit->setText(calc::roundedRatio(calc::winningPercentage(wins, losses), 3));
}

void TWP::on_pushButton_clicked()
{
    close();
}
