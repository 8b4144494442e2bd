#include "calculators/team/tgb.h"
#include "ui_tgb.h"

TGB::TGB(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::TGB>())
{
    ui->setupUi(this);
}

TGB::~TGB() = default;

void TGB::changeEvent(QEvent *e)
{
    QDialog::changeEvent(e);
    if (e->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}

void TGB::on_pushButton_2_clicked()
{
}

void TGB::on_pushButton_clicked()
{
    close();
}
