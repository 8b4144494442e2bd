#include "calculators/team/tstd.h"
#include "ui_tstd.h"

#include "calculators/common/inputs.h"
#include "calculators/common/optionalspinbox.h"
#include "calculators/common/settingsname.h"
#include "calculators/team/league/copytext.h"
#include "calculators/team/league/form.h"
#include "calculators/team/league/pastedtable.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>

namespace {

QString letter(int row)
{
    return QString(QChar(u'A' + row));
}

calc::League leagueOf(int index)
{
    return index == 1 ? calc::League::Pacific : calc::League::Central;
}

} // namespace

TSTD::TSTD(QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::TSTD>())
{
    ui->setupUi(this);
    // The one calculator that can be made larger, for long names and all fifteen pairs at once.
    setSizeGripEnabled(true);
    buildRows();
    calc::setUpInputs(this);

    QTableWidget *results = ui->tableWidget;
    results->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    results->verticalHeader()->setMinimumSectionSize(0);
    results->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    // The team rows are packed so that they and the results' first rows fit a small screen
    // (1366 x 768 at 200 %); the pairs and the results take whatever height and width is left.
    ui->gridLayout->setVerticalSpacing(2);
    ui->gridLayout_2->setRowStretch(2, 1);
    ui->gridLayout_2->setColumnStretch(2, 1);
    results->setMinimumHeight(results->horizontalHeader()->sizeHint().height()
        + results->verticalHeader()->defaultSectionSize() + 2 * results->frameWidth());

    // Tab scrolls a pair's field into view by itself; one reached otherwise (a shortcut, the
    // buttons round to the start) is brought into view here.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now && ui->scrollAreaWidgetContents->isAncestorOf(now))
            ui->scrollArea->ensureWidgetVisible(now);
    });

    // Whatever is changed, the result shown no longer belongs to the inputs; a name changed
    // also renames the fields that carry it. While a whole form is shown, that is done once.
    const auto changed = [this] {
        if (!m_showingForm)
            clearResult();
    };
    for (QSpinBox *box : findChildren<QSpinBox *>()) {
        connect(box, &QSpinBox::valueChanged, this, changed);
        // A field emptied, or typed into past its range, changes no value yet.
        if (auto *edit = box->findChild<QLineEdit *>())
            connect(edit, &QLineEdit::textEdited, this, changed);
    }
    for (const TeamRow &team : std::as_const(m_teams)) {
        connect(team.name, &QLineEdit::textChanged, this, changed);
        connect(team.name, &QLineEdit::textChanged, this, [this] {
            if (!m_showingForm)
                nameInputs();
        });
    }

    m_leagues = calc::loadLeagues(
        QSettings(calc::settingsOrganization, QCoreApplication::applicationName()));
    {
        const QSignalBlocker blocker(ui->comboBox);
        ui->comboBox->setCurrentIndex(m_leagues.league);
    }
    showForm(m_leagues.forms.at(m_leagues.league));
    sizeToScreen();
    ui->comboBox->setFocus();
}

TSTD::~TSTD()
{
    // The form goes before the widgets, whose destruction can still move the focus.
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
}

void TSTD::changeEvent(QEvent *e)
{
    QDialog::changeEvent(e);
    if (e->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        nameInputs();
    }
}

void TSTD::done(int result)
{
    m_leagues.forms[m_leagues.league] = form();
    QSettings settings(calc::settingsOrganization, QCoreApplication::applicationName());
    calc::saveLeagues(settings, m_leagues);
    QDialog::done(result);
}

// A row per team under the headings of gridLayout, a row per pair in the scroll area; named
// and chained for Tab in reading order after カード試合数.
void TSTD::buildRows()
{
    QWidget *area = ui->widget;
    int spinBoxes = 3;
    int labels = 13;
    const auto spinBox = [&](QSpinBox *box) {
        box->setObjectName(QStringLiteral("spinBox_%1").arg(++spinBoxes));
        return box;
    };
    const auto count = [&](int maximum) {
        auto *box = spinBox(new QSpinBox(area));
        box->setMaximum(maximum);
        return box;
    };

    QWidget *previous = ui->spinBox_3;
    const auto chain = [&previous](QWidget *next) {
        setTabOrder(previous, next);
        previous = next;
    };
    for (int row = 0; row < calc::maxLeagueTeams; ++row) {
        TeamRow team { new QLabel(letter(row), area), new QLineEdit(area),
            count(calc::maxSeasonGames), count(calc::maxSeasonGames), count(calc::maxSeasonGames),
            count(calc::maxLeagueTeams) };
        team.letter->setObjectName(QStringLiteral("label_%1").arg(++labels));
        team.name->setObjectName(QStringLiteral("lineEdit_%1").arg(row + 2));
        team.name->setMaxLength(calc::maxTeamNameLength);
        // Room for the longest club names in use, without pushing the counts far right.
        team.name->setMinimumWidth(team.name->fontMetrics().horizontalAdvance(u'国') * 8);
        team.letter->setBuddy(team.name);
        team.lastRank->setToolTip(ui->label_8->toolTip());
        const QList<QWidget *> cells
            = { team.letter, team.name, team.wins, team.losses, team.draws, team.lastRank };
        for (int column = 0; column < cells.size(); ++column) {
            ui->gridLayout->addWidget(cells.at(column), row + 1, column);
            if (column > 0)
                chain(cells.at(column));
        }
        m_teams.append(team);
    }

    // A pair reads as the papers print it: 巨人–阪神 12勝10敗1分 残り2, on one line with room for
    // two long names. Where the screen is narrow (1366 px at 200 %) it takes three, its name
    // above its figures, so that they fit beside the team rows.
    const bool narrow = screen()->availableGeometry().width() < 900;
    if (narrow)
        ui->gridLayout_3->setHorizontalSpacing(4);
    QWidget *pairArea = ui->scrollAreaWidgetContents;
    for (int first = 0; first < calc::maxLeagueTeams; ++first) {
        for (int second = first + 1; second < calc::maxLeagueTeams; ++second) {
            const auto figure = [&] {
                auto *box = new calc::OptionalSpinBox(calc::maxPairGames, pairArea);
                box->setButtonSymbols(QAbstractSpinBox::NoButtons);
                box->setAlignment(Qt::AlignRight);
                return static_cast<calc::OptionalSpinBox *>(spinBox(box));
            };
            const auto text = [&](const QString &text) {
                auto *label = new QLabel(text, pairArea);
                label->setObjectName(QStringLiteral("label_%1").arg(++labels));
                return label;
            };
            PairRow pair { first, second, text(QString()), {}, figure(), figure(), figure(),
                figure() };
            pair.cells = { pair.label, pair.firstWins, text(tr("勝")), pair.secondWins,
                text(tr("敗")), pair.draws, text(tr("分")), text(tr("残り")), pair.remaining };
            const int row = int(m_pairs.size());
            if (narrow) {
                // 巨人–阪神 / 12 勝 10 敗 / 1 分 2 残り
                const QList<QWidget *> &c = pair.cells;
                const QList<QList<QWidget *>> lines
                    = { { c[0] }, { c[1], c[2], c[3], c[4] }, { c[5], c[6], c[8], c[7] } };
                for (int line = 0; line < lines.size(); ++line) {
                    for (int column = 0; column < lines.at(line).size(); ++column) {
                        ui->gridLayout_3->addWidget(lines.at(line).at(column), 3 * row + line,
                            column, 1, line == 0 ? -1 : 1);
                    }
                }
            } else {
                pair.label->setMinimumWidth(pair.label->fontMetrics().horizontalAdvance(
                    QStringLiteral("ソフトバンク–オリックス")));
                for (int column = 0; column < pair.cells.size(); ++column)
                    ui->gridLayout_3->addWidget(pair.cells.at(column), row, column);
            }
            for (QWidget *box : { pair.firstWins, pair.secondWins, pair.draws, pair.remaining })
                chain(box);
            m_pairs.append(pair);
        }
    }
    ui->gridLayout_3->setColumnStretch(ui->gridLayout_3->columnCount(), 1);
    ui->gridLayout_3->setRowStretch(ui->gridLayout_3->rowCount(), 1);
    chain(ui->pushButton_2);
}

// Pairs are labelled, and every field named for a screen reader, after the teams' names as
// typed; the names are form texts, set again on a change of language.
void TSTD::nameInputs()
{
    QStringList names;
    for (int row = 0; row < m_teams.size(); ++row)
        names.append(calc::teamName(m_teams.at(row).name->text(), row));
    for (int row = 0; row < m_teams.size(); ++row) {
        const TeamRow &team = m_teams.at(row);
        const QString &name = names.at(row);
        team.name->setAccessibleName(tr("%1 チーム名").arg(letter(row)));
        team.wins->setAccessibleName(tr("%1 勝数").arg(name));
        team.losses->setAccessibleName(tr("%1 敗数").arg(name));
        team.draws->setAccessibleName(tr("%1 引分").arg(name));
        team.lastRank->setAccessibleName(tr("%1 前年順位").arg(name));
    }
    for (int row = 0; row < m_pairs.size(); ++row) {
        const PairRow &pair = m_pairs.at(row);
        const QString &first = names.at(pair.first);
        const QString &second = names.at(pair.second);
        pair.label->setText(QStringLiteral("%1–%2").arg(first, second));
        pair.firstWins->setAccessibleName(tr("%1–%2 %1の勝数").arg(first, second));
        pair.secondWins->setAccessibleName(tr("%1–%2 %2の勝数").arg(first, second));
        pair.draws->setAccessibleName(tr("%1–%2 引分").arg(first, second));
        pair.remaining->setAccessibleName(tr("%1–%2 残り直接対決").arg(first, second));
    }
}

calc::LeagueForm TSTD::form() const
{
    calc::LeagueForm form;
    form.teamCount = calc::readInt(ui->spinBox);
    form.games = calc::readInt(ui->spinBox_2);
    if (const int pairGames = calc::readInt(ui->spinBox_3); pairGames > 0)
        form.pairGames = pairGames;
    for (int row = 0; row < m_teams.size(); ++row) {
        const TeamRow &team = m_teams.at(row);
        form.teams.at(row) = { team.name->text().trimmed(), calc::readInt(team.wins),
            calc::readInt(team.losses), calc::readInt(team.draws), calc::readInt(team.lastRank) };
    }
    for (int row = 0; row < m_pairs.size(); ++row) {
        const PairRow &pair = m_pairs.at(row);
        form.pairs.at(calc::pairIndex(pair.first, pair.second))
            = { calc::readOptional(pair.firstWins), calc::readOptional(pair.secondWins),
                  calc::readOptional(pair.draws), calc::readOptional(pair.remaining) };
    }
    return form;
}

void TSTD::showForm(const calc::LeagueForm &form)
{
    m_showingForm = true;
    ui->spinBox->setValue(form.teamCount);
    ui->spinBox_2->setValue(form.games);
    ui->spinBox_3->setValue(form.pairGames.value_or(0));
    for (int row = 0; row < m_teams.size(); ++row) {
        const TeamRow &team = m_teams.at(row);
        const calc::LeagueTeam &from = form.teams.at(row);
        team.name->setText(from.name);
        team.wins->setValue(from.wins);
        team.losses->setValue(from.losses);
        team.draws->setValue(from.draws);
        team.lastRank->setValue(from.lastRank);
    }
    for (const PairRow &pair : std::as_const(m_pairs)) {
        const calc::PairRecord &from
            = form.pairs.at(calc::pairIndex(pair.first, pair.second));
        pair.firstWins->setOptionalValue(from.firstWins);
        pair.secondWins->setOptionalValue(from.secondWins);
        pair.draws->setOptionalValue(from.draws);
        pair.remaining->setOptionalValue(from.remaining);
    }
    m_showingForm = false;
    nameInputs();
    on_spinBox_valueChanged(form.teamCount);
    clearResult();
}

// Opens as large as its contents ask, within the screen: the league's settings, the team rows
// and the buttons always show in full; the pairs and the results take what is left, and scroll
// (the results under their headings). Scroll areas ask for little room of their own, so what
// they want is counted here: every pair, and six teams' results.
void TSTD::sizeToScreen()
{
    QScrollArea *pairs = ui->scrollArea;
    QTableWidget *results = ui->tableWidget;
    const int frame = 2 * results->frameWidth();
    const QSize pairsWanted = ui->scrollAreaWidgetContents->sizeHint()
        + QSize(pairs->verticalScrollBar()->sizeHint().width() + frame, frame);
    const int resultsWanted = results->horizontalHeader()->sizeHint().height()
        + calc::maxLeagueTeams * results->verticalHeader()->defaultSectionSize() + frame;
    // Asked for as minimums for a moment, so that the layout adds them up as it places them.
    // The group box's size is cached by the dialog's layout until it is told of the change.
    const auto relayout = [this] {
        ui->gridLayout_2->activate();
        ui->groupBox->updateGeometry();
        layout()->activate();
    };
    const int resultsLeast = results->minimumHeight();
    pairs->setMinimumSize(pairsWanted);
    results->setMinimumHeight(resultsWanted);
    relayout();
    const QSize wanted = sizeHint();
    pairs->setMinimumSize(0, 0);
    results->setMinimumHeight(resultsLeast);
    relayout();

    // The window's frame and title bar, which the available area must also hold.
    const QSize decoration(16, 40);
    const QSize available = screen()->availableGeometry().size() - decoration;
    resize(wanted.boundedTo(available).expandedTo(minimumSizeHint()));
}

void TSTD::on_spinBox_valueChanged(int teams)
{
    for (int row = 0; row < m_teams.size(); ++row) {
        const TeamRow &team = m_teams.at(row);
        for (QWidget *w : std::initializer_list<QWidget *> {
                 team.letter, team.name, team.wins, team.losses, team.draws, team.lastRank })
            w->setEnabled(row < teams);
    }
    // Pairs of teams not counted go out of the way (and out of reach).
    for (const PairRow &pair : std::as_const(m_pairs)) {
        for (QWidget *w : pair.cells) {
            w->setEnabled(pair.second < teams);
            w->setVisible(pair.second < teams);
        }
    }
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
    showResult(calc::standings(leagueOf(ui->comboBox->currentIndex()), form()));
}

void TSTD::showResult(const calc::Standings &result)
{
    QTableWidget *table = ui->tableWidget;
    table->setRowCount(int(result.rows.size()));
    for (int row = 0; row < table->rowCount(); ++row) {
        const QStringList cells = calc::cells(result.rows.at(row));
        for (int column = 0; column < table->columnCount(); ++column) {
            auto *item = new QTableWidgetItem(cells.value(column));
            item->setTextAlignment(column == 1 ? Qt::AlignLeft | Qt::AlignVCenter
                    : column == 9              ? Qt::AlignCenter
                                               : Qt::AlignRight | Qt::AlignVCenter);
            // Read out with its team and column: "巨人 勝率 0.681".
            item->setData(Qt::AccessibleTextRole,
                QStringLiteral("%1 %2 %3")
                    .arg(cells.value(1), table->horizontalHeaderItem(column)->text(),
                        cells.value(column))
                    .trimmed());
            table->setItem(row, column, item);
        }
    }
    ui->lineEdit->setText(calc::summaryText(result));
    m_resultShown = true;
}

void TSTD::clearResult()
{
    ui->tableWidget->setRowCount(0);
    ui->lineEdit->clear();
    m_resultShown = false;
}

// The table as tab-separated lines, header first and the summary last, so that it lands in
// the cells of a spreadsheet; only a result of the inputs as they are.
void TSTD::on_pushButton_3_clicked()
{
    if (!m_resultShown) {
        ui->lineEdit->setText(
            QStringLiteral("コピー: 計算結果がありません（先に計算してください）"));
        return;
    }
    const QTableWidget *table = ui->tableWidget;
    QStringList lines;
    QStringList cells;
    for (int column = 0; column < table->columnCount(); ++column)
        cells.append(table->horizontalHeaderItem(column)->text());
    lines.append(cells.join(u'\t'));
    for (int row = 0; row < table->rowCount(); ++row) {
        cells.clear();
        for (int column = 0; column < table->columnCount(); ++column) {
            const QTableWidgetItem *item = table->item(row, column);
            cells.append(item ? item->text() : QString());
        }
        lines.append(cells.join(u'\t'));
    }
    lines.append(ui->lineEdit->text());
    QGuiApplication::clipboard()->setText(lines.join(u'\n'));
}

// Fills the form from a standings or head-to-head table on the clipboard, team by team: see
// calc::withPasted. The summary line says what was read and what was not.
void TSTD::on_pushButton_4_clicked()
{
    const calc::LeagueForm before = form();
    QStringList entered;
    for (int row = 0; row < before.teamCount; ++row)
        entered.append(before.teams.at(row).name);
    const calc::PastedTable table
        = calc::readPastedTable(QGuiApplication::clipboard()->text(), entered);
    const calc::PastedForm pasted = calc::withPasted(before, table);
    showForm(pasted.form);
    ui->lineEdit->setText(pasted.summary);
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
