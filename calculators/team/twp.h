#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TWP;
}

// Winning percentage of a team from its wins and losses.
class TWP : public QDialog
{
    Q_OBJECT

public:
    explicit TWP(QWidget *parent = nullptr);
    ~TWP() override;

protected:
    void changeEvent(QEvent *e) override;

private slots:
    void on_pushButton_2_clicked();
    void on_pushButton_clicked();

private:
    std::unique_ptr<Ui::TWP> ui;
};
