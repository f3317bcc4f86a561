#pragma once
// "최적화": which choices may vary, how many of the best to list, a search that runs off the
// window's thread with its progress and "취소", the best builds with their gain and changes, and
// "적용", which makes the chosen build's changes in the main window as a person would, then
// presses "계산" once.

#include <QCheckBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QThread>
#include <atomic>
#include <memory>
#include <optional>

#include "analysis/optimizer.h"
#include "session/calculator_session.h"
#include "window/analysis/analysis_tab.h"
#include "window/analysis/analysis_table_view.h"

namespace brakefell {

class CalculatorWindow;

class OptimizerTab : public AnalysisTab {
    Q_OBJECT

  public:
    OptimizerTab(CalculatorSession& session, CalculatorWindow& mainWindow, QWidget* parent);
    ~OptimizerTab() override;

    void refresh(const AnalysisInputs& inputs) override;

    QCheckBox& runes() { return *runes_; }
    QCheckBox& gems() { return *gems_; }
    QCheckBox& passives() { return *passives_; }
    QSpinBox& count() { return *count_; }
    QPushButton& startButton() { return *start_; }
    QPushButton& cancelButton() { return *cancel_; }
    QPushButton& applyButton() { return *apply_; }
    QProgressBar& progress() { return *progress_; }
    AnalysisTableView& results() { return *results_; }
    bool running() const { return worker_ != nullptr; }
    const std::optional<Optimization>& optimization() const { return result_; }

  signals:
    void finished();

  private:
    void start();
    void done();
    void apply();
    void showResults();

    CalculatorSession& session_;
    CalculatorWindow& mainWindow_;
    QCheckBox* runes_;
    QCheckBox* gems_;
    QCheckBox* passives_;
    QSpinBox* count_;
    QPushButton* start_;
    QPushButton* cancel_;
    QPushButton* apply_;
    QProgressBar* progress_;
    AnalysisTableView* results_;
    QLabel* status_;

    std::optional<AnalysisInputs> last_;
    std::unique_ptr<QThread> worker_;
    std::atomic<bool> cancelled_{false};
    std::optional<Metric> runMetric_;
    std::optional<Optimization> result_;
};

}  // namespace brakefell
