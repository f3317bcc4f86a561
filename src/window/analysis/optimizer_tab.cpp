#include "window/analysis/optimizer_tab.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "analysis/analysis_pages.h"
#include "qt_adapters/optimizer_threads.h"
#include "qt_adapters/qt_text.h"
#include "window/calculator_window.h"

namespace brakefell {

OptimizerTab::OptimizerTab(CalculatorSession& session, CalculatorWindow& mainWindow,
                           QWidget* parent)
    : AnalysisTab(parent), session_(session), mainWindow_(mainWindow) {
    runes_ = new QCheckBox(QStringLiteral("룬"), this);
    runes_->setObjectName(QStringLiteral("optimizeRunes"));
    runes_->setChecked(true);
    gems_ = new QCheckBox(QStringLiteral("전설 보석"), this);
    gems_->setObjectName(QStringLiteral("optimizeGems"));
    passives_ = new QCheckBox(QStringLiteral("지속 스킬"), this);
    passives_->setObjectName(QStringLiteral("optimizePassives"));
    count_ = new QSpinBox(this);
    count_->setObjectName(QStringLiteral("optimizeCount"));
    count_->setAccessibleName(QStringLiteral("보여 줄 개수"));
    count_->setRange(1, 100);
    count_->setValue(10);
    auto* countLabel = new QLabel(QStringLiteral("N:"), this);
    countLabel->setBuddy(count_);
    start_ = new QPushButton(QStringLiteral("시작"), this);
    start_->setObjectName(QStringLiteral("optimizeStart"));
    start_->setEnabled(false);  // until the tab has seen the inputs
    cancel_ = new QPushButton(QStringLiteral("취소"), this);
    cancel_->setObjectName(QStringLiteral("optimizeCancel"));
    cancel_->setEnabled(false);
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("optimizeProgress"));
    progress_->setAccessibleName(QStringLiteral("진행"));
    progress_->setRange(0, 1000);
    progress_->setValue(0);
    results_ =
        new AnalysisTableView(QStringLiteral("optimizeResults"), QStringLiteral("최적화 결과"),
                              AnalysisTableView::Fit::LastStretches, this);
    results_->setSelectionMode(QAbstractItemView::SingleSelection);
    // The columns before any search: the table of no builds.
    results_->showTable(std::move(
        OptimizationPage({}, Metric{}, session_.form(), TableForm::Browsed).tables.at(0)));
    apply_ = new QPushButton(QStringLiteral("적용"), this);
    apply_->setObjectName(QStringLiteral("optimizeApply"));
    apply_->setEnabled(false);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("optimizeStatus"));

    auto* choices = new QHBoxLayout;
    choices->addWidget(new QLabel(QStringLiteral("바꿔 볼 것:"), this));
    choices->addWidget(runes_);
    choices->addWidget(gems_);
    choices->addWidget(passives_);
    choices->addSpacing(16);
    choices->addWidget(countLabel);
    choices->addWidget(count_);
    choices->addStretch(1);
    choices->addWidget(start_);
    choices->addWidget(cancel_);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(status_, 1);
    bottom->addWidget(apply_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addWidget(progress_);
    layout->addWidget(results_, 1);
    layout->addLayout(bottom);

    connect(start_, &QPushButton::clicked, this, &OptimizerTab::start);
    connect(cancel_, &QPushButton::clicked, this, [this] { cancelled_ = true; });
    connect(apply_, &QPushButton::clicked, this, &OptimizerTab::apply);
    connect(results_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        apply_->setEnabled(results_->selectionModel()->hasSelection() && !running());
    });
}

OptimizerTab::~OptimizerTab() {
    if (worker_) {
        cancelled_ = true;
        worker_->wait();
    }
}

void OptimizerTab::refresh(const AnalysisInputs& inputs) {
    last_.emplace(inputs);
    if (!running()) {
        start_->setEnabled(inputs.metric.has_value());
        status_->setText(inputs.metric ? QString() : inputs.note);
    }
}

void OptimizerTab::start() {
    if (running() || !last_ || !last_->metric) {
        return;
    }
    const OptimizeChoices choices{runes_->isChecked(), gems_->isChecked(), passives_->isChecked()};
    if (!choices.runes && !choices.gems && !choices.passives) {
        status_->setText(QStringLiteral("바꿔 볼 것을 하나 이상 고르세요."));
        return;
    }
    // The inputs as they are now: changes made while the search runs do not reach it.
    const CharacterSheet sheet = last_->form.characterSheet();
    const int top = count_->value();
    runMetric_ = last_->metric;
    cancelled_ = false;
    result_.reset();
    results_->clearRows();
    progress_->setValue(0);
    start_->setEnabled(false);
    cancel_->setEnabled(true);
    apply_->setEnabled(false);
    status_->setText(QStringLiteral("찾는 중…"));

    const Metric metric = *runMetric_;
    const SkillCatalogue& catalogue = session_.catalogue();
    worker_.reset(QThread::create([this, sheet, top, choices, metric, &catalogue] {
        const MetricProbe probe(catalogue, metric);
        OptimizeControl control;
        control.cancel = &cancelled_;
        control.progress = [this](long long done, long long total) {
            const int permille = total > 0 ? static_cast<int>(1000 * done / total) : 0;
            QMetaObject::invokeMethod(
                progress_, [this, permille] { progress_->setValue(permille); },
                Qt::QueuedConnection);
        };
        result_ = OptimizeOnThreads(sheet, probe, choices, top, control);
    }));
    connect(worker_.get(), &QThread::finished, this, &OptimizerTab::done);
    worker_->start();
}

void OptimizerTab::done() {
    worker_->wait();
    worker_.reset();
    start_->setEnabled(last_ && last_->metric);
    cancel_->setEnabled(false);
    showResults();
    emit finished();
}

void OptimizerTab::showResults() {
    if (!result_ || !runMetric_) {
        return;
    }
    const Optimization& found = *result_;
    if (found.cancelled) {
        status_->setText(QStringLiteral("취소했습니다. 입력은 그대로입니다."));
        results_->clearRows();
        return;
    }
    progress_->setValue(progress_->maximum());
    AnalysisPage page = OptimizationPage(found, *runMetric_, session_.form(), TableForm::Browsed);
    status_->setText(QStringOf(page.summary.at(0).text));
    results_->showTable(std::move(page.tables.at(0)));
    if (results_->tableModel().rowCount() > 0) {
        results_->selectRow(0);
    }
}

void OptimizerTab::apply() {
    const std::optional<std::size_t> row = results_->currentItem();
    if (!result_ || !row || *row >= result_->top.size()) {
        return;
    }
    // The changes as a person makes them in the main window, each with its reactions.
    FormState& form = session_.form();
    for (const ChoiceChange& change : result_->top[*row].changes) {
        if (form.at(change.name).kind == ControlKind::DropDown) {
            form.setListIndex(change.name, change.to);
        } else {
            form.setCheck(change.name, change.to);
        }
    }
    if (auto* calculate = qobject_cast<QPushButton*>(mainWindow_.control("cmdCalculation"))) {
        calculate->click();
    }
}

}  // namespace brakefell
