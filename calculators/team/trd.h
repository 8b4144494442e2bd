#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TRD;
}

// Whether the order of three neighbouring teams is settled. Unlike the other calculators
// it is not modal, so the main window stays usable beside it.
class TRD : public QDialog
{
    Q_OBJECT

public:
    explicit TRD(QWidget *parent = nullptr);
    ~TRD() override;

protected:
    void changeEvent(QEvent *e) override;

private slots:
    void on_pushButton_2_clicked();
    void on_pushButton_clicked();

private:
    std::unique_ptr<Ui::TRD> ui;
};
