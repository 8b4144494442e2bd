#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class BTAB;
}

// A batter's at-bats: plate appearances less walks, hit-by-pitches, sacrifices and interference.
class BTAB : public QDialog
{
    Q_OBJECT

public:
    explicit BTAB(QWidget *parent = nullptr);
    ~BTAB() override;

protected:
    void changeEvent(QEvent *e) override;

private slots:
    void on_pushButton_2_clicked();
    void on_pushButton_clicked();

private:
    std::unique_ptr<Ui::BTAB> ui;
};
