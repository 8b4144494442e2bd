#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class BAVG;
}

// A batter's batting average from at-bats and hits.
class BAVG : public QDialog
{
    Q_OBJECT

public:
    explicit BAVG(QWidget *parent = nullptr);
    ~BAVG() override;

protected:
    void changeEvent(QEvent *e) override;

private slots:
    void on_pushButton_2_clicked();
    void on_pushButton_clicked();

private:
    std::unique_ptr<Ui::BAVG> ui;
};
