#include "window/analysis/history_tab.h"

#include <QDateTime>
#include <QVBoxLayout>

#include "analysis/analysis_csv.h"
#include "analysis/analysis_pages.h"
#include "desktop_adapters/qt_text.h"
#include "window/analysis/control_texts.h"
#include "window/analysis/page_lines.h"

namespace brakefell {
namespace {

std::optional<UtcMillis> NewestTime(const std::vector<HistoryEntry>& entries) {
    if (entries.empty()) {
        return std::nullopt;
    }
    return entries.back().time;
}

// Where an entry is among the entries read anew: the same entry, or else the newest of the same
// build (an entry restored from the end of a full history drops out as its copy comes in).
std::optional<std::size_t> FindAgain(const std::vector<HistoryEntry>& entries,
                                     const HistoryEntry& wanted) {
    std::optional<std::size_t> sameBuild;
    for (std::size_t at = 0; at < entries.size(); ++at) {
        if (entries[at].build != wanted.build) {
            continue;
        }
        if (entries[at].time == wanted.time) {
            return at;
        }
        sameBuild = at;
    }
    return sameBuild;
}

}  // namespace

HistoryTab::HistoryTab(CalculatorSession& session, AnalysisRunner& runner, QWidget* parent)
    : AnalysisTab(parent), session_(session), runner_(runner) {
    auto* content = new QWidget(this);
    summary_ = new QLabel(content);
    summary_->setObjectName(QStringLiteral("historySummary"));
    summary_->setWordWrap(true);
    summary_->setToolTip(TipOf(AnalysisWordOf("historySummary")));
    summary_->hide();
    // The change column holds the longest texts: it takes the room that is left.
    const ControlTexts& history = AnalysisWordOf("history");
    table_ = new AnalysisTableView(QString::fromUtf8(history.name), CaptionOf(history),
                                   AnalysisTableView::Fit::LastStretches, content);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setToolTip(TipOf(history));
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    csv_ = new CsvButton(QStringLiteral("historyCsv"), content);
    auto* top = new QHBoxLayout;
    top->addWidget(summary_, 1);
    top->addWidget(csv_);
    layout->addLayout(top);
    layout->addWidget(table_);
    pages_ = new NoteOrContent(content, this);
    pages_->setObjectName(QStringLiteral("historyPages"));
    pages_->setToolTip(TipOf(AnalysisWordOf("historyPages")));
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(pages_);

    // Activation is a double-click or Enter on this platform's item views.
    connect(table_, &QTableView::activated, this,
            [this](const QModelIndex& index) { restoreRow(table_->sourceRow(index.row())); });
}

void HistoryTab::refresh(const AnalysisInputs& inputs) {
    // The entries as they are now, and their readings of before when they are still the same.
    Valued valued{session_.history().entries(), nullptr, {}, session_.history().skippedLines()};
    if (readings_ && readings_->sheets.size() == valued.entries.size() &&
        newestRead_ == NewestTime(valued.entries)) {
        valued.readings = readings_;
    }
    // The metric the other tabs show (the one the inputs suggest when the chosen one cannot be
    // reckoned now); the chosen one while the inputs of now are refused, since past builds may
    // still have it.
    const std::optional<Metric> metric = inputs.metric ? inputs.metric : inputs.chosen;
    runner_.run(this, inputs.generation,
                [this, inputs, metric, valued = std::move(valued)]() mutable {
                    if (!valued.readings) {
                        valued.readings = std::make_shared<const HistoryReadings>(
                            ReadHistory(valued.entries, inputs.inputs));
                    }
                    if (metric && !valued.readings->sheets.empty()) {
                        valued.values = HistoryValues(valued.readings->sheets,
                                                      MetricProbe(inputs.catalogue(), *metric));
                    }
                    return [this, valued = std::move(valued), metric] { show(valued, metric); };
                });
}

void HistoryTab::show(const Valued& valued, const std::optional<Metric>& chosen) {
    // The table is filled anew: the highlight is put back on its entry afterwards.
    const std::optional<HistoryEntry> wanted = highlighted();
    readings_ = valued.readings;
    newestRead_ = NewestTime(valued.entries);
    shown_ = valued.entries;
    std::vector<std::u16string> times;
    times.reserve(shown_.size());
    for (const HistoryEntry& entry : shown_) {
        times.push_back(TextOf(QDateTime::fromMSecsSinceEpoch(entry.time)
                                   .toLocalTime()
                                   .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))));
    }
    AnalysisPage page =
        HistoryPage(times, valued.readings->changes, valued.values, chosen, valued.skippedLines);
    if (page.isNote()) {
        csv_->withdraw();
        pages_->showNote(LinesText(page.summary));
        return;
    }
    csv_->offer(AnalysisPageCsv(page));
    summary_->setText(LinesText(page.summary));
    summary_->setVisible(!page.summary.empty());
    pages_->showContent();
    table_->showTable(std::move(page.tables.at(0)));
    if (wanted) {
        highlight(*wanted);
    }
}

std::optional<HistoryEntry> HistoryTab::highlighted() const {
    const std::optional<std::size_t> item = table_->currentItem();
    if (!item || *item >= shown_.size()) {
        return std::nullopt;
    }
    return shown_[*item];
}

void HistoryTab::highlight(const HistoryEntry& entry) {
    const std::optional<std::size_t> item = FindAgain(shown_, entry);
    if (!item) {
        return;
    }
    const AnalysisTable& rows = table_->tableModel().table();
    for (int viewRow = 0; viewRow < table_->model()->rowCount(); ++viewRow) {
        if (rows.rows.at(static_cast<std::size_t>(table_->sourceRow(viewRow))).item == *item) {
            const QModelIndex index = table_->model()->index(viewRow, 0);
            table_->setCurrentIndex(index);
            table_->scrollTo(index);
            return;
        }
    }
}

void HistoryTab::restoreRow(int row) {
    if (row < 0 || row >= static_cast<int>(shown_.size())) {
        return;
    }
    // The row stays current: the refresh after the calculation puts the highlight back on it.
    session_.restore(shown_[shown_.size() - 1 - static_cast<std::size_t>(row)]);
}

}  // namespace brakefell
