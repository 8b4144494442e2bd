#include "calculators/team/tovp.h"
#include "ui_tovp.h"

#include "calculators/common/inputs.h"
#include "calculators/team/teamstats.h"

TOVP::TOVP(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::TOVP>())
{
    ui->setupUi(this);
    calc::setUpInputs(this);
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
    const double games = calc::readDouble(ui->spinBox);
    const calc::ClubRecord upper { calc::readDouble(ui->spinBox_2), calc::readDouble(ui->spinBox_3),
        calc::readDouble(ui->spinBox_4) };
    const calc::ClubRecord lower { calc::readDouble(ui->spinBox_5), calc::readDouble(ui->spinBox_6),
        calc::readDouble(ui->spinBox_7) };
    const double headToHead = calc::readDouble(ui->spinBox_8);
    ui->lineEdit->setText(calc::canWinTitleOnOwn(games, upper, lower, headToHead)
            ? QStringLiteral("有")
            : QStringLiteral("無"));
}

void TOVP::on_pushButton_clicked()
{
    close();
}
