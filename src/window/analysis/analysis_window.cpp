#include "window/analysis/analysis_window.h"

#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QVBoxLayout>
#include <iterator>

#include "analysis/analysis_texts.h"
#include "analysis/metric_choice.h"
#include "desktop_adapters/qt_text.h"
#include "editions/window_layout.h"
#include "platform/paths.h"
#include "window/analysis/chart_tab.h"
#include "window/analysis/comparison_tab.h"
#include "window/analysis/control_texts.h"
#include "window/analysis/history_tab.h"
#include "window/analysis/optimizer_tab.h"
#include "window/analysis/stat_values_tab.h"
#include "window/analysis/window_placement.h"
#include "window/command_keys.h"
#include "window/share_code_clipboard.h"

namespace brakefell {
namespace {

const QString kGeometryKey = QStringLiteral("analysis/geometry");

const ControlTexts& kMetric = AnalysisWordOf("metric");
const ControlTexts& kFallback = AnalysisWordOf("metricFallback");
const ControlTexts& kTabs = AnalysisWordOf("tabs");
const ControlTexts& kCopyCode = AnalysisWordOf("copyCode");
const ControlTexts& kPasteCode = AnalysisWordOf("pasteCode");

// The window's settings live beside the history, in the user's data folder: one file for both
// editions, never in the program's folder.
QSettings WindowSettings(const CalculatorSession& session) {
    const std::string& folder = session.folders().userDataDir;
    return {QString::fromUtf8(PathInFolder(folder.empty() ? "." : folder, "windows.ini")),
            QSettings::IniFormat};
}

}  // namespace

AnalysisWindow::AnalysisWindow(CalculatorSession& session)
    : session_(session), runner_([&session] { return session.inputsGeneration(); }) {
    // A window of its own, with its own Tab order; the program still ends with the main window.
    setAttribute(Qt::WA_QuitOnClose, false);
    setObjectName(QStringLiteral("AnalysisWindow"));
    setWindowTitle(QStringLiteral("빌드 분석 - ") +
                   QString::fromUtf8(LayoutOf(session.edition()).caption));
    build();
    layOut();
    connectSignals();
    AddCommandKeys(*this, session);
    resize(900, 640);
    placed_ = restoreGeometry(WindowSettings(session_).value(kGeometryKey).toByteArray());
    refresh();
}

void AnalysisWindow::build() {
    metricLabel_ = new QLabel(CaptionOf(AnalysisWordOf("metricLabel")), this);
    metric_ = Spoken<QComboBox>(kMetric, this);
    metricLabel_->setBuddy(metric_);
    for (const Metric& metric : AllMetrics()) {
        metric_->addItem(QStringOf(MetricChoiceCaption(metric)), QStringOf(MetricName(metric)));
    }
    // What the inputs of now suggest: damage per second with the sentries, else a slot's hit.
    if (const auto suggested =
            DefaultMetric(session_.form().characterSheet(), session_.catalogue())) {
        metric_->setCurrentIndex(metric_->findData(QStringOf(MetricName(*suggested))));
    }
    // When the chosen metric cannot be reckoned for the inputs of now, the tabs show the one the
    // inputs suggest, and this line says so.
    fallback_ = Named(new QLabel(this), kFallback);
    fallback_->setWordWrap(true);
    fallback_->setVisible(false);

    tabs_ = Spoken<QTabWidget>(kTabs, this);
    comparison_ = new ComparisonTab(session_, buildB_, runner_, this);
    optimizer_ = new OptimizerTab(session_, runner_, this);
    pages_ = {new StatValuesTab(runner_, this), comparison_, new ChartTab(buildB_, runner_, this),
              optimizer_, new HistoryTab(session_, runner_, this)};
    // The tabs in the order the words name them: the page's name, the tab's title and tip.
    for (std::size_t i = 0; i < pages_.size(); ++i) {
        const ControlTexts& texts = AnalysisTabWords()[i];
        pages_[i]->setObjectName(QString::fromUtf8(texts.name));
        tabs_->addTab(pages_[i], QString::fromUtf8(texts.caption));
        tabs_->setTabToolTip(static_cast<int>(i), QString::fromUtf8(texts.tip));
    }

    // Share codes, also on the main window as Ctrl+Shift+C and Ctrl+Shift+V.
    copyCode_ = Captioned<QPushButton>(kCopyCode, this);
    pasteCode_ = Captioned<QPushButton>(kPasteCode, this);
}

void AnalysisWindow::layOut() {
    auto* top = new QHBoxLayout;
    top->addWidget(metricLabel_);
    top->addWidget(metric_, 1);
    top->addWidget(copyCode_);
    top->addWidget(pasteCode_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(fallback_);
    layout->addWidget(tabs_, 1);
    setTabOrder(metric_, copyCode_);
    setTabOrder(copyCode_, pasteCode_);
    setTabOrder(pasteCode_, tabs_);
}

void AnalysisWindow::connectSignals() {
    connect(copyCode_, &QPushButton::clicked, this,
            [this] { CopyShareCode(session_, *copyCode_); });
    connect(pasteCode_, &QPushButton::clicked, this, [this] { PasteShareCode(session_); });
    pending_.setSingleShot(true);
    pending_.setInterval(0);
    connect(&pending_, &QTimer::timeout, this, &AnalysisWindow::refresh);
    connect(metric_, &QComboBox::currentIndexChanged, this, &AnalysisWindow::scheduleRefresh);
    connect(tabs_, &QTabWidget::currentChanged, this, &AnalysisWindow::scheduleRefresh);
    connect(comparison_, &ComparisonTab::buildChanged, this, &AnalysisWindow::scheduleRefresh);
    connect(&runner_, &AnalysisRunner::shown, this, [this] { ++refreshes_; });
    listening_ = {session_.onInputsChanged([this] {
                      optimizer_->inputsChanged();
                      scheduleRefresh();
                  }),
                  session_.onCalculated([this](const CommandOutcome&) { scheduleRefresh(); })};
}

void AnalysisWindow::showBeside(const QRect& main, const QRect& reports) {
    if (!placed_) {
        const QRect screen = this->screen()->availableGeometry();
        setGeometry(FirstPlacement(screen, main, reports, size(), minimumSizeHint()));
        placed_ = true;
    }
    // Brought back from the task bar too: a minimised window is shown as it was before.
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void AnalysisWindow::hideEvent(QHideEvent* event) {
    // Where the player left it, for the next run.
    WindowSettings(session_).setValue(kGeometryKey, saveGeometry());
    QWidget::hideEvent(event);
}

AnalysisWindow::~AnalysisWindow() {
    for (const ListenerId id : listening_) {
        session_.removeListener(id);
    }
    optimizer_->cancel();  // the runner waits for the search, which then ends soon
}

std::optional<Metric> AnalysisWindow::chosenMetric() const {
    return MetricNamed(TextOf(metric_->currentData().toString()));
}

void AnalysisWindow::scheduleRefresh() {
    if (!pending_.isActive()) {
        pending_.start();
    }
}

void AnalysisWindow::refresh() {
    pending_.stop();
    // A copy of the inputs of now, taken here: the tab's calculation reads it on a worker
    // thread while the calculator's own form moves on.
    AnalysisInputs inputs(session_.inputsGeneration(), session_.form());
    inputs.chosen = chosenMetric();
    // Without the sentries or with a slot that deals nothing, the tabs do not go empty: they show
    // the metric the inputs suggest, and one line says why.
    const MetricChoice choice = ChooseMetric(inputs.chosen, inputs.sheet(), session_.catalogue());
    inputs.metric = choice.metric;
    inputs.note = QStringOf(choice.note);
    fallback_->setText(QStringOf(choice.fallback));
    fallback_->setVisible(!choice.fallback.empty());
    if (auto* page = dynamic_cast<AnalysisTab*>(tabs_->currentWidget())) {
        page->refresh(inputs);
    }
}

void AnalysisWindow::waitForResults() {
    while (pending_.isActive() || !runner_.idle()) {
        if (pending_.isActive()) {
            refresh();
        }
        runner_.waitUntilIdle();
    }
}

void AnalysisWindow::refreshNow() {
    refresh();
    waitForResults();
}

}  // namespace brakefell
