#include "calculators/pitcher/prp.h"
#include "ui_prp.h"

PRP::PRP(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::PRP>())
{
    ui->setupUi(this);
}

PRP::~PRP() = default;

void PRP::changeEvent(QEvent *e)
{
    QDialog::changeEvent(e);
    if (e->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}

void PRP::on_pushButton_2_clicked()
{
}

void PRP::on_pushButton_clicked()
{
    close();
}
