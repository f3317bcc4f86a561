#include "window/analysis/analysis_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "editions/window_layout.h"
#include "engine/compute_figures.h"
#include "form/messages.h"
#include "qt_adapters/qt_text.h"
#include "window/analysis/chart_tab.h"
#include "window/analysis/comparison_tab.h"
#include "window/analysis/history_tab.h"
#include "window/analysis/optimizer_tab.h"
#include "window/analysis/stat_values_tab.h"
#include "window/calculator_window.h"

namespace brakefell {

AnalysisWindow::AnalysisWindow(CalculatorSession& session, CalculatorWindow& mainWindow)
    : session_(session), mainWindow_(mainWindow) {
    // A window of its own, with its own Tab order; the program still ends with the main window.
    setAttribute(Qt::WA_QuitOnClose, false);
    setObjectName(QStringLiteral("AnalysisWindow"));
    setWindowTitle(QStringLiteral("빌드 분석 - ") +
                   QString::fromUtf8(LayoutOf(session.edition()).caption));

    auto* label = new QLabel(QStringLiteral("지표:"), this);
    metric_ = new QComboBox(this);
    metric_->setObjectName(QStringLiteral("metric"));
    metric_->setAccessibleName(QStringLiteral("지표"));
    label->setBuddy(metric_);
    for (const Metric& metric : AllMetrics()) {
        metric_->addItem(QStringOf(MetricCaption(metric)), QStringOf(MetricName(metric)));
    }
    // What the inputs of now suggest: damage per second with the sentries, else a slot's hit.
    if (const auto suggested =
            DefaultMetric(session.form().characterSheet(), session.catalogue())) {
        metric_->setCurrentIndex(metric_->findData(QStringOf(MetricName(*suggested))));
    }

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("tabs"));
    tabs_->setAccessibleName(QStringLiteral("분석"));
    auto* comparison = new ComparisonTab(session, this);
    pages_ = {new StatValuesTab(this), comparison, new ChartTab(*comparison, this),
              new OptimizerTab(session, mainWindow, this), new HistoryTab(mainWindow, this)};
    const char* titles[] = {"스탯 가치", "비교", "그래프", "최적화", "기록"};
    for (std::size_t i = 0; i < pages_.size(); ++i) {
        tabs_->addTab(pages_[i], QString::fromUtf8(titles[i]));
    }

    // Share codes, also on the main window as Ctrl+Shift+C and Ctrl+Shift+V.
    auto* copyCode = new QPushButton(QStringLiteral("코드 복사"), this);
    copyCode->setObjectName(QStringLiteral("copyCode"));
    copyCode->setToolTip(QStringLiteral("지금 입력의 빌드 코드를 클립보드에 (Ctrl+Shift+C)"));
    auto* pasteCode = new QPushButton(QStringLiteral("코드 붙여넣기"), this);
    pasteCode->setObjectName(QStringLiteral("pasteCode"));
    pasteCode->setToolTip(QStringLiteral("클립보드의 빌드 코드를 입력으로 (Ctrl+Shift+V)"));
    connect(copyCode, &QPushButton::clicked, this,
            [this, copyCode] { mainWindow_.copyShareCode(copyCode); });
    connect(pasteCode, &QPushButton::clicked, this, [this] { mainWindow_.pasteShareCode(); });

    auto* top = new QHBoxLayout;
    top->addWidget(label);
    top->addWidget(metric_, 1);
    top->addWidget(copyCode);
    top->addWidget(pasteCode);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(tabs_, 1);
    setTabOrder(metric_, copyCode);
    setTabOrder(copyCode, pasteCode);
    setTabOrder(pasteCode, tabs_);

    pending_.setSingleShot(true);
    pending_.setInterval(0);
    connect(&pending_, &QTimer::timeout, this, &AnalysisWindow::refreshNow);
    connect(&mainWindow, &CalculatorWindow::inputsChanged, this, &AnalysisWindow::scheduleRefresh);
    connect(metric_, &QComboBox::currentIndexChanged, this, &AnalysisWindow::scheduleRefresh);
    connect(tabs_, &QTabWidget::currentChanged, this, &AnalysisWindow::scheduleRefresh);
    connect(comparison, &ComparisonTab::buildChanged, this, &AnalysisWindow::scheduleRefresh);
    connect(&mainWindow, &CalculatorWindow::historyChanged, this, &AnalysisWindow::scheduleRefresh);

    resize(900, 640);
    refreshNow();
}

AnalysisWindow::~AnalysisWindow() = default;

std::optional<Metric> AnalysisWindow::chosenMetric() const {
    return MetricNamed(TextOf(metric_->currentData().toString()));
}

void AnalysisWindow::scheduleRefresh() {
    if (!pending_.isActive()) {
        pending_.start();
    }
}

void AnalysisWindow::refreshNow() {
    pending_.stop();
    const FormState& form = session_.form();
    const CharacterSheet sheet = form.characterSheet();
    AnalysisInputs inputs{form, chosenMetric(), {}, chosenMetric()};
    if (inputs.metric) {
        inputs.note = QStringOf(MetricMissing(*inputs.metric, sheet, session_.catalogue()));
    }
    if (inputs.note.isEmpty() &&
        ComputeFigures(sheet, session_.catalogue()).refusal != Refusal::None) {
        inputs.note = QStringOf(messages::kCalculationRefused);
    }
    if (!inputs.note.isEmpty()) {
        inputs.metric.reset();
    }
    if (auto* page = dynamic_cast<AnalysisTab*>(tabs_->currentWidget())) {
        page->refresh(inputs);
    }
    ++refreshes_;
}

}  // namespace brakefell
