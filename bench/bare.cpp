// The yardstick: a bare Qt window of the main window's size and widget count, with Latin
// texts and nothing else (no icon, no image, no translator, no rich text).
//
// Arguments add one of the program's own ingredients each, so that the benchmark can show
// what each one costs: icon (the .ico window icon), logo (the PNG banner), japanese (the
// window's Japanese texts), richtext (the credits label's rich text), translator (Qt's own
// catalogue for the system locale).

#include <QApplication>
#include <QBoxLayout>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLibraryInfo>
#include <QLocale>
#include <QMainWindow>
#include <QPixmap>
#include <QPushButton>
#include <QTranslator>

namespace {

struct Texts
{
    QStringList groups;
    QStringList buttons;
    QString quit;
};

Texts latinTexts()
{
    Texts t { { QStringLiteral("Team"), QStringLiteral("Batter"), QStringLiteral("Pitcher") }, {},
        QStringLiteral("Quit") };
    for (int i = 1; i <= 16; ++i)
        t.buttons << QStringLiteral("Button %1").arg(i);
    return t;
}

Texts japaneseTexts()
{
    return { { QStringLiteral("チーム"), QStringLiteral("打者"), QStringLiteral("投手") },
        { QStringLiteral("勝率"), QStringLiteral("貯金"), QStringLiteral("ゲーム差"),
            QStringLiteral("マジックナンバー"), QStringLiteral("自力優勝の可能性の有無"),
            QStringLiteral("ランク確定の有無"), QStringLiteral("順位表"), QStringLiteral("打数"),
            QStringLiteral("打率"), QStringLiteral("塁打数"), QStringLiteral("規定打席"),
            QStringLiteral("打撃指標"), QStringLiteral("防御率"), QStringLiteral("規定投球回数"),
            QStringLiteral("リリーフポイント"), QStringLiteral("投球指標") },
        QStringLiteral("終了") };
}

QGroupBox *buttonGroup(
    const QString &title, const QList<int> &rows, const Texts &texts, int &number)
{
    auto *box = new QGroupBox(title);
    auto *column = new QVBoxLayout(box);
    for (int count : rows) {
        auto *row = new QHBoxLayout;
        for (int i = 0; i < count; ++i)
            row->addWidget(new QPushButton(texts.buttons.at(number++)));
        row->addStretch();
        column->addLayout(row);
    }
    return box;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList with = app.arguments().mid(1);
    const QString images = QStringLiteral(SEKIVO_BENCH_IMAGES);

    QTranslator translator;
    if (with.contains(QLatin1String("translator"))) {
        static_cast<void>(translator.load(QStringLiteral("qt_") + QLocale::system().name(),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
        QCoreApplication::installTranslator(&translator);
    }
    const Texts texts = with.contains(QLatin1String("japanese")) ? japaneseTexts() : latinTexts();

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.setFixedSize(464, 445);
    if (with.contains(QLatin1String("icon")))
        window.setWindowIcon(QIcon(images + QStringLiteral("/SK_ICO.ico")));

    auto *central = new QWidget;
    auto *layout = new QVBoxLayout(central);
    auto *banner = new QLabel;
    banner->setFixedSize(440, 100);
    if (with.contains(QLatin1String("logo")))
        banner->setPixmap(QPixmap(images + QStringLiteral("/SK_logo.png")));
    layout->addWidget(banner);
    int number = 0;
    layout->addWidget(buttonGroup(texts.groups.at(0), { 4, 3 }, texts, number));
    layout->addWidget(buttonGroup(texts.groups.at(1), { 5 }, texts, number));
    layout->addWidget(buttonGroup(texts.groups.at(2), { 4 }, texts, number));
    auto *bottom = new QHBoxLayout;
    auto *credits = new QLabel;
    if (with.contains(QLatin1String("richtext"))) {
        credits->setTextFormat(Qt::RichText);
        credits->setText(QStringLiteral(
            "<html><body style=\" font-family:'Lucida Grande'; font-size:13pt;\"><p>Developer: "
            "the team<br /><a href=\"https://example.org/\"><span style=\" text-decoration: "
            "underline; color:#0000ff;\">Home page</span></a></p></body></html>"));
    } else {
        credits->setText(QStringLiteral("Credits line"));
    }
    bottom->addWidget(credits);
    bottom->addStretch();
    bottom->addWidget(new QPushButton(texts.quit));
    layout->addLayout(bottom);
    window.setCentralWidget(central);

    window.show();
    return app.exec();
}
