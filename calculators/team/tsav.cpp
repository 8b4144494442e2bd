#include "calculators/team/tsav.h"
#include "ui_tsav.h"

#include "calculators/common/inputs.h"
#include "calculators/common/results.h"
#include "calculators/team/teamstats.h"

TSAV::TSAV(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::TSAV>())
{
    ui->setupUi(this);
    calc::setUpInputs(this);
}

TSAV::~TSAV() = default;

void TSAV::changeEvent(QEvent *e)
{
    QDialog::changeEvent(e);
    if (e->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}

void TSAV::on_pushButton_clicked()
{
    close();
}

void TSAV::on_pushButton_2_clicked()
{
    const int wins = calc::readInt(ui->spinBox);
    const int losses = calc::readInt(ui->spinBox_2);
    ui->lineEdit->setText(calc::wholeResult(calc::savings(wins, losses)));
}
