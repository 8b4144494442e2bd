#include "calculators/batter/btab.h"
#include "ui_btab.h"

BTAB::BTAB(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::BTAB>())
{
    ui->setupUi(this);
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
}

void BTAB::on_pushButton_clicked()
{
    close();
}
