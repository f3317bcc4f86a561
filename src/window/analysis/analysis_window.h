#pragma once
// "빌드 분석": the companion window that follows the main window's inputs live and shows what each
// stat is worth, a comparison with build B, the metric against one box as a chart, and the
// optimiser. One metric chooser serves every tab. A view only: the numbers come from the
// analysis library, and the main window's report still changes only when "계산" is pressed.

#include <QComboBox>
#include <QTabWidget>
#include <QTimer>
#include <QWidget>
#include <vector>

#include "analysis/metric.h"
#include "session/calculator_session.h"

namespace brakefell {

class AnalysisTab;
class CalculatorWindow;
class ComparisonTab;

class AnalysisWindow : public QWidget {
    Q_OBJECT

  public:
    AnalysisWindow(CalculatorSession& session, CalculatorWindow& mainWindow);
    ~AnalysisWindow() override;

    QTabWidget& tabs() { return *tabs_; }
    QComboBox& metricChooser() { return *metric_; }
    // How many times a tab was brought up to date: the tests and the timing wait on it.
    int refreshes() const { return refreshes_; }

    // Brings the tab in front up to date now.
    void refreshNow();

  private:
    void scheduleRefresh();
    std::optional<Metric> chosenMetric() const;

    CalculatorSession& session_;
    CalculatorWindow& mainWindow_;
    QComboBox* metric_;
    QTabWidget* tabs_;
    std::vector<AnalysisTab*> pages_;
    QTimer pending_;  // coalesces the several changes of one edit into one refresh
    int refreshes_ = 0;
};

}  // namespace brakefell
