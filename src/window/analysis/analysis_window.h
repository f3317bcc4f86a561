#pragma once
// "빌드 분석": the companion window that follows the session's inputs live and shows what each
// stat is worth, a comparison with build B, the metric against one box as a chart, the optimiser
// and the history. One metric chooser serves every tab. A view only: it talks to the session and
// the analysis library, the numbers are reckoned off the window's thread (analysis_runner.h), and
// the main window's report still changes only when "계산" is pressed.

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRect>
#include <QTabWidget>
#include <QTimer>
#include <QWidget>
#include <optional>
#include <vector>

#include "analysis/comparison_build.h"
#include "analysis/metric.h"
#include "session/calculator_session.h"
#include "window/analysis/analysis_runner.h"

namespace brakefell {

class AnalysisTab;
class ComparisonTab;
class OptimizerTab;

class AnalysisWindow : public QWidget {
    Q_OBJECT

  public:
    explicit AnalysisWindow(CalculatorSession& session);
    ~AnalysisWindow() override;

    QTabWidget& tabs() { return *tabs_; }
    // How many results the tabs have shown: the tests and the timing wait on it.
    int refreshes() const { return refreshes_; }

    // "분석" and F2: shows the window in front, restored if minimised. The first time ever it
    // opens beside `main` (the main window's frame) where the screen has room, else over
    // `reports` (its report boxes), never over the inputs; after that where the player left it.
    void showBeside(const QRect& main, const QRect& reports);

    // Starts the tab in front's analysis of the inputs of now.
    void refresh();
    // Lets the event loop run until every change so far is reckoned and shown (or dropped as
    // stale): for tests and measurements.
    void waitForResults();
    // Both of the above.
    void refreshNow();
    // A change is still to be reckoned or shown.
    bool reckoning() const { return pending_.isActive() || !runner_.idle(); }

  protected:
    void hideEvent(QHideEvent* event) override;

  private:
    void build();
    void layOut();
    void connectSignals();
    void scheduleRefresh();
    std::optional<Metric> chosenMetric() const;

    CalculatorSession& session_;
    ComparisonBuild buildB_;
    AnalysisRunner runner_;  // gone before the tabs, once the runs that show in them end
    QLabel* metricLabel_;
    QComboBox* metric_;
    QLabel* fallback_;     // which metric is shown instead of the chosen one; hidden when none
    bool placed_ = false;  // a place is known: the player's from the last run, or the first
    QTabWidget* tabs_;
    std::vector<AnalysisTab*> pages_;
    ComparisonTab* comparison_;
    OptimizerTab* optimizer_;
    QPushButton* copyCode_;
    QPushButton* pasteCode_;
    QTimer pending_;  // coalesces the several changes of one edit into one refresh
    int refreshes_ = 0;
    std::vector<ListenerId> listening_;
};

}  // namespace brakefell
