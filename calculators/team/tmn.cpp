#include "calculators/team/tmn.h"
#include "ui_tmn.h"

#include "calculators/common/inputs.h"
#include "calculators/common/magicnumber.h"
#include "calculators/common/results.h"

TMN::TMN(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::TMN>())
{
    ui->setupUi(this);
    calc::setUpInputs(this);
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
    const double games = calc::readDouble(ui->spinBox);
    const calc::Leader upper { calc::readDouble(ui->spinBox_2), calc::readDouble(ui->spinBox_3) };
    const calc::Pursuer lower { calc::readDouble(ui->spinBox_4), calc::readDouble(ui->spinBox_5),
        calc::readDouble(ui->spinBox_6) };
    const std::optional<int> magic = calc::magicNumber(games, upper, lower);
    ui->lineEdit->setText(magic ? calc::wholeResult(*magic) : QStringLiteral("優勝"));
}

void TMN::on_pushButton_clicked()
{
    close();
}
