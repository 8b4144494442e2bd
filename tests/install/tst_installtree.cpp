// Reads the tree that the install_tree fixture installed (DESTDIR root, prefix /usr) the way a
// desktop shell and a software centre do, and checks that launcher, icons and AppStream data agree
// with each other and with the program: one application id, the homepage, the version and the
// window icon.

#include "mainwindow/mainwindow.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QImage>
#include <QMap>
#include <QTest>
#include <QXmlStreamReader>

namespace {

const QString appId = QStringLiteral(SEKIVO_APP_ID);
const QDir usr(QStringLiteral(SEKIVO_INSTALL_ROOT "/usr"));

// The [Desktop Entry] group of a desktop entry file, key (with locale suffix) to value.
QMap<QString, QString> readDesktopEntry(const QString &path)
{
    QMap<QString, QString> entry;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return entry;
    bool inGroup = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(QLatin1Char('[')))
            inGroup = line == QLatin1String("[Desktop Entry]");
        else if (inGroup && line.contains(QLatin1Char('=')) && !line.startsWith(QLatin1Char('#')))
            entry.insert(line.section(QLatin1Char('='), 0, 0).trimmed(),
                line.section(QLatin1Char('='), 1).trimmed());
    }
    return entry;
}

// The AppStream facts this test compares: each element's text keyed by "name" or "name[lang]",
// attributes as "element@attribute"; repeated elements are joined with ';'.
QMap<QString, QString> readMetainfo(const QString &path)
{
    QMap<QString, QString> info;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return info;
    QXmlStreamReader xml(&file);
    QStringList open;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement()) {
            open.removeLast();
            continue;
        }
        if (!xml.isStartElement())
            continue;
        const QString name = xml.name().toString();
        open.append(name);
        // Only the component's own fields, not the paragraphs of a description.
        if (open.contains(QLatin1String("description")))
            continue;
        for (const QXmlStreamAttribute &attribute : xml.attributes()) {
            if (attribute.qualifiedName() != QLatin1String("xml:lang"))
                info.insert(name + QLatin1Char('@') + attribute.name().toString(),
                    attribute.value().toString());
        }
        const QString lang = xml.attributes().value(QLatin1String("xml:lang")).toString();
        const QString key
            = lang.isEmpty() ? name : name + QLatin1Char('[') + lang + QLatin1Char(']');
        if (name == QLatin1String("category")) {
            const QString text = xml.readElementText();
            open.removeLast();
            info[QStringLiteral("categories")] += text + QLatin1Char(';');
        } else if (name != QLatin1String("component") && name != QLatin1String("releases")
            && name != QLatin1String("release") && name != QLatin1String("screenshots")
            && name != QLatin1String("screenshot") && name != QLatin1String("provides")
            && name != QLatin1String("categories") && name != QLatin1String("supports")
            && name != QLatin1String("content_rating") && name != QLatin1String("description")) {
            info.insert(key, xml.readElementText());
            open.removeLast();
        }
    }
    if (xml.hasError())
        info.insert(QStringLiteral("error"), xml.errorString());
    return info;
}

// Mean absolute difference of two same-sized images over all four channels, 0 to 255.
double meanDifference(const QImage &a, const QImage &b)
{
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row), q = y.pixel(col, row);
            sum += qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) + qAbs(qBlue(p) - qBlue(q))
                + qAbs(qAlpha(p) - qAlpha(q));
        }
    }
    return sum / (4.0 * x.width() * x.height());
}

} // namespace

class tst_InstallTree : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void launcherStartsTheInstalledProgram();
    void oneApplicationIdEverywhere();
    void namesAndSummariesInEnglishAndJapanese_data();
    void namesAndSummariesInEnglishAndJapanese();
    void metainfoMatchesTheProject();
    void screenshotShowsTheMainWindow();
    void themeIcons_data();
    void themeIcons();
    void scalableIcon();

private:
    QMap<QString, QString> desktop;
    QMap<QString, QString> metainfo;
};

void tst_InstallTree::initTestCase()
{
    Q_INIT_RESOURCE(images);
    const QString desktopPath
        = usr.filePath(QStringLiteral("share/applications/%1.desktop").arg(appId));
    const QString metainfoPath
        = usr.filePath(QStringLiteral("share/metainfo/%1.metainfo.xml").arg(appId));
    QVERIFY2(QFileInfo::exists(desktopPath), qPrintable(desktopPath));
    QVERIFY2(QFileInfo::exists(metainfoPath), qPrintable(metainfoPath));
    desktop = readDesktopEntry(desktopPath);
    metainfo = readMetainfo(metainfoPath);
    QVERIFY2(!metainfo.contains(QStringLiteral("error")),
        qPrintable(metainfo.value(QStringLiteral("error"))));
}

void tst_InstallTree::launcherStartsTheInstalledProgram()
{
    QCOMPARE(desktop.value(QStringLiteral("Exec")), QStringLiteral("sekivo"));
    QCOMPARE(desktop.value(QStringLiteral("TryExec")), QStringLiteral("sekivo"));
    const QFileInfo program(usr.filePath(QStringLiteral("bin/sekivo")));
    QVERIFY(program.isFile());
    QVERIFY(program.isExecutable());
    QCOMPARE(metainfo.value(QStringLiteral("binary")), QStringLiteral("sekivo"));
}

void tst_InstallTree::oneApplicationIdEverywhere()
{
    // The homepage's host reversed: sekivo.example.org gives org.example.sekivo.
    const QString host = QUrl(QStringLiteral(SEKIVO_HOMEPAGE_URL)).host();
    QStringList parts = host.split(QLatin1Char('.'));
    std::reverse(parts.begin(), parts.end());
    QCOMPARE(appId, parts.join(QLatin1Char('.')));

    QCOMPARE(desktop.value(QStringLiteral("Icon")), appId);
    QCOMPARE(metainfo.value(QStringLiteral("id")), appId);
    QCOMPARE(metainfo.value(QStringLiteral("launchable")), appId + QStringLiteral(".desktop"));
    QCOMPARE(metainfo.value(QStringLiteral("launchable@type")), QStringLiteral("desktop-id"));
    QCOMPARE(
        metainfo.value(QStringLiteral("categories")), desktop.value(QStringLiteral("Categories")));
}

void tst_InstallTree::namesAndSummariesInEnglishAndJapanese_data()
{
    QTest::addColumn<QString>("desktopKey");
    QTest::addColumn<QString>("metainfoKey");
    QTest::newRow("name") << QStringLiteral("Name") << QStringLiteral("name");
    QTest::newRow("name ja") << QStringLiteral("Name[ja]") << QStringLiteral("name[ja]");
    QTest::newRow("summary") << QStringLiteral("Comment") << QStringLiteral("summary");
    QTest::newRow("summary ja") << QStringLiteral("Comment[ja]") << QStringLiteral("summary[ja]");
}

void tst_InstallTree::namesAndSummariesInEnglishAndJapanese()
{
    QFETCH(QString, desktopKey);
    QFETCH(QString, metainfoKey);
    QVERIFY2(!desktop.value(desktopKey).isEmpty(), qPrintable(desktopKey));
    // The launcher and the software centre show the same name and summary.
    QCOMPARE(metainfo.value(metainfoKey), desktop.value(desktopKey));
}

void tst_InstallTree::metainfoMatchesTheProject()
{
    QCOMPARE(metainfo.value(QStringLiteral("url")), QStringLiteral(SEKIVO_HOMEPAGE_URL));
    QCOMPARE(metainfo.value(QStringLiteral("url@type")), QStringLiteral("homepage"));
    QCOMPARE(metainfo.value(QStringLiteral("release@version")), QStringLiteral(SEKIVO_VERSION));
    QCOMPARE(metainfo.value(QStringLiteral("project_license")), QStringLiteral("MIT"));
    QVERIFY(QFileInfo::exists(usr.filePath(QStringLiteral("share/doc/sekivo/copyright"))));
}

void tst_InstallTree::screenshotShowsTheMainWindow()
{
    // The software centre fetches the screenshot from the homepage, which publishes docs/.
    QCOMPARE(metainfo.value(QStringLiteral("image")),
        QStringLiteral(SEKIVO_HOMEPAGE_URL SEKIVO_SCREENSHOT));
    const QImage shot(QStringLiteral(SEKIVO_SOURCE_DIR "/" SEKIVO_SCREENSHOT));
    QVERIFY(!shot.isNull());
    // A window of another size means the committed screenshot is out of date (tools/screenshot.sh).
    MainWindow window;
    QCOMPARE(shot.size(), window.size());
}

void tst_InstallTree::themeIcons_data()
{
    QTest::addColumn<int>("size");
    for (const QString &size : QStringLiteral(SEKIVO_ICON_SIZES).split(QLatin1Char(',')))
        QTest::newRow(qPrintable(size + QStringLiteral(" px"))) << size.toInt();
}

void tst_InstallTree::themeIcons()
{
    QFETCH(int, size);
    const QString path = usr.filePath(
        QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(appId));
    const QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable(path));
    QCOMPARE(image.size(), QSize(size, size));
    QVERIFY(image.hasAlphaChannel());
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(image.pixel(size / 2, size / 2)), 255);

    // Drawn from the window icon's artwork: at 32 px it is the window icon itself; any other size
    // comes close to it once the larger of the two is scaled down to the smaller.
    const QImage windowIcon = QIcon(QStringLiteral(":/image/SK_ICO.ico")).pixmap(32, 32).toImage();
    QCOMPARE(windowIcon.size(), QSize(32, 32));
    if (size == 32) {
        QCOMPARE(image.convertToFormat(QImage::Format_ARGB32),
            windowIcon.convertToFormat(QImage::Format_ARGB32));
    } else {
        const int common = qMin(size, 32);
        const auto down = [common](const QImage &i) {
            return i.scaled(common, common, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        };
        const double difference = meanDifference(down(image), down(windowIcon));
        // Measured: 8 to 16 for the same ball, over 22 with its seams turned a quarter.
        QVERIFY2(difference < 20, qPrintable(QString::number(difference)));
    }
}

void tst_InstallTree::scalableIcon()
{
    QFile file(usr.filePath(QStringLiteral("share/icons/hicolor/scalable/apps/%1.svg").arg(appId)));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader svg(&file);
    QVERIFY(svg.readNextStartElement());
    QCOMPARE(svg.name(), QLatin1String("svg"));
    QCOMPARE(svg.attributes().value(QLatin1String("viewBox")), QLatin1String("0 0 128 128"));
    while (!svg.atEnd())
        svg.readNext();
    QVERIFY2(!svg.hasError(), qPrintable(svg.errorString()));
}

QTEST_MAIN(tst_InstallTree)
#include "tst_installtree.moc"
