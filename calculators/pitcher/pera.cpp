#include "calculators/pitcher/pera.h"
#include "ui_pera.h"

PERA::PERA(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::PERA>())
{
    ui->setupUi(this);
}

PERA::~PERA() = default;

void PERA::changeEvent(QEvent *e)
{
    QDialog::changeEvent(e);
    if (e->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}

void PERA::on_pushButton_2_clicked()
{
}

void PERA::on_pushButton_clicked()
{
    close();
}
