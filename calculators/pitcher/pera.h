#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class PERA;
}

// Placeholder until this calculator is built.
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
