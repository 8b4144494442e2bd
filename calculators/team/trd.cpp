#include "calculators/team/trd.h"
#include "ui_trd.h"

TRD::TRD(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::TRD>())
{
    ui->setupUi(this);
}

TRD::~TRD() = default;

void TRD::changeEvent(QEvent *e)
{
    QDialog::changeEvent(e);
    if (e->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}

void TRD::on_pushButton_2_clicked()
{
}

void TRD::on_pushButton_clicked()
{
    close();
}
