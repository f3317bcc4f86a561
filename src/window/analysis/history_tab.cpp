#include "window/analysis/history_tab.h"

#include <QDateTime>
#include <QVBoxLayout>

#include "analysis/analysis_pages.h"
#include "analysis/history_values.h"
#include "qt_adapters/qt_text.h"

namespace brakefell {
namespace {

std::optional<UtcMillis> NewestTime(const std::vector<HistoryEntry>& entries) {
    if (entries.empty()) {
        return std::nullopt;
    }
    return entries.back().time;
}

}  // namespace

HistoryTab::HistoryTab(CalculatorSession& session, AnalysisRunner& runner, QWidget* parent)
    : AnalysisTab(parent), session_(session), runner_(runner) {
    auto* content = new QWidget(this);
    table_ = new AnalysisTableView(QStringLiteral("history"), QStringLiteral("계산 기록"),
                                   AnalysisTableView::Fit::FirstStretches, content);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setToolTip(QStringLiteral("두 번 누르거나 Enter: 그 입력으로 되돌리고 계산"));
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(table_);
    pages_ = new NoteOrContent(content, this);
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(pages_);

    // Activation is a double-click or Enter on this platform's item views.
    connect(table_, &QTableView::activated, this,
            [this](const QModelIndex& index) { restoreRow(table_->sourceRow(index.row())); });
}

void HistoryTab::refresh(const AnalysisInputs& inputs) {
    // The entries as they are now, and the sheets read before when they are still the same.
    Valued valued{session_.history().entries(), nullptr, {}};
    if (sheets_ && sheets_->size() == valued.entries.size() &&
        newestRead_ == NewestTime(valued.entries)) {
        valued.sheets = sheets_;
    }
    runner_.run(this, inputs.generation, [this, inputs, valued = std::move(valued)]() mutable {
        if (!valued.sheets) {
            auto sheets = std::make_shared<Sheets>();
            sheets->reserve(valued.entries.size());
            for (const HistoryEntry& entry : valued.entries) {
                sheets->push_back(SheetOfBuild(entry.build, *inputs.form));
            }
            valued.sheets = std::move(sheets);
        }
        if (inputs.chosen && !valued.sheets->empty()) {
            valued.values =
                HistoryValues(*valued.sheets, MetricProbe(*inputs.catalogue, *inputs.chosen));
        }
        return [this, valued = std::move(valued), chosen = inputs.chosen] { show(valued, chosen); };
    });
}

void HistoryTab::show(const Valued& valued, const std::optional<Metric>& chosen) {
    sheets_ = valued.sheets;
    newestRead_ = NewestTime(valued.entries);
    shown_ = valued.entries;
    if (shown_.empty()) {
        pages_->showNote(
            QStringLiteral("기록이 없습니다. \"계산\"을 누를 때마다 여기에 남습니다."));
        return;
    }
    pages_->showContent();
    std::vector<std::u16string> times;
    times.reserve(shown_.size());
    for (const HistoryEntry& entry : shown_) {
        times.push_back(TextOf(QDateTime::fromMSecsSinceEpoch(entry.time)
                                   .toLocalTime()
                                   .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))));
    }
    table_->showTable(std::move(HistoryPage(times, valued.values, chosen).tables.at(0)));
}

void HistoryTab::restoreRow(int row) {
    if (row < 0 || row >= static_cast<int>(shown_.size())) {
        return;
    }
    session_.restore(shown_[shown_.size() - 1 - static_cast<std::size_t>(row)]);
}

}  // namespace brakefell
