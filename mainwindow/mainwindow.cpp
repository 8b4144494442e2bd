#include "mainwindow/mainwindow.h"
#include "ui_mainwindow.h"

#include "calculators/batter/bavg.h"
#include "calculators/batter/bidx.h"
#include "calculators/batter/brb.h"
#include "calculators/batter/btab.h"
#include "calculators/batter/btb.h"
#include "calculators/pitcher/pera.h"
#include "calculators/pitcher/pidx.h"
#include "calculators/pitcher/prip.h"
#include "calculators/pitcher/prp.h"
#include "calculators/team/tgb.h"
#include "calculators/team/tmn.h"
#include "calculators/team/tovp.h"
#include "calculators/team/trd.h"
#include "calculators/team/tsav.h"
#include "calculators/team/tstd.h"
#include "calculators/team/twp.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPixmap>
#include <QUrl>

namespace {

// A fresh dialog per press, so every calculator opens empty. Whether it blocks the main window
// is the dialog's own choice (its modality), since it is shown before its loop starts. The main
// window is its parent, so the window system keeps it above the main window and opens it there,
// and quitting with it open quits (it is not a window of its own that keeps the program alive).
template <typename Dialog>
void runCalculator(QWidget *mainWindow)
{
    Dialog dialog(mainWindow);
    dialog.show();
    dialog.exec();
}

// The form shows the 1x logo, which a high-density screen would enlarge and blur: there the
// logo drawn at 2x takes its place at the same size. (QPixmap, unlike QIcon, does not look for
// an "@2x" file itself.) Between the two, at 150 % say, the 2x drawing is reduced smoothly to
// the screen's pixels rather than by the painter.
void showLogoAt(QLabel *label, qreal devicePixelRatio)
{
    if (devicePixelRatio <= 1)
        return;
    const QSizeF size = label->pixmap().deviceIndependentSize();
    QPixmap logo(QStringLiteral(":/image/SK_logo@2x.png"));
    const QSize pixels = (size * devicePixelRatio).toSize();
    if (logo.size() != pixels)
        logo = logo.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    logo.setDevicePixelRatio(devicePixelRatio);
    label->setPixmap(logo);
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::MainWindow>())
{
    ui->setupUi(this);
    showLogoAt(ui->label, devicePixelRatio());
}

MainWindow::~MainWindow() = default;

void MainWindow::on_pushButton_13_clicked() { runCalculator<PRP>(this); }
void MainWindow::on_pushButton_6_clicked() { runCalculator<TRD>(this); }
void MainWindow::on_pushButton_15_clicked() { runCalculator<TSTD>(this); }
void MainWindow::on_pushButton_5_clicked() { runCalculator<TOVP>(this); }
void MainWindow::on_pushButton_4_clicked() { runCalculator<TMN>(this); }
void MainWindow::on_pushButton_7_clicked() { runCalculator<BTAB>(this); }
void MainWindow::on_pushButton_12_clicked() { runCalculator<PRIP>(this); }
void MainWindow::on_pushButton_11_clicked() { runCalculator<PERA>(this); }
void MainWindow::on_pushButton_10_clicked() { runCalculator<BRB>(this); }
void MainWindow::on_pushButton_9_clicked() { runCalculator<BTB>(this); }
void MainWindow::on_pushButton_8_clicked() { runCalculator<BAVG>(this); }
void MainWindow::on_pushButton_3_clicked() { runCalculator<TGB>(this); }
void MainWindow::on_pushButton_2_clicked() { runCalculator<TSAV>(this); }
void MainWindow::on_pushButton_clicked() { runCalculator<TWP>(this); }
void MainWindow::on_pushButton_16_clicked() { runCalculator<BIDX>(this); }
void MainWindow::on_pushButton_17_clicked() { runCalculator<PIDX>(this); }

void MainWindow::on_pushButton_14_clicked()
{
    // Calculators that do not block this window (the rank settlement) may still be open, each in
    // the loop of its launch slot. Closing them first ends those loops, so every slot destroys its
    // own dialog while this window is still there, and closing this window leaves no window open.
    for (QDialog *dialog : findChildren<QDialog *>(Qt::FindDirectChildrenOnly))
        dialog->close();
    // This window closes from the event queue, once those loops have returned. On Windows a
    // dialog's loop that was told to end while another dialog's loop ran inside it goes back to
    // waiting for a message before it notices; the queued close is that message, so the program
    // ends without waiting for the mouse to move.
    QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

void MainWindow::on_label_2_linkActivated(const QString &link)
{
    QDesktopServices::openUrl(QUrl(link));
}
