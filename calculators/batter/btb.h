#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class BTB;
}

// A batter's total bases from hits, doubles, triples and home runs.
class BTB : public QDialog
{
    Q_OBJECT

public:
    explicit BTB(QWidget *parent = nullptr);
    ~BTB() override;

protected:
    void changeEvent(QEvent *e) override;

private slots:
    void on_pushButton_2_clicked();
    void on_pushButton_clicked();

private:
    std::unique_ptr<Ui::BTB> ui;
};
