// A real Japanese input method types numbers into every calculator: key presses go through the
// X server to IBus, whose Anthy engine in hiragana mode composes them as full-width digits and
// commits them on Return, as our users type. Every spin box must then hold the number typed.
// with-ibus.sh runs this program on a private X server with its own bus and IBus daemon.

#include "inputmethod/calculators.h"

#include <QInputMethodEvent>
#include <QProcess>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTest>

using namespace testing;

namespace {

// What the input method sends a box: the last preedit text and every commit.
class InputMethodSpy : public QObject
{
public:
    QString preedit;
    QStringList commits;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::InputMethod) {
            const auto *im = static_cast<QInputMethodEvent *>(event);
            preedit = im->preeditString();
            if (!im->commitString().isEmpty())
                commits.append(im->commitString());
        }
        return false;
    }
};

// Presses keys on the X server, through its test extension, as a keyboard does.
bool pressKeys(const QStringList &keys)
{
    return QProcess::execute(QStringLiteral("xdotool"),
               QStringList {
                   QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("20") }
                   + keys)
        == 0;
}

} // namespace

class tst_IBusAnthy : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void typedNumbersCount();
};

void tst_IBusAnthy::initTestCase()
{
    Q_INIT_RESOURCE(images);
    QVERIFY2(QGuiApplication::platformName() == u"xcb" && qgetenv("QT_IM_MODULE") == "ibus",
        "run this through with-ibus.sh");
    QVERIFY2(
        !QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty(), "xdotool is missing");
}

void tst_IBusAnthy::typedNumbersCount()
{
    int boxes = 0;
    forEveryDialog([&](QDialog *dialog) {
        for (QSpinBox *box : dialog->findChildren<QSpinBox *>()) {
            ++boxes;
            const int number = qMin(box->maximum(), 75);
            const QString digits = QString::number(number);
            reveal(box);
            box->setFocus(Qt::TabFocusReason);
            box->selectAll();
            QTRY_VERIFY2(box->hasFocus(), qPrintable(describe(box)));

            InputMethodSpy spy;
            box->installEventFilter(&spy);
            QStringList keys;
            for (QChar digit : digits)
                keys.append(digit);
            QVERIFY(pressKeys(keys));
            // The engine composes before it commits; Return commits.
            QTRY_VERIFY2(spy.preedit == fullWidth(digits),
                qPrintable(QStringLiteral("%1: the input method composes \"%2\"")
                               .arg(describe(box), spy.preedit)));
            QVERIFY(pressKeys({ QStringLiteral("Return") }));
            QTRY_VERIFY2(spy.commits.contains(fullWidth(digits)),
                qPrintable(QStringLiteral("%1: the input method committed %2")
                               .arg(describe(box), spy.commits.join(u", "))));
            QTRY_VERIFY2(box->value() == number,
                qPrintable(QStringLiteral("%1 holds %2 (\"%3\") after %4 was typed")
                               .arg(describe(box))
                               .arg(box->value())
                               .arg(box->text(), fullWidth(digits))));
            QCOMPARE(box->text(), digits);
        }
    });
    QVERIFY(boxes > 0);
}

QTEST_MAIN(tst_IBusAnthy)
#include "tst_ibusanthy.moc"
