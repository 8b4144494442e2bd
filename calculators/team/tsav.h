#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TSAV;
}

// Savings (wins minus losses) of a team.
class TSAV : public QDialog
{
    Q_OBJECT

public:
    explicit TSAV(QWidget *parent = nullptr);
    ~TSAV() override;

protected:
    void changeEvent(QEvent *e) override;

private slots:
    void on_pushButton_clicked();
    void on_pushButton_2_clicked();

private:
    std::unique_ptr<Ui::TSAV> ui;
};
