#include "window/analysis/stat_values_tab.h"

#include <QHeaderView>
#include <QVBoxLayout>

#include "analysis/analysis_pages.h"
#include "analysis/stat_values.h"
#include "qt_adapters/qt_text.h"

namespace brakefell {

StatValuesTab::StatValuesTab(AnalysisRunner& runner, QWidget* parent)
    : AnalysisTab(parent), runner_(runner) {
    auto* content = new QWidget(this);
    cliffs_ =
        new AnalysisTableView(QStringLiteral("cliffs"), QStringLiteral("공격속도 구간이 바뀌는 곳"),
                              AnalysisTableView::Fit::FirstStretches, content);
    cliffs_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    cliffs_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_ = new AnalysisTableView(QStringLiteral("statValues"), QStringLiteral("스탯 가치"),
                                   AnalysisTableView::Fit::FirstStretches, content);
    table_->setSortingEnabled(true);
    table_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);  // the window's order
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(cliffs_);
    layout->addWidget(table_, 1);

    pages_ = new NoteOrContent(content, this);
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
        const MetricProbe probe(*inputs.catalogue, *inputs.metric);
        return [this, page = StatValuesPage(ComputeStatValues(inputs.sheet, probe),
                                            TableForm::Browsed)] { showPage(page); };
    });
}

void StatValuesTab::showPage(AnalysisPage page) {
    if (page.isNote()) {
        pages_->showNote(QStringOf(page.summary.at(0).text));
        return;
    }
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
