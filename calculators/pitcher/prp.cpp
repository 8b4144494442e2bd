#include "calculators/pitcher/prp.h"
#include "ui_prp.h"

#include "calculators/common/inputs.h"
#include "calculators/common/results.h"
#include "calculators/pitcher/reliefpoints.h"

#include <QKeySequence>
#include <QScrollArea>
#include <QShortcut>

#include <iterator>

namespace {

constexpr int kPrecision = 1;

} // namespace

PRP::PRP(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::PRP>())
{
    ui->setupUi(this);
    calc::setUpInputs(this);
    // The tool box wraps each page in a scroll area, which would be a Tab stop that shows
    // nothing between 閉じる and the open page.
    for (auto *area : ui->toolBox->findChildren<QScrollArea *>(Qt::FindDirectChildrenOnly))
        area->setFocusPolicy(Qt::NoFocus);
    // The page titles take no focus either, so the keyboard turns pages the way it turns tabs.
    const auto turnPageOn = [this](QKeyCombination key, int step) {
        connect(new QShortcut(QKeySequence(key), this), &QShortcut::activated, this, [this, step] {
            const int pages = ui->toolBox->count();
            ui->toolBox->setCurrentIndex((ui->toolBox->currentIndex() + step + pages) % pages);
        });
    };
    turnPageOn(Qt::CTRL | Qt::Key_PageDown, 1);
    turnPageOn(Qt::CTRL | Qt::Key_PageUp, -1);
    openPage(ui->toolBox->currentIndex());
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

void PRP::on_toolBox_currentChanged(int index)
{
    openPage(index);
}

void PRP::relabelRunnerCount(int index)
{
    // Fixed captions rather than translations: the caption follows the chosen item alone,
    // before and after a language change. The count's accessible name says the same as the
    // caption beside it, led by its page as the form names it, and is a form text like that one.
    switch (index) {
    case 0:
    case 2:
        ui->label_2->setText(QStringLiteral("走者数"));
        ui->spinBox_2->setAccessibleName(tr("登板時に既に走者がいる場合の走者数"));
        break;
    case 1:
    case 3:
        ui->label_2->setText(QStringLiteral("得点させた走者数"));
        ui->spinBox_2->setAccessibleName(tr("登板時に既に走者がいる場合の得点させた走者数"));
        break;
    default:
        break;
    }
}

void PRP::openPage(int index)
{
    // Only the open page's widgets are visible. Qt's own choice of default button (the first
    // one in the focus chain) would be page 1's, hidden on the other pages, so Enter would do
    // nothing there; and the focus, pushed off the page that closed, would land on 閉じる.
    struct Page {
        QWidget *first;
        QPushButton *compute;
    };
    const Page pages[] = {{ui->comboBox, ui->pushButton_2}, {ui->comboBox_2, ui->pushButton_3},
                          {ui->comboBox_3, ui->pushButton_4}, {ui->comboBox_4, ui->pushButton_5},
                          {ui->comboBox_5, ui->pushButton_6}};
    if (index < 0 || index >= int(std::size(pages)))
        return;
    pages[index].compute->setDefault(true);
    pages[index].first->setFocus(Qt::OtherFocusReason);
}
