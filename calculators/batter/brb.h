#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class BRB;
}

// The qualifying number of plate appearances for a season of so many games.
class BRB : public QDialog
{
    Q_OBJECT

public:
    explicit BRB(QWidget *parent = nullptr);
    ~BRB() override;

protected:
    void changeEvent(QEvent *e) override;

private slots:
    void on_pushButton_2_clicked();
    void on_pushButton_clicked();

private:
    std::unique_ptr<Ui::BRB> ui;
};
