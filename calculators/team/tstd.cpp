#include "calculators/team/tstd.h"
#include "ui_tstd.h"

#include "calculators/common/inputs.h"
#include "calculators/common/optionalspinbox.h"
#include "calculators/common/results.h"
#include "calculators/common/settingsname.h"
#include "calculators/team/league/copytext.h"
#include "calculators/team/league/form.h"
#include "calculators/team/league/pastedtable.h"
#include "calculators/team/tstdrows.h"

#include <QApplication>
#include <QClipboard>
#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QScreen>
#include <QSettings>
#include <QStyleOptionHeader>

namespace {

int indexOf(calc::League league)
{
    return league == calc::League::Pacific ? 1 : 0;
}

// Names to the left, the words of a chance (有, 無, 不明) centred, figures to the right.
Qt::Alignment alignment(const QString &heading)
{
    if (heading == u"チーム")
        return Qt::AlignLeft | Qt::AlignVCenter;
    if (heading.startsWith(u"自力"))
        return Qt::AlignCenter;
    return Qt::AlignRight | Qt::AlignVCenter;
}

} // namespace

TSTD::TSTD(QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::TSTD>())
{
    ui->setupUi(this);
    // The program's icon, shared with the window the dialog belongs to rather than read again.
    setWindowIcon(
        parent ? parent->window()->windowIcon() : QIcon(QStringLiteral(":/image/SK_ICO.ico")));
    // The one calculator that can be made larger, for long names and all fifteen pairs at once.
    setSizeGripEnabled(true);
    m_rows = std::make_unique<TSTDRows>(*ui, screen()->availableGeometry().size());
    calc::setUpInputs(this);
    setUpResults();

    // Tab scrolls a pair's field into view by itself; one reached otherwise (a shortcut, the
    // buttons round to the start) is brought into view here.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now && ui->scrollAreaWidgetContents->isAncestorOf(now))
            ui->scrollArea->ensureWidgetVisible(now);
    });

    m_leagues = calc::loadLeagues(
        QSettings(calc::settingsOrganization, QCoreApplication::applicationName()));
    {
        const QSignalBlocker blocker(ui->comboBox);
        ui->comboBox->setCurrentIndex(m_leagues.league);
    }
    showForm(m_leagues.forms.at(m_leagues.league));
    watchInputs({ this });
    takeFields(m_rows->buildInSight());
    // The frame of the window the dialog belongs to tells what the desktop's title bar and
    // borders take; without one, a common title bar's.
    QSize frame(16, 40);
    if (const QWidget *owner = parentWidget() ? parentWidget()->window() : nullptr)
        frame = owner->frameGeometry().size() - owner->size();
    m_rows->sizeToScreen(this, frame);
    ui->comboBox->setFocus();
}

TSTD::~TSTD()
{
    // The form goes before the widgets, whose destruction can still move the focus.
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
}

// The pairs out of sight get their figures right after the dialog has first been painted, or
// been activated if that comes first (a window system may hand over both at once): before any
// key can reach them, or the scroll bar move.
void TSTD::paintEvent(QPaintEvent *e)
{
    QDialog::paintEvent(e);
    if (!m_rowsComplete)
        QMetaObject::invokeMethod(this, &TSTD::completeRows, Qt::QueuedConnection);
}

void TSTD::completeRows()
{
    if (m_rowsComplete)
        return;
    m_rowsComplete = true;
    takeFields(m_rows->buildRest());
}

// Fields built after the form's others are set up and watched as those were.
void TSTD::takeFields(const QList<QWidget *> &fields)
{
    QList<QAbstractSpinBox *> boxes;
    for (QWidget *w : fields) {
        if (auto *box = qobject_cast<QAbstractSpinBox *>(w))
            boxes.append(box);
    }
    calc::setUpInputs(this, boxes);
    watchInputs(fields);
}

void TSTD::changeEvent(QEvent *e)
{
    QDialog::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow() && !m_rowsComplete)
        QMetaObject::invokeMethod(this, &TSTD::completeRows, Qt::QueuedConnection);
    if (e->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        m_rows->retranslate();
    }
}

void TSTD::done(int result)
{
    m_leagues.forms[m_leagues.league] = form();
    QSettings settings(calc::settingsOrganization, QCoreApplication::applicationName());
    calc::saveLeagues(settings, m_leagues);
    QDialog::done(result);
}

namespace {

// The widgets of kind T among `roots` and their children.
template <typename T> QList<T *> within(const QList<QWidget *> &roots)
{
    QList<T *> found;
    for (QWidget *root : roots) {
        if (auto *w = qobject_cast<T *>(root))
            found.append(w);
        found += root->findChildren<T *>();
    }
    return found;
}

} // namespace

// Whatever is changed, the result shown stays only while it is the result of the form as it
// is. Inputs are found by their kind, so that one added to the form is watched as well.
void TSTD::watchInputs(const QList<QWidget *> &roots)
{
    for (QSpinBox *box : within<QSpinBox>(roots))
        connect(box, &QSpinBox::valueChanged, this, &TSTD::inputChanged);
    for (QDoubleSpinBox *box : within<QDoubleSpinBox>(roots))
        connect(box, &QDoubleSpinBox::valueChanged, this, &TSTD::inputChanged);
    for (QComboBox *box : within<QComboBox>(roots))
        connect(box, &QComboBox::currentIndexChanged, this, &TSTD::inputChanged);
    for (QLineEdit *edit : within<QLineEdit>(roots)) {
        if (edit->isReadOnly())
            continue;
        if (!qobject_cast<QAbstractSpinBox *>(edit->parent())) {
            connect(edit, &QLineEdit::textChanged, this, &TSTD::inputChanged);
            continue;
        }
        // A field being emptied changes no value yet, and is a change all the same.
        connect(edit, &QLineEdit::textEdited, this, [this](const QString &text) {
            if (text.trimmed().isEmpty())
                clearResult();
            inputChanged();
        });
    }
}

void TSTD::inputChanged()
{
    const calc::LeagueForm now = form();
    m_rows->follow(now);
    if (!m_result || m_result->league != league() || m_result->form != now)
        clearResult();
}

bool TSTD::resultIsCurrent() const
{
    return m_result && m_result->league == league() && m_result->form == form();
}

calc::League TSTD::league() const
{
    return ui->comboBox->currentIndex() == 1 ? calc::League::Pacific : calc::League::Central;
}

calc::LeagueForm TSTD::form() const
{
    calc::LeagueForm form;
    form.teamCount = calc::readInt(ui->spinBox);
    form.games = calc::readInt(ui->spinBox_2);
    form.pairGames = ui->spinBox_3->optionalValue();
    m_rows->read(form);
    return form;
}

void TSTD::showForm(const calc::LeagueForm &form)
{
    {
        const QSignalBlocker teams(ui->spinBox);
        const QSignalBlocker games(ui->spinBox_2);
        const QSignalBlocker pairGames(ui->spinBox_3);
        ui->spinBox->setValue(form.teamCount);
        ui->spinBox_2->setValue(form.games);
        ui->spinBox_3->setOptionalValue(form.pairGames);
        m_rows->show(form);
    }
    on_spinBox_valueChanged(form.teamCount);
    inputChanged();
}

void TSTD::on_spinBox_valueChanged(int teams)
{
    m_rows->count(teams);
}

// The league's own form: the one shown is kept, the other one's shown.
void TSTD::on_comboBox_currentIndexChanged(int league)
{
    m_leagues.forms[m_leagues.league] = form();
    m_leagues.league = league;
    showForm(m_leagues.forms.at(league));
}

void TSTD::on_pushButton_2_clicked()
{
    const calc::League league = this->league();
    const calc::LeagueForm form = this->form();
    m_result = Result { league, form, calc::standings(league, form) };
    showResult(m_result->standings);
}

// The columns are the engine's, each cell read out with its team and heading: "巨人 勝率 0.681".
void TSTD::setUpResults()
{
    QTableWidget *table = ui->tableWidget;
    QHeaderView *header = table->horizontalHeader();
    const QStringList headings = calc::columnHeadings();
    // Each heading is measured in the header's own font. Qt measures one in bold, for a
    // highlighted heading, which these never are (nor the numbers a new column is headed with
    // until it has its heading, so the header is out of sight meanwhile); and a bold Japanese
    // font is loaded at a cost of a fifth of the dialog's first opening.
    header->setVisible(false);
    table->setColumnCount(int(headings.size()));
    QStyleOptionHeader option;
    option.initFrom(header);
    for (int column = 0; column < headings.size(); ++column) {
        option.text = headings.at(column);
        auto *item = new QTableWidgetItem(option.text);
        item->setData(Qt::SizeHintRole,
            header->style()->sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(), header));
        table->setHorizontalHeaderItem(column, item);
    }
    header->setVisible(true);
    // Fitted to the headings now and to the cells when a result is shown, not on every change
    // (each fitting measures every heading again).
    header->resizeSections(QHeaderView::ResizeToContents);
}

void TSTD::showResult(const calc::Standings &standings)
{
    QTableWidget *table = ui->tableWidget;
    const QStringList headings = calc::columnHeadings();
    table->setRowCount(int(standings.rows.size()));
    for (int row = 0; row < table->rowCount(); ++row) {
        const QStringList cells = calc::cells(standings.rows.at(row));
        const QString &team = cells.value(headings.indexOf(QStringLiteral("チーム")));
        for (int column = 0; column < headings.size(); ++column) {
            const QString &heading = headings.at(column);
            auto *item = new QTableWidgetItem(cells.value(column));
            item->setTextAlignment(alignment(heading));
            item->setData(Qt::AccessibleTextRole,
                QStringLiteral("%1 %2 %3").arg(team, heading, cells.value(column)).trimmed());
            table->setItem(row, column, item);
        }
    }
    table->resizeColumnsToContents();
    calc::showText(ui->lineEdit, calc::summaryText(standings));
}

void TSTD::clearResult()
{
    m_result.reset();
    ui->tableWidget->setRowCount(0);
    calc::showText(ui->lineEdit, QString());
}

// The table, its summary and the form it was computed from, as tab-separated lines that land
// in the cells of a spreadsheet; only a result of the inputs as they are.
void TSTD::on_pushButton_3_clicked()
{
    if (!resultIsCurrent()) {
        calc::showText(
            ui->lineEdit, QStringLiteral("コピー: 計算結果がありません（先に計算してください）"));
        return;
    }
    QGuiApplication::clipboard()->setText(
        calc::copyText(m_result->league, m_result->form, m_result->standings));
}

// Fills the form from a standings or head-to-head table on the clipboard, team by team (see
// calc::withPasted), in the league the table belongs to; the other league's form is kept. The
// summary line says what was read and what was not.
void TSTD::on_pushButton_4_clicked()
{
    const calc::LeagueForm shown = form();
    m_leagues.forms[m_leagues.league] = shown;
    QStringList entered;
    for (int row = 0; row < shown.teamCount; ++row)
        entered.append(shown.teams.at(row).name);
    const calc::PastedTable table
        = calc::readPastedTable(QGuiApplication::clipboard()->text(), entered);
    const calc::League to = calc::pastedLeague(table, league(), m_leagues.forms);
    if (to != league()) {
        const QSignalBlocker blocker(ui->comboBox);
        ui->comboBox->setCurrentIndex(indexOf(to));
        m_leagues.league = indexOf(to);
    }
    const calc::PastedForm pasted = calc::withPasted(m_leagues.forms.at(indexOf(to)), table);
    showForm(pasted.form);
    calc::showText(ui->lineEdit, pasted.summary);
}

// Empties the league's form; the other league's stays as it is.
void TSTD::on_pushButton_5_clicked()
{
    showForm(calc::LeagueForm());
}

void TSTD::on_pushButton_clicked()
{
    close();
}
