#pragma once
// "그래프": the metric against one number box over a range, B's line too when B is set, dashed
// lines where the sentries change bracket, a marker at the box's value now, the value under the
// mouse, and the points as CSV.

#include <QChartView>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QScatterSeries>
#include <QValueAxis>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "analysis/comparison_build.h"
#include "analysis/sweep.h"
#include "window/analysis/analysis_runner.h"
#include "window/analysis/analysis_tab.h"
#include "window/analysis/note_or_content.h"

namespace brakefell {

class ChartTab : public AnalysisTab {
  public:
    // B is the analysis window's: its line is drawn while it is set.
    ChartTab(const ComparisonBuild& build, AnalysisRunner& runner, QWidget* parent);

    void refresh(const AnalysisInputs& inputs) override;

    QDoubleSpinBox& from() { return *from_; }
    QDoubleSpinBox& to() { return *to_; }
    QDoubleSpinBox& step() { return *step_; }
    // The value under the mouse over `series` at `x`: the computed point nearest to it, never a
    // value between two points, which no build gives (the line jumps at a bracket change).
    void showNearest(const QXYSeries& series, double x);

  private:
    void buildControls();
    void buildChart();
    void layOut();
    void connectSignals();
    void boxChosen();
    void rangeToDefault();
    void rerun();
    // What a run reckons off the window's thread.
    struct Swept {
        std::variant<std::u16string, Sweep> a;  // the note when there is no sweep
        QList<QPointF> drawnA;                  // a's points as drawn (drawn_points.h)
        QList<QPointF> drawnB;                  // B's, when B is set and has a sweep
        std::optional<double> now;              // the metric at the box's value now
    };
    void show(const NumberBox& box, const SweepRequest& request, Swept swept);
    void saveCsv();

    const ComparisonBuild& build_;
    AnalysisRunner& runner_;
    QComboBox* box_;
    QDoubleSpinBox* from_;
    QDoubleSpinBox* to_;
    QDoubleSpinBox* step_;
    QPushButton* reset_;
    QPushButton* csv_;
    NoteOrContent* pages_;
    QChart* chart_;
    QChartView* view_;
    QValueAxis* axisX_;
    QValueAxis* axisY_;
    QLineSeries* lineA_;
    QLineSeries* lineB_;
    QScatterSeries* marker_;
    std::vector<QLineSeries*> bracketLines_;
    QLabel* hover_;
    std::optional<AnalysisInputs> last_;
    std::optional<Sweep> sweep_;  // the sweep shown, as "CSV 저장…" writes it
    bool rangeSet_ = false;
};

}  // namespace brakefell
