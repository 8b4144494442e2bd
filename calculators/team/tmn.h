#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TMN;
}

// Magic number of a leading team against one pursuer, or "優勝" once it is safe.
class TMN : public QDialog
{
    Q_OBJECT

public:
    explicit TMN(QWidget *parent = nullptr);
    ~TMN() override;

protected:
    void changeEvent(QEvent *e) override;

private slots:
    void on_pushButton_2_clicked();
    void on_pushButton_clicked();

private:
    std::unique_ptr<Ui::TMN> ui;
};
