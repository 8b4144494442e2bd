// What a screen reader announces for each input and result: Qt's accessibility interface is what
// the platform bridge (AT-SPI on Linux) reads the names from.

#include "calculators/pitcher/prp.h"
#include "mainwindow/mainwindow.h"
#include "support/dialogs.h"
#include "support/launch.h"
#include "support/translators.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>
#include <QToolBox>

namespace {

// The name a screen reader announces for `widget`. On Linux Qt names a combo box after its
// current item and gives its label as a relation instead, which is what screen readers read out.
QString accessibleName(QWidget *widget)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
    if (!iface)
        return {};
    if (iface->role() == QAccessible::ComboBox) {
        for (const auto &[label, relation] : iface->relations(QAccessible::Label)) {
            if (qobject_cast<QLabel *>(label->object()))
                return label->text(QAccessible::Name);
        }
    }
    return iface->text(QAccessible::Name);
}

// The widgets a user fills in or reads: spin boxes, combo boxes and the result line edits (not
// the line edit inside a spin box).
QList<QWidget *> fields(QWidget *within)
{
    QList<QWidget *> found;
    for (QWidget *w : within->findChildren<QWidget *>()) {
        if (qobject_cast<QAbstractSpinBox *>(w) || qobject_cast<QComboBox *>(w))
            found.append(w);
        else if (qobject_cast<QLineEdit *>(w) && !qobject_cast<QAbstractSpinBox *>(w->parent())
                 && !qobject_cast<QComboBox *>(w->parent()))
            found.append(w);
    }
    return found;
}

QStringList names(const QList<QWidget *> &widgets)
{
    QStringList list;
    for (QWidget *w : widgets)
        list.append(accessibleName(w));
    return list;
}

// The pages of the dialog's tool box, or the dialog itself where it has none.
QList<QWidget *> pages(QDialog *dialog)
{
    auto *toolBox = dialog->findChild<QToolBox *>();
    if (!toolBox)
        return {dialog};
    QList<QWidget *> list;
    for (int i = 0; i < toolBox->count(); ++i)
        list.append(toolBox->widget(i));
    return list;
}

// Presses the main window's launch button `button` and runs `check` on the dialog it opens,
// from inside the dialog's own loop.
template <typename Check>
void inDialogOf(const QString &button, Check check)
{
    MainWindow window;
    window.show();
    auto *launch = window.findChild<QPushButton *>(button);
    QVERIFY2(launch, qPrintable(button));
    QVERIFY2(testing::withLaunchedDialog(launch, check, 20000),
             qPrintable(button + QStringLiteral(" opened no dialog")));
}

void launchButtonRows()
{
    QTest::addColumn<QString>("button");
    MainWindow window;
    for (QPushButton *button : testing::launchButtons(&window))
        QTest::newRow(qPrintable(button->text())) << button->objectName();
}

} // namespace

class tst_AccessibleNames : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Q_INIT_RESOURCE(images); }
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void everyFieldHasItsOwnName_data() { launchButtonRows(); }
    void everyFieldHasItsOwnName();
    void namesGoThroughTranslation_data() { launchButtonRows(); }
    void namesGoThroughTranslation();
    void runnerCountNameFollowsTheChosenItem_data();
    void runnerCountNameFollowsTheChosenItem();
    void logoAndCredits();
};

// Each input and result is named, by a name no other field of the dialog shares and that is not
// merely the group box's title; a label that stands beside a field is read as part of its name.
void tst_AccessibleNames::everyFieldHasItsOwnName()
{
    QFETCH(QString, button);
    inDialogOf(button, [](QDialog *dialog) {
        auto *group = dialog->findChild<QGroupBox *>(QStringLiteral("groupBox"));
        QVERIFY2(group, "groupBox");
        QHash<QString, QString> owner; // name -> object name
        for (QWidget *page : pages(dialog)) {
            const QList<QWidget *> onPage = fields(page);
            QVERIFY2(!onPage.isEmpty(), qPrintable(page->objectName()));
            bool hasResult = false;
            for (QWidget *field : onPage) {
                const QString what = dialog->objectName() + "." + field->objectName();
                hasResult = hasResult || qobject_cast<QLineEdit *>(field);
                QVERIFY2(QAccessible::queryAccessibleInterface(field), qPrintable(what));
                const QString name = accessibleName(field);
                QVERIFY2(!name.trimmed().isEmpty(), qPrintable(what));
                QVERIFY2(name != group->title(), qPrintable(what + ": " + name));
                QVERIFY2(!owner.contains(name),
                         qPrintable(what + " and " + owner.value(name) + " are both " + name));
                owner.insert(name, field->objectName());
            }
            QVERIFY2(hasResult, qPrintable(page->objectName() + " has no result field"));
        }
        for (QLabel *label : dialog->findChildren<QLabel *>()) {
            if (QWidget *buddy = label->buddy()) {
                QVERIFY2(accessibleName(buddy).contains(label->text()),
                         qPrintable(buddy->objectName() + ": " + accessibleName(buddy)
                                    + " leaves out " + label->text()));
            }
        }
    });
}

// Names are form texts: a language change sets them again, through the translator.
void tst_AccessibleNames::namesGoThroughTranslation()
{
    QFETCH(QString, button);
    inDialogOf(button, [](QDialog *dialog) {
        const QList<QWidget *> all = fields(dialog);
        const QStringList before = names(all);
        const QString title = dialog->windowTitle();
        testing::MarkingTranslator translator(dialog->objectName().toLatin1());
        QCoreApplication::installTranslator(&translator);
        QTRY_COMPARE(dialog->windowTitle(), "[" + title + "]");
        const QStringList after = names(all);
        QCoreApplication::removeTranslator(&translator);
        for (qsizetype i = 0; i < all.size(); ++i)
            QCOMPARE(after.at(i), "[" + before.at(i) + "]");
        QTRY_COMPARE(names(all), before);
    });
}

void tst_AccessibleNames::runnerCountNameFollowsTheChosenItem_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("caption");
    QTest::newRow("earned-run runners") << 0 << "走者数";
    QTest::newRow("they scored") << 1 << "得点させた走者数";
    QTest::newRow("unearned-run runners") << 2 << "走者数";
    QTest::newRow("those scored") << 3 << "得点させた走者数";
}

// The count on the runners-at-entry page is relabelled by the chosen item; its name follows,
// also after a language change, and stays apart from the runners-left page's count.
void tst_AccessibleNames::runnerCountNameFollowsTheChosenItem()
{
    QFETCH(int, item);
    QFETCH(QString, caption);
    PRP dialog;
    auto *combo = dialog.findChild<QComboBox *>(QStringLiteral("comboBox_3"));
    auto *count = dialog.findChild<QSpinBox *>(QStringLiteral("spinBox_2"));
    auto *label = dialog.findChild<QLabel *>(QStringLiteral("label_2"));
    auto *otherCount = dialog.findChild<QSpinBox *>(QStringLiteral("spinBox_4"));
    QVERIFY2(combo && count && label && otherCount, "comboBox_3, spinBox_2, label_2, spinBox_4");

    const QString first = accessibleName(count);
    combo->setCurrentIndex(item);
    QCOMPARE(label->text(), caption);
    const QString name = accessibleName(count);
    QVERIFY2(name.endsWith(caption), qPrintable(name));
    QCOMPARE(name == first, item == 0 || item == 2);
    QVERIFY(name != accessibleName(otherCount));

    testing::MarkingTranslator translator("PRP");
    QCoreApplication::installTranslator(&translator);
    QTRY_VERIFY(dialog.windowTitle().startsWith('['));
    combo->setCurrentIndex(item);
    QCOMPARE(accessibleName(count), "[" + name + "]");
    QCoreApplication::removeTranslator(&translator);
    QTRY_VERIFY(!dialog.windowTitle().startsWith('['));
    combo->setCurrentIndex(item);
    QCOMPARE(accessibleName(count), name);
}

void tst_AccessibleNames::logoAndCredits()
{
    MainWindow window;
    window.show();
    auto *logo = window.findChild<QLabel *>(QStringLiteral("label"));
    auto *credits = window.findChild<QLabel *>(QStringLiteral("label_2"));
    QVERIFY2(logo && credits, "label, label_2");

    QAccessibleInterface *image = QAccessible::queryAccessibleInterface(logo);
    QVERIFY(image);
    QCOMPARE(image->role(), QAccessible::Graphic);
    QCOMPARE(image->text(QAccessible::Name), QStringLiteral("Sekivo プロ野球記録計算機 Ver " SEKIVO_DISPLAY_VERSION));
    // The credits keep their own text, link included, and stay in the window's tree.
    QVERIFY(accessibleName(credits).contains(QStringLiteral("Sekivo ホームページ")));
    QAccessibleInterface *root = QAccessible::queryAccessibleInterface(&window);
    bool inTree = false;
    const std::function<void(QAccessibleInterface *)> walk = [&](QAccessibleInterface *node) {
        for (int i = 0; i < node->childCount(); ++i) {
            QAccessibleInterface *c = node->child(i);
            inTree = inTree || (c && c->object() == credits);
            if (c)
                walk(c);
        }
    };
    walk(root);
    QVERIFY(inTree);
}

QTEST_MAIN(tst_AccessibleNames)
#include "tst_accessiblenames.moc"
