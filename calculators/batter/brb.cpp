#include "calculators/batter/brb.h"
#include "ui_brb.h"

BRB::BRB(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::BRB>())
{
    ui->setupUi(this);
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
}

void BRB::on_pushButton_clicked()
{
    close();
}
