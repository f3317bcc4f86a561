#include "window/analysis/stat_values_tab.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QVBoxLayout>

#include "analysis/analysis_csv.h"
#include "analysis/analysis_pages.h"
#include "analysis/stat_values.h"
#include "desktop_adapters/qt_text.h"
#include "window/analysis/control_texts.h"

namespace brakefell {
namespace {

const ControlTexts& kCliffs = AnalysisWordOf("cliffs");
const ControlTexts& kTable = AnalysisWordOf("statValues");
const ControlTexts& kShowUnchanged = AnalysisWordOf("showUnchanged");

// The columns of the window's stat-value table (StatValuesPage, TableForm::Browsed).
constexpr int kStepColumn = 1;
constexpr int kMinusColumn = 4;
constexpr int kMinusPercentColumn = 5;
constexpr int kMainStatColumn = 6;

}  // namespace

StatValuesTab::StatValuesTab(AnalysisRunner& runner, QWidget* parent)
    : AnalysisTab(parent), runner_(runner) {
    auto* content = new QWidget(this);
    cliffs_ = new AnalysisTableView(QStringLiteral("cliffs"), CaptionOf(kCliffs),
                                    AnalysisTableView::Fit::FirstStretches, content);
    cliffs_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    cliffs_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_ = new AnalysisTableView(QStringLiteral("statValues"), CaptionOf(kTable),
                                   AnalysisTableView::Fit::FirstStretches, content);
    table_->setSortingEnabled(true);
    table_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);  // the window's order
    // As tall as a line of text: twenty boxes and more fit at once.
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // Boxes the metric does not read (a slot without damage, a gem that is off) only crowd out
    // the ones that matter; they come back on request.
    table_->setHidesUnchanged(true);
    // A narrow window drops the step first, then the figures of lowering (raising mirrors them
    // closely), then the main-stat equivalent; the box and the gain of raising it always stay.
    table_->setDropOrder({kStepColumn, kMinusPercentColumn, kMinusColumn, kMainStatColumn});
    showUnchanged_ = Captioned<QCheckBox>(kShowUnchanged, content);
    connect(showUnchanged_, &QCheckBox::toggled, this,
            [this](bool shown) { table_->setHidesUnchanged(!shown); });

    cliffs_->setToolTip(TipOf(kCliffs));
    table_->setToolTip(TipOf(kTable));

    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(cliffs_);
    csv_ = new CsvButton(QStringLiteral("statValuesCsv"), content);
    auto* options = new QHBoxLayout;
    options->addWidget(showUnchanged_, 1);
    options->addWidget(csv_);
    layout->addLayout(options);
    layout->addWidget(table_, 1);

    pages_ = new NoteOrContent(content, this);
    pages_->setObjectName(QStringLiteral("statValuesPages"));
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(pages_);
}

void StatValuesTab::refresh(const AnalysisInputs& inputs) {
    if (!inputs.metric) {
        runner_.run(this, inputs.generation, [this, note = TextOf(inputs.note)] {
            return [this, note] { showPage(NotePage(note)); };
        });
        return;
    }
    runner_.run(this, inputs.generation, [this, inputs] {
        const MetricProbe probe(inputs.catalogue(), *inputs.metric);
        return [this, page = StatValuesPage(ComputeStatValues(inputs.sheet(), probe),
                                            TableForm::Browsed)] { showPage(page); };
    });
}

void StatValuesTab::showPage(AnalysisPage page) {
    if (page.isNote()) {
        csv_->withdraw();
        pages_->showNote(QStringOf(page.summary.at(0).text));
        return;
    }
    csv_->offer(AnalysisPageCsv(page));
    pages_->showContent();
    table_->showTable(std::move(page.tables.at(0)));
    cliffs_->showTable(std::move(page.tables.at(1)));
    cliffs_->setVisible(cliffs_->tableModel().rowCount() > 0);
    // Exactly as high as its rows: the cliffs never scroll.
    int height = cliffs_->horizontalHeader()->height() + 2 * cliffs_->frameWidth();
    for (int row = 0; row < cliffs_->tableModel().rowCount(); ++row) {
        height += cliffs_->rowHeight(row);
    }
    cliffs_->setFixedHeight(height);
}

}  // namespace brakefell
