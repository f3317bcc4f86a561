#pragma once
// "비교": the inputs of now (지금, the build under test) against the baseline B (기준), fixed
// from the inputs of a moment or read from a profile: the main figures of both with 지금 − 기준,
// coloured green where 지금 is better and red where it is worse, and the inputs in which they
// differ.

#include <QLabel>
#include <QPushButton>
#include "analysis/analysis_page.h"
#include "analysis/comparison_build.h"
#include "session/calculator_session.h"
#include "window/analysis/analysis_runner.h"
#include "window/analysis/analysis_tab.h"
#include "window/analysis/analysis_table_view.h"
#include "window/analysis/csv_button.h"
#include "window/analysis/note_or_content.h"

namespace brakefell {

class ComparisonTab : public AnalysisTab {
    Q_OBJECT

  public:
    // B is the analysis window's; this tab sets it.
    ComparisonTab(CalculatorSession& session, ComparisonBuild& build, AnalysisRunner& runner,
                  QWidget* parent);

    void refresh(const AnalysisInputs& inputs) override;

    const ComparisonBuild& build() const { return build_; }
    QPushButton& snapshotButton() { return *snapshot_; }

  signals:
    void buildChanged();

  private:
    void snapshot();
    void openProfile();
    void show(AnalysisPage page);

    CalculatorSession& session_;
    ComparisonBuild& build_;
    AnalysisRunner& runner_;
    QPushButton* snapshot_;
    QPushButton* open_;
    CsvButton* csv_;
    QLabel* which_;
    NoteOrContent* pages_;
    AnalysisTableView* figures_;
    QLabel* inputsTitle_;
    AnalysisTableView* inputs_;
};

}  // namespace brakefell
