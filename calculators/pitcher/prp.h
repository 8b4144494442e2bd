#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class PRP;
}

// Placeholder until this calculator is built.
class PRP : public QDialog
{
    Q_OBJECT

public:
    explicit PRP(QWidget *parent = nullptr);
    ~PRP() override;

protected:
    void changeEvent(QEvent *e) override;

private slots:
    void on_pushButton_2_clicked();
    void on_pushButton_clicked();

private:
    std::unique_ptr<Ui::PRP> ui;
};
