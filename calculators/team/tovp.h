#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TOVP;
}

// Whether a trailing team can still take the title by its own results alone.
class TOVP : public QDialog
{
    Q_OBJECT

public:
    explicit TOVP(QWidget *parent = nullptr);
    ~TOVP() override;

protected:
    void changeEvent(QEvent *e) override;

private slots:
    void on_pushButton_2_clicked();
    void on_pushButton_clicked();

private:
    std::unique_ptr<Ui::TOVP> ui;
};
