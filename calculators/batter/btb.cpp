#include "calculators/batter/btb.h"
#include "ui_btb.h"

#include "calculators/batter/batterstats.h"
#include "calculators/common/inputs.h"
#include "calculators/common/results.h"

BTB::BTB(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::BTB>())
{
    ui->setupUi(this);
    calc::setUpInputs(this);
}

BTB::~BTB() = default;

void BTB::changeEvent(QEvent *e)
{
    QDialog::changeEvent(e);
    if (e->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}

void BTB::on_pushButton_2_clicked()
{
    const int hits = calc::readInt(ui->spinBox);
    const int doubles = calc::readInt(ui->spinBox_2);
    const int triples = calc::readInt(ui->spinBox_3);
    const int homeRuns = calc::readInt(ui->spinBox_4);
    ui->lineEdit->setText(calc::wholeResult(calc::totalBases(hits, doubles, triples, homeRuns)));
}

void BTB::on_pushButton_clicked()
{
    close();
}
