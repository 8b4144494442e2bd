#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class BIDX;
}

// A batter's rates from one season's counts: on-base, slugging, OPS, isolated power, BABIP.
class BIDX : public QDialog
{
    Q_OBJECT

public:
    explicit BIDX(QWidget *parent = nullptr);
    ~BIDX() override;

protected:
    void changeEvent(QEvent *e) override;

private slots:
    void on_pushButton_2_clicked();
    void on_pushButton_clicked();

private:
    std::unique_ptr<Ui::BIDX> ui;
};
