#include "calculators/pitcher/prp.h"
#include "ui_prp.h"

#include "calculators/common/inputs.h"
#include "calculators/common/results.h"
#include "calculators/pitcher/reliefpoints.h"

#include <QScrollArea>

namespace {

constexpr int kPrecision = 1;

} // namespace

PRP::PRP(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::PRP>())
{
    ui->setupUi(this);
    // The tool box wraps each page in a scroll area, which would be a Tab stop that shows
    // nothing between 閉じる and the open page.
    for (auto *area : ui->toolBox->findChildren<QScrollArea *>(Qt::FindDirectChildrenOnly))
        area->setFocusPolicy(Qt::NoFocus);
}

PRP::~PRP() = default;

void PRP::changeEvent(QEvent *e)
{
    QDialog::changeEvent(e);
    if (e->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        // The combo boxes keep their selection through a re-translation, but the form resets
        // the count's caption; put back the one that belongs to the chosen item.
        relabelRunnerCount(ui->comboBox_3->currentIndex());
    }
}

void PRP::on_comboBox_3_currentIndexChanged(int index)
{
    relabelRunnerCount(index);
}

void PRP::on_pushButton_6_clicked()
{
    const double runners = calc::readDouble(ui->spinBox_4);
    ui->lineEdit_5->setText(calc::decimalResult(
            calc::runnersLeftPoints(ui->comboBox_5->currentIndex(), runners), kPrecision));
}

void PRP::on_pushButton_5_clicked()
{
    const double runs = calc::readDouble(ui->spinBox_3);
    ui->lineEdit_4->setText(calc::decimalResult(
            calc::runsAllowedPoints(ui->comboBox_4->currentIndex(), runs), kPrecision));
}

void PRP::on_pushButton_4_clicked()
{
    const double runners = calc::readDouble(ui->spinBox_2);
    ui->lineEdit_3->setText(calc::decimalResult(
            calc::inheritedRunnerPoints(ui->comboBox_3->currentIndex(), runners), kPrecision));
}

void PRP::on_pushButton_3_clicked()
{
    ui->lineEdit_2->setText(calc::decimalResult(
            calc::scorelessEntryPoints(ui->comboBox_2->currentIndex()), kPrecision));
}

void PRP::on_pushButton_2_clicked()
{
    const double outs = calc::readDouble(ui->spinBox);
    ui->lineEdit->setText(calc::decimalResult(
            calc::outsRecordedPoints(ui->comboBox->currentIndex(), outs), kPrecision));
}

void PRP::on_pushButton_clicked()
{
    close();
}

void PRP::relabelRunnerCount(int index)
{
    // Fixed texts rather than translations: the caption follows the chosen item alone,
    // before and after a language change.
    switch (index) {
    case 0:
    case 2:
        ui->label_2->setText(QStringLiteral("走者数"));
        break;
    case 1:
    case 3:
        ui->label_2->setText(QStringLiteral("得点させた走者数"));
        break;
    default:
        break;
    }
}
