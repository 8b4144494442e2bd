#include "calculators/batter/btab.h"
#include "ui_btab.h"

#include "calculators/batter/batterstats.h"
#include "calculators/common/inputs.h"
#include "calculators/common/results.h"

BTAB::BTAB(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::BTAB>())
{
    ui->setupUi(this);
    calc::setUpInputs(this);
}

BTAB::~BTAB() = default;

void BTAB::changeEvent(QEvent *e)
{
    QDialog::changeEvent(e);
    if (e->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}

void BTAB::on_pushButton_2_clicked()
{
    const int plateAppearances = calc::readInt(ui->spinBox);
    const int walks = calc::readInt(ui->spinBox_2);
    const int hitByPitches = calc::readInt(ui->spinBox_3);
    const int sacrificeBunts = calc::readInt(ui->spinBox_4);
    const int sacrificeFlies = calc::readInt(ui->spinBox_5);
    const int interference = calc::readInt(ui->spinBox_6);
    ui->lineEdit->setText(calc::wholeResult(calc::atBats(
        plateAppearances, walks, hitByPitches, sacrificeBunts, sacrificeFlies, interference)));
}

void BTAB::on_pushButton_clicked()
{
    close();
}
