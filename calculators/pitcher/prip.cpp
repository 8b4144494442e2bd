#include "calculators/pitcher/prip.h"
#include "ui_prip.h"

PRIP::PRIP(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::PRIP>())
{
    ui->setupUi(this);
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
}

void PRIP::on_pushButton_clicked()
{
    close();
}
