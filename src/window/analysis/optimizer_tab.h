#pragma once
// "최적화": which choices may vary, how many of the best to list, a search that runs off the
// window's thread with its progress and "취소", the best builds with their gain and changes, and
// "적용", which makes the chosen build's changes in the calculator's inputs as a person would,
// then asks the session for one "계산". A ranking belongs to the inputs it was found for: once
// an input changes it shows as out of date and "적용" waits for the next search.

#include <QCheckBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>

#include "analysis/optimizer.h"
#include "session/calculator_session.h"
#include "window/analysis/analysis_runner.h"
#include "window/analysis/analysis_tab.h"
#include "window/analysis/analysis_table_view.h"
#include "window/analysis/csv_button.h"

namespace brakefell {

class OptimizerTab : public AnalysisTab {
    Q_OBJECT

  public:
    OptimizerTab(CalculatorSession& session, AnalysisRunner& runner, QWidget* parent);

    void refresh(const AnalysisInputs& inputs) override;
    // An input changed, whichever tab is in front: the ranking no longer belongs to the inputs.
    void inputsChanged();
    // Stops a search soon, as "취소" does.
    void cancel() { *cancelled_ = true; }

    QCheckBox& gems() { return *gems_; }
    QCheckBox& passives() { return *passives_; }
    QPushButton& startButton() { return *start_; }
    QPushButton& cancelButton() { return *cancel_; }
    bool running() const { return running_; }
    const std::optional<Optimization>& optimization() const { return result_; }

  signals:
    void finished();

  private:
    void build();
    void layOut();
    void connectSignals();
    void start();
    void done();
    void apply();
    void showResults();
    void enableApply();
    bool upToDate() const;   // the ranking shown was found for the inputs of now
    bool outOfDate() const;  // a ranking is shown for inputs since changed

    CalculatorSession& session_;
    AnalysisRunner& runner_;
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
    CsvButton* csv_;

    std::optional<AnalysisInputs> last_;
    bool running_ = false;
    // Shared with the search, which may outlive a tab closed while it runs.
    std::shared_ptr<std::atomic<bool>> cancelled_ = std::make_shared<std::atomic<bool>>(false);
    std::optional<Metric> runMetric_;
    std::optional<Optimization> result_;
    std::uint64_t resultGeneration_ = 0;   // the inputs' generation the ranking was found for
    std::optional<FormState> resultForm_;  // those inputs, to name the changes
};

}  // namespace brakefell
