#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class PERA;
}

// A pitcher's earned run average from innings (whole and thirds) and earned runs.
class PERA : public QDialog
{
    Q_OBJECT

public:
    explicit PERA(QWidget *parent = nullptr);
    ~PERA() override;

protected:
    void changeEvent(QEvent *e) override;

private slots:
    void on_pushButton_2_clicked();
    void on_pushButton_clicked();

private:
    std::unique_ptr<Ui::PERA> ui;
};
