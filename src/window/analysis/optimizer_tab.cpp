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

namespace brakefell {
namespace {

const QString kOutOfDate = QStringLiteral(
    "입력이 바뀌었습니다. 이 결과는 지난 입력의 것입니다. \"시작\"으로 다시 찾으세요.");

constexpr ControlTexts kRunes{"optimizeRunes", "룬",
                              "여섯 슬롯의 룬을 모두 바꿔 봅니다 (최대 46,656가지)"};
constexpr ControlTexts kGems{"optimizeGems", "전설 보석",
                             "켜 둔 전설 보석의 수는 그대로, 어느 보석을 켤지 바꿔 봅니다"};
constexpr ControlTexts kPassives{
    "optimizePassives", "지속 스킬",
    "켜 둔 지속 스킬의 수는 그대로, 어느 지속 스킬을 켤지 바꿔 봅니다"};
constexpr ControlTexts kCount{"optimizeCount", "보여 줄 개수",
                              "결과 표에 보여 줄 서로 다른 결과의 수"};
constexpr ControlTexts kStart{"optimizeStart", "시작", "지금 입력으로 모든 조합을 계산합니다"};
constexpr ControlTexts kCancel{"optimizeCancel", "취소",
                               "찾기를 멈추고 그때까지 찾은 결과를 보여 줍니다"};
constexpr ControlTexts kProgress{"optimizeProgress", "진행", "계산한 조합의 비율"};
constexpr ControlTexts kResults{
    "optimizeResults", "최적화 결과",
    "지표가 좋은 순서; 같은 값을 내는 조합은 바꿀 것이 가장 적은 하나만"};
constexpr ControlTexts kApply{"optimizeApply", "적용",
                              "고른 결과의 바꿀 것을 입력에 적용하고 계산합니다"};
constexpr ControlTexts kStatus{"optimizeStatus", "", "찾기의 상태"};

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
    auto* countLabel = new QLabel(QStringLiteral("상위 N개:"), this);
    countLabel->setBuddy(count_);
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
        status_->setText(QStringLiteral("바꿔 볼 것을 하나 이상 고르세요."));
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
    status_->setText(QStringLiteral("찾는 중…"));

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
    status_->setText(QStringOf(page.summary.at(0).text));
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
