#include "calculators/team/tstd.h"
#include "ui_tstd.h"

#include "calculators/common/inputs.h"
#include "calculators/team/standings.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>

namespace {

constexpr int teamCount = 6;

QString letter(int row)
{
    return QString(QChar(u'A' + row));
}

} // namespace

TSTD::TSTD(QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::TSTD>())
{
    ui->setupUi(this);
    buildRows();
    nameInputs();
    calc::setUpInputs(this);

    // Every row of the table shows at once, the inputs scroll above it.
    QTableWidget *table = ui->tableWidget;
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->verticalHeader()->setMinimumSectionSize(0);
    table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    table->setFixedHeight(table->horizontalHeader()->sizeHint().height()
        + teamCount * table->verticalHeader()->defaultSectionSize() + 2 * table->frameWidth());

    // Tab scrolls a field into view by itself; a field reached otherwise (from the buttons
    // round to the start, say) is brought into view here.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now && ui->scrollAreaWidgetContents->isAncestorOf(now))
            ui->scrollArea->ensureWidgetVisible(now);
    });
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

// A row per team under the headings of gridLayout, a cell per pair, two to a row, under those
// of gridLayout_2; named and chained for Tab in reading order after 全試合数.
void TSTD::buildRows()
{
    QWidget *area = ui->scrollAreaWidgetContents;
    int spinBoxes = 2;
    int labels = 12;
    const auto spinBox = [&](int maximum) {
        auto *box = new QSpinBox(area);
        box->setObjectName(QStringLiteral("spinBox_%1").arg(++spinBoxes));
        box->setMaximum(maximum);
        return box;
    };
    const auto label = [&](const QString &text) {
        auto *label = new QLabel(text, area);
        label->setObjectName(QStringLiteral("label_%1").arg(++labels));
        return label;
    };

    QWidget *previous = ui->spinBox_2;
    const auto chain = [&previous](QWidget *next) {
        setTabOrder(previous, next);
        previous = next;
    };
    for (int row = 0; row < teamCount; ++row) {
        TeamRow team { label(letter(row)), new QLineEdit(area), spinBox(999), spinBox(999),
            spinBox(999), spinBox(teamCount) };
        team.name->setObjectName(QStringLiteral("lineEdit_%1").arg(row + 2));
        // Room for the longest club names in use, without pushing the counts far right.
        team.name->setMaximumWidth(team.name->fontMetrics().horizontalAdvance(u'国') * 8);
        team.letter->setBuddy(team.name);
        const QList<QWidget *> cells
            = { team.letter, team.name, team.wins, team.losses, team.draws, team.lastRank };
        for (int column = 0; column < cells.size(); ++column) {
            ui->gridLayout->addWidget(cells.at(column), row + 1, column);
            if (column > 0)
                chain(cells.at(column));
        }
        connect(team.name, &QLineEdit::textChanged, this, &TSTD::nameInputs);
        m_teams.append(team);
    }
    for (int first = 0; first < teamCount; ++first) {
        for (int second = first + 1; second < teamCount; ++second) {
            const PairRow pair { first, second, label(QString()), label(QStringLiteral("–")),
                spinBox(99), spinBox(99), spinBox(99) };
            const int row = 1 + int(m_pairs.size()) / 2;
            const int column = 6 * (m_pairs.size() % 2); // column 5 keeps the two apart
            ui->gridLayout_2->addWidget(pair.label, row, column);
            ui->gridLayout_2->addWidget(pair.firstWins, row, column + 1);
            ui->gridLayout_2->addWidget(pair.dash, row, column + 2);
            ui->gridLayout_2->addWidget(pair.secondWins, row, column + 3);
            ui->gridLayout_2->addWidget(pair.remaining, row, column + 4);
            for (QWidget *box : { pair.firstWins, pair.secondWins, pair.remaining })
                chain(box);
            m_pairs.append(pair);
        }
    }
    chain(ui->pushButton_2);
    ui->gridLayout_2->setColumnMinimumWidth(5, fontMetrics().height());
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
    for (const PairRow &pair : std::as_const(m_pairs)) {
        const QString &first = names.at(pair.first);
        const QString &second = names.at(pair.second);
        pair.label->setText(QStringLiteral("%1–%2").arg(first, second));
        pair.firstWins->setAccessibleName(tr("%1–%2 %1の勝数").arg(first, second));
        pair.secondWins->setAccessibleName(tr("%1–%2 %2の勝数").arg(first, second));
        pair.remaining->setAccessibleName(tr("%1–%2 残り直接対決").arg(first, second));
    }
}

void TSTD::on_spinBox_valueChanged(int teams)
{
    for (int row = 0; row < m_teams.size(); ++row) {
        const TeamRow &team = m_teams.at(row);
        for (QWidget *w : std::initializer_list<QWidget *> {
                 team.letter, team.name, team.wins, team.losses, team.draws, team.lastRank })
            w->setEnabled(row < teams);
    }
    for (const PairRow &pair : std::as_const(m_pairs)) {
        for (QWidget *w : std::initializer_list<QWidget *> {
                 pair.label, pair.dash, pair.firstWins, pair.secondWins, pair.remaining })
            w->setEnabled(pair.second < teams);
    }
}

void TSTD::on_pushButton_2_clicked()
{
    calc::LeagueInput input;
    input.league
        = ui->comboBox->currentIndex() == 1 ? calc::League::Pacific : calc::League::Central;
    input.games = calc::readInt(ui->spinBox_2);
    const int teams = calc::readInt(ui->spinBox);
    for (int row = 0; row < teams; ++row) {
        const TeamRow &team = m_teams.at(row);
        input.teams.append({ team.name->text(), calc::readInt(team.wins),
            calc::readInt(team.losses), calc::readInt(team.draws), calc::readInt(team.lastRank) });
    }
    for (const PairRow &pair : std::as_const(m_pairs)) {
        if (pair.second < teams) {
            input.pairs.append({ calc::readInt(pair.firstWins), calc::readInt(pair.secondWins),
                calc::readInt(pair.remaining) });
        }
    }
    const calc::Standings result = calc::standings(input);
    showResult(result.rows, result.summary);
}

void TSTD::showResult(const QList<QStringList> &rows, const QString &summary)
{
    QTableWidget *table = ui->tableWidget;
    table->setRowCount(int(rows.size()));
    for (int row = 0; row < table->rowCount(); ++row) {
        const QStringList &cells = rows.at(row);
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
    ui->lineEdit->setText(summary);
}

// The table as tab-separated lines, header first and the summary last, so that it lands in
// the cells of a spreadsheet.
void TSTD::on_pushButton_3_clicked()
{
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

// Fills the team rows from A with a standings table from the clipboard; the league, the
// season's games, last season's ranks and the pairs stay as they are.
void TSTD::on_pushButton_4_clicked()
{
    const QList<calc::PastedTeam> pasted
        = calc::parseStandings(QGuiApplication::clipboard()->text());
    if (pasted.isEmpty() || pasted.size() > m_teams.size()) {
        ui->lineEdit->setText(pasted.isEmpty()
                ? QStringLiteral("貼り付け: 順位表の行が見つかりません")
                : QStringLiteral("貼り付け: %1チームは多すぎます（6チームまで）")
                      .arg(pasted.size()));
        return;
    }
    ui->spinBox->setValue(int(pasted.size()));
    for (int row = 0; row < pasted.size(); ++row) {
        const TeamRow &team = m_teams.at(row);
        const calc::PastedTeam &from = pasted.at(row);
        team.name->setText(from.name);
        team.wins->setValue(from.wins);
        team.losses->setValue(from.losses);
        team.draws->setValue(from.draws);
    }
}

void TSTD::on_pushButton_clicked()
{
    close();
}
