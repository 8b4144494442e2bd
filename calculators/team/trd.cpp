#include "calculators/team/trd.h"
#include "ui_trd.h"

#include "calculators/common/inputs.h"
#include "calculators/common/magicnumber.h"

TRD::TRD(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::TRD>())
{
    ui->setupUi(this);
    calc::setUpInputs(this);
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
    const double games = calc::readDouble(ui->spinBox);
    const double upperWins = calc::readDouble(ui->spinBox_2);
    const double upperDraws = calc::readDouble(ui->spinBox_3);
    const double middleWins = calc::readDouble(ui->spinBox_4);
    const double middleDraws = calc::readDouble(ui->spinBox_5);
    const double middleRemaining = calc::readDouble(ui->spinBox_6);
    const double lowerWins = calc::readDouble(ui->spinBox_7);
    const double lowerDraws = calc::readDouble(ui->spinBox_8);
    const double lowerRemaining = calc::readDouble(ui->spinBox_9);

    // Each pair is judged by itself: the upper team against the middle one, then the middle
    // team against the lower one. The order is settled when neither leader needs another win.
    const bool upperSafe = !calc::magicNumber(
        games, { upperWins, upperDraws }, { middleWins, middleDraws, middleRemaining });
    const bool middleSafe = !calc::magicNumber(
        games, { middleWins, middleDraws }, { lowerWins, lowerDraws, lowerRemaining });
    ui->lineEdit->setText(
        upperSafe && middleSafe ? QStringLiteral("確定") : QStringLiteral("未確定"));
}

void TRD::on_pushButton_clicked()
{
    close();
}
