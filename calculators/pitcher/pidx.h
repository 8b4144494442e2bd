#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class PIDX;
}

// A pitcher's rates from one season's counts: ERA, WHIP, strikeouts, walks and home runs per
// nine innings, strikeouts per walk and FIP.
class PIDX : public QDialog
{
    Q_OBJECT

public:
    explicit PIDX(QWidget *parent = nullptr);
    ~PIDX() override;

protected:
    void changeEvent(QEvent *e) override;

private slots:
    void on_pushButton_2_clicked();
    void on_pushButton_clicked();

private:
    std::unique_ptr<Ui::PIDX> ui;
};
