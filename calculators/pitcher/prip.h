#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class PRIP;
}

// The qualifying number of innings pitched for a season of so many games.
class PRIP : public QDialog
{
    Q_OBJECT

public:
    explicit PRIP(QWidget *parent = nullptr);
    ~PRIP() override;

protected:
    void changeEvent(QEvent *e) override;

private slots:
    void on_pushButton_2_clicked();
    void on_pushButton_clicked();

private:
    std::unique_ptr<Ui::PRIP> ui;
};
