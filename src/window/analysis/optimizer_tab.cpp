#include "window/analysis/optimizer_tab.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "analysis/analysis_csv.h"
#include "analysis/analysis_pages.h"
#include "analysis/apply_changes.h"
#include "desktop_adapters/optimizer_threads.h"
#include "desktop_adapters/qt_text.h"
#include "window/analysis/control_texts.h"
#include "window/analysis/page_lines.h"

namespace brakefell {
namespace {

const QString kOutOfDate = QStringOf(kResultOutOfDate);

const ControlTexts& kRunes = AnalysisWordOf("optimizeRunes");
const ControlTexts& kGems = AnalysisWordOf("optimizeGems");
const ControlTexts& kPassives = AnalysisWordOf("optimizePassives");
const ControlTexts& kCount = AnalysisWordOf("optimizeCount");
const ControlTexts& kStart = AnalysisWordOf("optimizeStart");
const ControlTexts& kCancel = AnalysisWordOf("optimizeCancel");
const ControlTexts& kProgress = AnalysisWordOf("optimizeProgress");
const ControlTexts& kResults = AnalysisWordOf("optimizeResults");
const ControlTexts& kApply = AnalysisWordOf("optimizeApply");
const ControlTexts& kStatus = AnalysisWordOf("optimizeStatus");

}  // namespace

OptimizerTab::OptimizerTab(CalculatorSession& session, AnalysisRunner& runner, QWidget* parent)
    : AnalysisTab(parent), session_(session), runner_(runner) {
    build();
    layOut();
    connectSignals();
}

void OptimizerTab::build() {
    runes_ = Captioned<QCheckBox>(kRunes, this);
    runes_->setChecked(true);
    gems_ = Captioned<QCheckBox>(kGems, this);
    passives_ = Captioned<QCheckBox>(kPassives, this);
    count_ = Spoken<QSpinBox>(kCount, this);
    count_->setRange(1, 100);
    count_->setValue(10);
    start_ = Captioned<QPushButton>(kStart, this);
    start_->setEnabled(false);  // until the tab has seen the inputs
    cancel_ = Captioned<QPushButton>(kCancel, this);
    cancel_->setEnabled(false);
    progress_ = Spoken<QProgressBar>(kProgress, this);
    progress_->setRange(0, 1000);
    progress_->setValue(0);
    results_ =
        new AnalysisTableView(QString::fromUtf8(kResults.name), QString::fromUtf8(kResults.caption),
                              AnalysisTableView::Fit::LastStretches, this);
    results_->setToolTip(QString::fromUtf8(kResults.tip));
    results_->setSelectionMode(QAbstractItemView::SingleSelection);
    // The columns before any search: the table of no builds.
    results_->showTable(std::move(
        OptimizationPage({}, Metric{}, session_.form(), TableForm::Browsed).tables.at(0)));
    apply_ = Captioned<QPushButton>(kApply, this);
    apply_->setEnabled(false);
    status_ = Named(new QLabel(this), kStatus);
}

void OptimizerTab::layOut() {
    auto* countLabel = new QLabel(CaptionOf(AnalysisWordOf("optimizeCountLabel")), this);
    countLabel->setBuddy(count_);
    auto* choices = new QHBoxLayout;
    choices->addWidget(new QLabel(CaptionOf(AnalysisWordOf("optimizeChoices")), this));
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
    csv_ = new CsvButton(QStringLiteral("optimizerCsv"), this);
    bottom->addWidget(csv_);
    bottom->addWidget(apply_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addWidget(progress_);
    layout->addWidget(results_, 1);
    layout->addLayout(bottom);
}

void OptimizerTab::connectSignals() {
    connect(start_, &QPushButton::clicked, this, &OptimizerTab::start);
    connect(cancel_, &QPushButton::clicked, this, &OptimizerTab::cancel);
    connect(apply_, &QPushButton::clicked, this, &OptimizerTab::apply);
    connect(results_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &OptimizerTab::enableApply);
}

bool OptimizerTab::upToDate() const {
    return result_ && resultGeneration_ == session_.inputsGeneration();
}

void OptimizerTab::enableApply() {
    apply_->setEnabled(results_->selectionModel()->hasSelection() && !running() && upToDate());
}

bool OptimizerTab::outOfDate() const {
    return !running() && result_ && !result_->cancelled && !upToDate();
}

void OptimizerTab::inputsChanged() {
    if (outOfDate()) {
        enableApply();
        status_->setText(kOutOfDate);
    }
}

void OptimizerTab::refresh(const AnalysisInputs& inputs) {
    last_.emplace(inputs);
    if (!running()) {
        start_->setEnabled(inputs.metric.has_value());
        status_->setText(!inputs.metric ? inputs.note : outOfDate() ? kOutOfDate : QString());
    }
}

void OptimizerTab::start() {
    if (running() || !last_ || !last_->metric) {
        return;
    }
    const OptimizeChoices choices{runes_->isChecked(), gems_->isChecked(), passives_->isChecked()};
    if (!choices.runes && !choices.gems && !choices.passives) {
        status_->setText(QStringOf(kNothingToVary));
        return;
    }
    // The inputs as they are now: changes made while the search runs do not reach it.
    const AnalysisInputs in = *last_;
    const int top = count_->value();
    runMetric_ = in.metric;
    *cancelled_ = false;
    running_ = true;
    result_.reset();
    results_->clearRows();
    progress_->setValue(0);
    start_->setEnabled(false);
    cancel_->setEnabled(true);
    apply_->setEnabled(false);
    status_->setText(QStringOf(kSearching));

    const auto work = [this, in, top, choices, cancelled = cancelled_] {
        const MetricProbe probe(in.catalogue(), *in.metric);
        OptimizeControl control;
        control.cancel = cancelled.get();
        control.progress = [this](long long done, long long total) {
            const int permille = total > 0 ? static_cast<int>(1000 * done / total) : 0;
            QMetaObject::invokeMethod(
                progress_, [this, permille] { progress_->setValue(permille); },
                Qt::QueuedConnection);
        };
        return [this, in, found = OptimizeOnThreads(in.sheet(), probe, choices, top, control)] {
            result_ = found;
            resultGeneration_ = in.generation;
            resultForm_ = in.inputs;
            done();
        };
    };
    // A ranking for inputs changed during the search is still shown, marked as out of date.
    runner_.run(this, in.generation, work, AnalysisRunner::WhenStale::Show);
}

void OptimizerTab::done() {
    running_ = false;
    start_->setEnabled(last_ && last_->metric);
    cancel_->setEnabled(false);
    showResults();
    inputsChanged();  // the inputs may have moved on during the search
    emit finished();
}

void OptimizerTab::showResults() {
    if (!result_ || !runMetric_) {
        return;
    }
    const Optimization& found = *result_;
    // A cancelled search keeps the bar where it stopped and the best it found so far.
    if (!found.cancelled) {
        progress_->setValue(progress_->maximum());
    }
    AnalysisPage page = OptimizationPage(found, *runMetric_, *resultForm_, TableForm::Browsed);
    csv_->offer(AnalysisPageCsv(page));
    // How the search ended, then where the build of now stands among what it found.
    status_->setText(LinesText(page.summary));
    results_->showTable(std::move(page.tables.at(0)));
    if (results_->tableModel().rowCount() > 0) {
        results_->selectRow(0);
    }
}

void OptimizerTab::apply() {
    const std::optional<std::size_t> row = results_->currentItem();
    if (!upToDate() || !row || *row >= result_->top.size()) {
        return;
    }
    // The changes as a person makes them in the main window, each with its reactions.
    if (ApplyChoiceChanges(session_.form(), result_->top[*row].changes)) {
        session_.calculate();
    }
}

}  // namespace brakefell
