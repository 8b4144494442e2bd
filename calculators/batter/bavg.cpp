#include "calculators/batter/bavg.h"
#include "ui_bavg.h"

BAVG::BAVG(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::BAVG>())
{
    ui->setupUi(this);
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
}

void BAVG::on_pushButton_clicked()
{
    close();
}
