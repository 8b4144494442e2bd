#include "calculators/team/tsav.h"
#include "ui_tsav.h"

TSAV::TSAV(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::TSAV>())
{
    ui->setupUi(this);
}

TSAV::~TSAV() = default;

void TSAV::changeEvent(QEvent *e)
{
    QDialog::changeEvent(e);
    if (e->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}

void TSAV::on_pushButton_2_clicked()
{
}

void TSAV::on_pushButton_clicked()
{
    close();
}
