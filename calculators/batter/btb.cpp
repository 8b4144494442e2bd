#include "calculators/batter/btb.h"
#include "ui_btb.h"

BTB::BTB(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::BTB>())
{
    ui->setupUi(this);
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
}

void BTB::on_pushButton_clicked()
{
    close();
}
