#include "calculators/team/tstdrows.h"
#include "ui_tstd.h"

#include "calculators/common/inputs.h"
#include "calculators/common/optionalspinbox.h"

#include <QDialog>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>

#include <vector>

namespace {

QString letter(int row)
{
    return QString(QChar(u'A' + row));
}

QString letters(int pair)
{
    const calc::PairRows rows = calc::pairRows(pair);
    return letter(rows.first) + letter(rows.second);
}

template <typename T> T *named(T *widget, const QString &name)
{
    widget->setObjectName(name);
    return widget;
}

} // namespace

// A team's inputs in reading order, and with its letter in front.
QList<QWidget *> TSTDRows::Team::inputs() const
{
    return { name, wins, losses, draws, lastRank };
}

QList<QWidget *> TSTDRows::Team::widgets() const
{
    return QList<QWidget *> { letter } + inputs();
}

QList<QWidget *> TSTDRows::Pair::figures() const
{
    if (!firstWins)
        return {};
    return { firstWins, secondWins, draws, remaining };
}

TSTDRows::TSTDRows(Ui::TSTD &ui, QSize available)
    : m_ui(ui)
    , m_small(available.width() < 900)
{
    buildTeams();
    chainForTab();
    buildPairs();
    fitSmallScreen();
}

// Under the headings of the first row: the row's letter, naming its team's name field.
void TSTDRows::buildTeams()
{
    QWidget *area = m_ui.widget;
    const QString lastRankTip = m_ui.label_8->toolTip();
    const int nameWidth = area->fontMetrics().horizontalAdvance(u'国') * 8;
    for (int row = 0; row < calc::maxLeagueTeams; ++row) {
        const QString at = letter(row);
        const auto count = [&](const char *what, int maximum) {
            auto *box = named(new QSpinBox(area), QLatin1String(what) + u'_' + at);
            box->setMaximum(maximum);
            return box;
        };
        Team team { named(new QLabel(at, area), QStringLiteral("teamLetter_") + at),
            named(new QLineEdit(area), QStringLiteral("teamName_") + at),
            count("teamWins", calc::maxSeasonGames), count("teamLosses", calc::maxSeasonGames),
            count("teamDraws", calc::maxSeasonGames), count("teamLastRank", calc::maxLeagueTeams) };
        team.name->setMaxLength(calc::maxTeamNameLength);
        // Room for the longest club names in use, without pushing the counts far right.
        team.name->setMinimumWidth(nameWidth);
        team.letter->setBuddy(team.name);
        team.name->setAccessibleName(tr("%1 チーム名").arg(at));
        team.lastRank->setToolTip(lastRankTip);
        int column = 0;
        for (QWidget *w : team.widgets())
            m_ui.gridLayout->addWidget(w, row + 1, column++);
        m_teams.append(team);
    }
    m_ui.gridLayout->setRowStretch(calc::maxLeagueTeams + 1, 1);
}

// A pair reads as the papers print it, 巨人–阪神 12 10 1 2, under one line of captions: 勝 敗 分
// 残り. On one line, or on a small screen its figures on a line of their own under its name, so
// that they fit beside the team rows. Every pair's name is there from the start, and a pair
// whose figures are not built yet takes the room it will take with them: building them moves
// nothing.
void TSTDRows::buildPairs()
{
    QWidget *area = m_ui.scrollAreaWidgetContents;
    const int firstFigure = m_small ? 0 : 1;
    int column = firstFigure;
    for (const auto &[name, text] : { std::pair("FirstWins", "勝"), std::pair("SecondWins", "敗"),
             std::pair("Draws", "分"), std::pair("Remaining", "残り") }) {
        auto *caption = named(
            new QLabel(tr(text), area), QStringLiteral("pairCaption") + QLatin1String(name));
        m_ui.gridLayout_3->addWidget(caption, 0, column++, Qt::AlignHCenter);
        m_caption = caption;
    }
    for (int index = 0; index < calc::pairCount; ++index) {
        m_pairs.append({ named(new QLabel(area), QStringLiteral("pairName_") + letters(index)) });
        placePair(m_pairs.last(), index);
    }
    buildFigures(0);
    const int figure = m_pairs.first().firstWins->sizeHint().height();
    const int name = m_pairs.first().name->sizeHint().height();
    m_rowHeight = m_small ? name + m_ui.gridLayout_3->verticalSpacing() + figure
                          : std::max(name, figure);
    m_ui.gridLayout_3->setColumnStretch(firstFigure + 4, 1);
    m_ui.gridLayout_3->setRowStretch(row(calc::pairCount), 1);
}

// The pair's four figures, in its row, showing what the form gave them so far, and in Tab
// order after the pair before it.
QList<QWidget *> TSTDRows::buildFigures(int index)
{
    Pair &pair = m_pairs[index];
    if (pair.firstWins)
        return {};
    QWidget *area = m_ui.scrollAreaWidgetContents;
    const QString at = letters(index);
    const auto figure = [area, &at](const char *what) {
        auto *box = named(new calc::OptionalSpinBox(area), QLatin1String(what) + u'_' + at);
        box->setMaximum(calc::maxPairGames);
        box->setButtonSymbols(QAbstractSpinBox::NoButtons);
        box->setAlignment(Qt::AlignRight);
        return box;
    };
    pair.firstWins = figure("pairFirstWins");
    pair.secondWins = figure("pairSecondWins");
    pair.draws = figure("pairDraws");
    pair.remaining = figure("pairRemaining");
    placePair(pair, index);

    QWidget *previous = m_teams.last().inputs().last();
    for (int before = index - 1; before >= 0; --before) {
        if (m_pairs.at(before).remaining) {
            previous = m_pairs.at(before).remaining;
            break;
        }
    }
    const QList<QWidget *> figures = pair.figures();
    for (QWidget *w : figures) {
        QWidget::setTabOrder(previous, w);
        previous = w;
    }
    showPair(index);
    // Said outright: a field added to a form on the screen would show itself otherwise.
    for (QWidget *w : figures)
        w->setVisible(calc::pairRows(index).second < m_counted);
    countPair(index);
    if (!m_names.isEmpty())
        namePair(index);
    derivePair(index);
    return figures;
}

void TSTDRows::placePair(const Pair &pair, int index)
{
    const QList<QWidget *> figures = pair.figures();
    const int row = this->row(index);
    if (figures.isEmpty()) {
        if (m_small)
            m_ui.gridLayout_3->addWidget(pair.name, row, 0, 1, 4);
        else
            m_ui.gridLayout_3->addWidget(pair.name, row, 0);
    }
    for (int column = 0; column < figures.size(); ++column)
        m_ui.gridLayout_3->addWidget(
            figures.at(column), row + (m_small ? 1 : 0), column + (m_small ? 0 : 1));
}

// The pairs the scroll area shows when the dialog opens, at the most as tall as the team rows
// or the buttons beside it: after the captions, as many pairs of the teams counted as that
// height holds.
QList<QWidget *> TSTDRows::buildInSight()
{
    const QGridLayout *grid = m_ui.gridLayout_3;
    const int bottom = std::max(m_ui.widget->sizeHint().height(),
                           m_ui.verticalLayout_4->sizeHint().height())
        - 2 * m_ui.scrollArea->frameWidth();
    int top = grid->contentsMargins().top() + m_caption->sizeHint().height();
    QList<QWidget *> built;
    for (int index = 0; index < calc::pairCount && top < bottom; ++index) {
        if (calc::pairRows(index).second >= m_counted)
            continue;
        top += grid->verticalSpacing() + m_rowHeight;
        built += buildFigures(index);
    }
    return built;
}

QList<QWidget *> TSTDRows::buildRest()
{
    QList<QWidget *> built;
    for (int index = 0; index < calc::pairCount; ++index)
        built += buildFigures(index);
    return built;
}

// From カード試合数 through the teams to 計算; each pair's figures go in before 計算 as they are
// built.
void TSTDRows::chainForTab()
{
    QWidget *previous = m_ui.spinBox_3;
    const auto chain = [&previous](QWidget *next) {
        QWidget::setTabOrder(previous, next);
        previous = next;
    };
    for (const Team &team : std::as_const(m_teams)) {
        for (QWidget *w : team.inputs())
            chain(w);
    }
    chain(m_ui.pushButton_2);
}

// 683 x 384 (1366 x 768 at 200 %) holds the settings, the team rows, the buttons, six teams'
// results and the summary only packed: the fields as tall as their text, narrow margins and
// no group title (the window's title names the form).
void TSTDRows::fitSmallScreen()
{
    if (!m_small)
        return;
    m_ui.verticalLayout_2->setContentsMargins(4, 4, 4, 4);
    m_ui.gridLayout_2->setContentsMargins(4, 4, 4, 4);
    m_ui.gridLayout_2->setSpacing(4);
    m_ui.gridLayout_3->setContentsMargins(4, 4, 4, 4);
    m_ui.gridLayout_3->setHorizontalSpacing(4);
    m_ui.groupBox->setTitle(QString());
    // A field as tall as its text and its frame, 19 px where a line of text takes 14.
    const int line = m_ui.widget->fontMetrics().height() + 5;
    QList<QWidget *> fields
        = { m_ui.comboBox, m_ui.spinBox, m_ui.spinBox_2, m_ui.spinBox_3, m_ui.lineEdit };
    for (const Team &team : std::as_const(m_teams))
        fields += team.inputs();
    for (QWidget *w : std::as_const(fields))
        w->setMaximumHeight(line);
}

// The dialog opens no larger than it must: every window's pixels are fresh memory, which the
// system hands over page by page, and on some machines that is most of the opening's time.
// The pairs beside the team rows scroll; the results show six teams under every heading.
void TSTDRows::sizeToScreen(QDialog *dialog, QSize frame) const
{
    QTableWidget *results = m_ui.tableWidget;
    const int border = 2 * results->frameWidth();
    const int line = results->fontMetrics().height() + 2;
    results->verticalHeader()->setMinimumSectionSize(0);
    results->verticalHeader()->setDefaultSectionSize(line);
    results->setFixedHeight(
        results->horizontalHeader()->sizeHint().height() + calc::maxLeagueTeams * line + border);
    results->setMinimumWidth(results->horizontalHeader()->length() + border);
    const QSize available = dialog->screen()->availableGeometry().size() - frame;
    dialog->resize(dialog->sizeHint().boundedTo(available).expandedTo(dialog->minimumSizeHint()));
}

void TSTDRows::read(calc::LeagueForm &form) const
{
    for (int row = 0; row < m_teams.size(); ++row) {
        const Team &team = m_teams.at(row);
        form.teams.at(row) = { team.name->text().trimmed(), calc::readInt(team.wins),
            calc::readInt(team.losses), calc::readInt(team.draws), calc::readInt(team.lastRank) };
    }
    for (int index = 0; index < m_pairs.size(); ++index) {
        const Pair &pair = m_pairs.at(index);
        form.pairs.at(index) = pair.firstWins
            ? calc::PairRecord { pair.firstWins->optionalValue(), pair.secondWins->optionalValue(),
                  pair.draws->optionalValue(), pair.remaining->optionalValue() }
            : m_records.at(index);
    }
}

void TSTDRows::show(const calc::LeagueForm &form)
{
    std::vector<QSignalBlocker> quiet;
    quiet.reserve(5 * (m_teams.size() + m_pairs.size()));
    for (int row = 0; row < m_teams.size(); ++row) {
        const Team &team = m_teams.at(row);
        const calc::LeagueTeam &from = form.teams.at(row);
        for (QWidget *w : team.inputs())
            quiet.emplace_back(w);
        team.name->setText(from.name);
        team.wins->setValue(from.wins);
        team.losses->setValue(from.losses);
        team.draws->setValue(from.draws);
        team.lastRank->setValue(from.lastRank);
    }
    m_records = form.pairs;
    for (int index = 0; index < m_pairs.size(); ++index)
        showPair(index);
}

void TSTDRows::showPair(int index)
{
    const Pair &pair = m_pairs.at(index);
    if (!pair.firstWins)
        return;
    std::vector<QSignalBlocker> quiet;
    quiet.reserve(4);
    for (QWidget *w : pair.figures())
        quiet.emplace_back(w);
    const calc::PairRecord &from = m_records.at(index);
    pair.firstWins->setOptionalValue(from.firstWins);
    pair.secondWins->setOptionalValue(from.secondWins);
    pair.draws->setOptionalValue(from.draws);
    pair.remaining->setOptionalValue(from.remaining);
}

namespace {

// Only what changes is touched: switching every field each time would cost the opening.
void setCounted(QWidget *w, bool counted, bool shown)
{
    if (w->isEnabled() != counted)
        w->setEnabled(counted);
    if (w->isVisibleTo(w->parentWidget()) != shown)
        w->setVisible(shown);
}

} // namespace

void TSTDRows::count(int teams)
{
    m_counted = teams;
    for (int row = 0; row < m_teams.size(); ++row) {
        for (QWidget *w : m_teams.at(row).widgets())
            setCounted(w, row < teams, true);
    }
    for (int index = 0; index < m_pairs.size(); ++index)
        countPair(index);
}

// A pair shown without its figures yet keeps their room: the line of its name is as tall as
// the name and its figures.
void TSTDRows::countPair(int index)
{
    const bool counted = calc::pairRows(index).second < m_counted;
    const Pair &pair = m_pairs.at(index);
    for (QWidget *w : QList<QWidget *> { pair.name } + pair.figures())
        setCounted(w, counted, counted);
    m_ui.gridLayout_3->setRowMinimumHeight(
        row(index), counted && !pair.firstWins ? m_rowHeight : 0);
}

// A pair's line in the grid, under the captions; on a small screen every other line, its
// figures on the one after.
int TSTDRows::row(int pair) const
{
    return m_small ? 1 + 2 * pair : 1 + pair;
}

void TSTDRows::follow(const calc::LeagueForm &form)
{
    QStringList names;
    for (int row = 0; row < calc::maxLeagueTeams; ++row)
        names.append(calc::teamName(form, row));
    if (names != m_names)
        nameInputs(names);
    for (int index = 0; index < m_pairs.size(); ++index) {
        m_derived.at(index) = calc::derivedRemaining(form, index);
        derivePair(index);
    }
}

void TSTDRows::derivePair(int index)
{
    if (calc::OptionalSpinBox *remaining = m_pairs.at(index).remaining)
        remaining->setDerived(m_derived.at(index), tr("カード試合数から"));
}

void TSTDRows::retranslate()
{
    if (m_small)
        m_ui.groupBox->setTitle(QString());
    for (int row = 0; row < m_teams.size(); ++row)
        m_teams.at(row).name->setAccessibleName(tr("%1 チーム名").arg(letter(row)));
    nameInputs(m_names);
}

void TSTDRows::nameInputs(const QStringList &names)
{
    m_names = names;
    for (int row = 0; row < m_teams.size(); ++row) {
        const Team &team = m_teams.at(row);
        const QString &name = names.at(row);
        team.wins->setAccessibleName(tr("%1 勝数").arg(name));
        team.losses->setAccessibleName(tr("%1 敗数").arg(name));
        team.draws->setAccessibleName(tr("%1 引分").arg(name));
        team.lastRank->setAccessibleName(tr("%1 前年順位").arg(name));
    }
    for (int index = 0; index < m_pairs.size(); ++index)
        namePair(index);
    // A scroll area asks for little room of its own; the pairs' lines, as long as their names
    // make them, never scroll sideways (the dialog widens instead).
    QScrollArea *pairs = m_ui.scrollArea;
    pairs->setMinimumWidth(m_ui.scrollAreaWidgetContents->sizeHint().width()
        + pairs->verticalScrollBar()->sizeHint().width() + 2 * pairs->frameWidth());
}

void TSTDRows::namePair(int index)
{
    const Pair &pair = m_pairs.at(index);
    const calc::PairRows rows = calc::pairRows(index);
    const QString &first = m_names.at(rows.first);
    const QString &second = m_names.at(rows.second);
    pair.name->setText(QStringLiteral("%1–%2").arg(first, second));
    if (!pair.firstWins)
        return;
    pair.firstWins->setAccessibleName(tr("%1–%2 %1の勝数").arg(first, second));
    pair.secondWins->setAccessibleName(tr("%1–%2 %2の勝数").arg(first, second));
    pair.draws->setAccessibleName(tr("%1–%2 引分").arg(first, second));
    pair.remaining->setAccessibleName(tr("%1–%2 残り直接対決").arg(first, second));
}
