#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TGB;
}

// Games behind between an upper and a lower team.
class TGB : public QDialog
{
    Q_OBJECT

public:
    explicit TGB(QWidget *parent = nullptr);
    ~TGB() override;

protected:
    void changeEvent(QEvent *e) override;

private slots:
    void on_pushButton_2_clicked();
    void on_pushButton_clicked();

private:
    std::unique_ptr<Ui::TGB> ui;
};
