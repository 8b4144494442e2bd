#include "calculators/team/tmn.h"
#include "ui_tmn.h"

TMN::TMN(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::TMN>())
{
    ui->setupUi(this);
}

TMN::~TMN() = default;

void TMN::changeEvent(QEvent *e)
{
    QDialog::changeEvent(e);
    if (e->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}

void TMN::on_pushButton_2_clicked()
{
}

void TMN::on_pushButton_clicked()
{
    close();
}
