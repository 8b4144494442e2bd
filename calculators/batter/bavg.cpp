#include "calculators/batter/bavg.h"
#include "ui_bavg.h"

#include "calculators/batter/batterstats.h"
#include "calculators/common/inputs.h"
#include "calculators/common/results.h"

BAVG::BAVG(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::BAVG>())
{
    ui->setupUi(this);
    calc::setUpInputs(this);
}

BAVG::~BAVG() = default;

void BAVG::changeEvent(QEvent *e)
{
    QDialog::changeEvent(e);
    if (e->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}

void BAVG::on_pushButton_2_clicked()
{
    const int atBats = calc::readInt(ui->spinBox);
    const int hits = calc::readInt(ui->spinBox_2);
    ui->lineEdit->setText(calc::roundedRatio(calc::battingAverage(atBats, hits), 3));
}

void BAVG::on_pushButton_clicked()
{
    close();
}
