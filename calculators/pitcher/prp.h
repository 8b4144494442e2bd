#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class PRP;
}

// Relief points of a relief pitcher, one kind of event per tool-box page; each page computes
// and keeps its own partial points.
class PRP : public QDialog
{
    Q_OBJECT

public:
    explicit PRP(QWidget *parent = nullptr);
    ~PRP() override;

protected:
    void changeEvent(QEvent *e) override;

private slots:
    void on_comboBox_3_currentIndexChanged(int index);
    void on_pushButton_6_clicked();
    void on_pushButton_5_clicked();
    void on_pushButton_4_clicked();
    void on_pushButton_3_clicked();
    void on_pushButton_2_clicked();
    void on_pushButton_clicked();
    void on_toolBox_currentChanged(int index);

private:
    void relabelRunnerCount(int index);
    void openPage(int index);

    std::unique_ptr<Ui::PRP> ui;
};
