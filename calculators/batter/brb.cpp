#include "calculators/batter/brb.h"
#include "ui_brb.h"

#include "calculators/batter/batterstats.h"
#include "calculators/common/inputs.h"
#include "calculators/common/results.h"

BRB::BRB(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::BRB>())
{
    ui->setupUi(this);
    calc::setUpInputs(this);
}

BRB::~BRB() = default;

void BRB::changeEvent(QEvent *e)
{
    QDialog::changeEvent(e);
    if (e->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}

void BRB::on_pushButton_2_clicked()
{
    const int games = calc::readInt(ui->spinBox);
    ui->lineEdit->setText(calc::wholeResult(calc::qualifyingPlateAppearances(games)));
}

void BRB::on_pushButton_clicked()
{
    close();
}
