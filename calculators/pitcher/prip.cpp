#include "calculators/pitcher/prip.h"
#include "ui_prip.h"

#include "calculators/common/inputs.h"
#include "calculators/common/results.h"
#include "calculators/pitcher/pitcherstats.h"

PRIP::PRIP(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::PRIP>())
{
    ui->setupUi(this);
    calc::setUpInputs(this);
}

PRIP::~PRIP() = default;

void PRIP::changeEvent(QEvent *e)
{
    QDialog::changeEvent(e);
    if (e->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}

void PRIP::on_pushButton_2_clicked()
{
    const int games = calc::readInt(ui->spinBox);
    ui->lineEdit->setText(calc::wholeResult(calc::qualifyingInnings(games)));
}

void PRIP::on_pushButton_clicked()
{
    close();
}
