#include "calculators/team/tovp.h"
#include "ui_tovp.h"

TOVP::TOVP(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::TOVP>())
{
    ui->setupUi(this);
}

TOVP::~TOVP() = default;

void TOVP::changeEvent(QEvent *e)
{
    QDialog::changeEvent(e);
    if (e->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}

void TOVP::on_pushButton_2_clicked()
{
}

void TOVP::on_pushButton_clicked()
{
    close();
}
