#include "window/analysis/chart_tab.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLegend>
#include <QLegendMarker>
#include <QLocale>
#include <QSaveFile>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>

#include "analysis/analysis_texts.h"
#include "desktop_adapters/qt_text.h"
#include "form/input_captions.h"
#include "window/analysis/control_texts.h"
#include "window/analysis/drawn_points.h"

#include "window/analysis/csv_button.h"

namespace brakefell {
namespace {

const ControlTexts& kBox = AnalysisWordOf("chartBox");
const ControlTexts& kFrom = AnalysisWordOf("chartFrom");
const ControlTexts& kTo = AnalysisWordOf("chartTo");
const ControlTexts& kStep = AnalysisWordOf("chartStep");
const ControlTexts& kReset = AnalysisWordOf("chartReset");
const ControlTexts& kCsv = AnalysisWordOf("chartCsv");
const ControlTexts& kChart = AnalysisWordOf("chart");
const ControlTexts& kHover = AnalysisWordOf("chartHover");

// What the hover line says before any point is under the mouse.
QString HoverPrompt() {
    return CaptionOf(kHover);
}

QLabel* Label(const char* name, QWidget* parent) {
    return new QLabel(CaptionOf(AnalysisWordOf(name)), parent);
}

QDoubleSpinBox* NumberField(const ControlTexts& texts, QWidget* parent) {
    auto* field = Spoken<QDoubleSpinBox>(texts, parent);
    field->setRange(-1e9, 1e9);
    field->setDecimals(2);
    field->setKeyboardTracking(false);
    return field;
}

}  // namespace

ChartTab::ChartTab(const ComparisonBuild& build, AnalysisRunner& runner, QWidget* parent)
    : AnalysisTab(parent), build_(build), runner_(runner) {
    buildControls();
    buildChart();
    layOut();
    connectSignals();
}

void ChartTab::buildControls() {
    box_ = Spoken<QComboBox>(kBox, this);
    for (const NumberBox& box : NumberBoxes()) {
        const QString name = QString::fromLatin1(box.name);
        box_->addItem(QStringOf(InputCaption(TextOf(name))), name);
    }
    box_->setCurrentIndex(box_->findData(QString::fromLatin1(kFirstSweptBox)));
    from_ = NumberField(kFrom, this);
    to_ = NumberField(kTo, this);
    step_ = NumberField(kStep, this);
    step_->setDecimals(3);
    step_->setMinimum(0.001);
    step_->setToolTip(TipOf(kStep).arg(QStringOf(MostPointsText(kMostSweepPoints))));
    reset_ = Captioned<QPushButton>(kReset, this);
    csv_ = Captioned<QPushButton>(kCsv, this);
    csv_->setEnabled(false);
}

void ChartTab::buildChart() {
    chart_ = new QChart;
    chart_->legend()->setAlignment(Qt::AlignBottom);
    // Axis numbers grouped by thousands, as the report writes its numbers.
    chart_->setLocalizeNumbers(true);
    chart_->setLocale(QLocale(QLocale::Korean, QLocale::SouthKorea));
    axisX_ = new QValueAxis(chart_);
    axisY_ = new QValueAxis(chart_);
    axisY_->setLabelFormat(QStringLiteral("%.0f"));
    chart_->addAxis(axisX_, Qt::AlignBottom);
    chart_->addAxis(axisY_, Qt::AlignLeft);
    lineA_ = new QLineSeries(chart_);
    lineA_->setObjectName(QStringLiteral("chartNow"));
    lineA_->setName(CaptionOf(AnalysisWordOf("chartNow")));
    lineB_ = new QLineSeries(chart_);
    lineB_->setObjectName(QStringLiteral("chartBaseline"));
    lineB_->setName(CaptionOf(AnalysisWordOf("chartBaseline")));
    marker_ = new QScatterSeries(chart_);
    marker_->setObjectName(QStringLiteral("chartMarker"));
    marker_->setName(CaptionOf(AnalysisWordOf("chartMarker")));
    marker_->setMarkerSize(10);
    for (QXYSeries* series : std::initializer_list<QXYSeries*>{lineA_, lineB_, marker_}) {
        chart_->addSeries(series);
        series->attachAxis(axisX_);
        series->attachAxis(axisY_);
    }
    view_ = Named(new QChartView(chart_, this), kChart);
    view_->setAccessibleName(QString::fromUtf8(kChart.caption));
    view_->setRenderHint(QPainter::Antialiasing);
    view_->setMinimumHeight(240);
    hover_ = Named(new QLabel(HoverPrompt(), this), kHover);
    pages_ = new NoteOrContent(view_, this);
    pages_->setObjectName(QStringLiteral("chartPages"));
}

void ChartTab::layOut() {
    auto* controls = new QHBoxLayout;
    auto* boxLabel = Label("chartBoxLabel", this);
    boxLabel->setBuddy(box_);
    auto* fromLabel = Label("chartRangeLabel", this);
    fromLabel->setBuddy(from_);
    auto* stepLabel = Label("chartStepLabel", this);
    stepLabel->setBuddy(step_);
    controls->addWidget(boxLabel);
    controls->addWidget(box_, 1);
    controls->addWidget(reset_);
    controls->addWidget(csv_);
    // The range on a line of its own: the window stays usable 640 px wide.
    auto* range = new QHBoxLayout;
    range->addWidget(fromLabel);
    range->addWidget(from_, 1);
    range->addWidget(Label("chartRangeTo", this));
    range->addWidget(to_, 1);
    range->addWidget(stepLabel);
    range->addWidget(step_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addLayout(range);
    layout->addWidget(pages_, 1);
    layout->addWidget(hover_);
}

void ChartTab::connectSignals() {
    connect(box_, &QComboBox::currentIndexChanged, this, &ChartTab::boxChosen);
    connect(reset_, &QPushButton::clicked, this, [this] {
        rangeToDefault();
        rerun();
    });
    for (QDoubleSpinBox* field : {from_, to_, step_}) {
        connect(field, &QDoubleSpinBox::valueChanged, this, &ChartTab::rerun);
    }
    connect(csv_, &QPushButton::clicked, this, &ChartTab::saveCsv);
    for (QXYSeries* series : std::initializer_list<QXYSeries*>{lineA_, lineB_}) {
        connect(series, &QXYSeries::hovered, this, [this, series](const QPointF& point, bool over) {
            if (over) {
                showNearest(*series, point.x());
            }
        });
    }
}

void ChartTab::boxChosen() {
    hover_->setText(HoverPrompt());  // a value of the box chosen before means nothing now
    rangeToDefault();
    rerun();
}

void ChartTab::rangeToDefault() {
    if (!last_) {
        return;
    }
    const NumberBox& box = *FindNumberBox(TextOf(box_->currentData().toString()));
    const SweepRequest range = DefaultSweepRange(box, BoxValue(box, last_->sheet()));
    const QSignalBlocker blockFrom(from_);
    const QSignalBlocker blockTo(to_);
    const QSignalBlocker blockStep(step_);
    from_->setValue(range.from);
    to_->setValue(range.to);
    step_->setValue(range.step);
    rangeSet_ = true;
}

void ChartTab::refresh(const AnalysisInputs& inputs) {
    last_.emplace(inputs);
    if (!rangeSet_) {
        rangeToDefault();
    }
    rerun();
}

void ChartTab::rerun() {
    if (!last_) {
        return;
    }
    const AnalysisInputs& in = *last_;
    if (!in.metric) {
        runner_.run(this, in.generation, [this, note = in.note] {
            return [this, note] {
                sweep_.reset();
                csv_->setEnabled(false);
                pages_->showNote(note);
            };
        });
        return;
    }
    const NumberBox& box = *FindNumberBox(TextOf(box_->currentData().toString()));
    const SweepRequest request{&box, from_->value(), to_->value(), step_->value()};
    std::optional<CharacterSheet> b;
    if (build_.isSet()) {
        b = build_.form().characterSheet();
    }
    runner_.run(this, in.generation, [this, in, request, b] {
        const MetricProbe probe(in.catalogue(), *in.metric);
        const CharacterSheet sheet = in.sheet();
        Swept swept{ComputeSweep(sheet, request, probe), {}, {}, probe(sheet).value};
        if (const Sweep* a = std::get_if<Sweep>(&swept.a)) {
            swept.drawnA = DrawnPoints(*a);
            if (b) {
                if (const auto sweptB = ComputeSweep(*b, request, probe);
                    std::holds_alternative<Sweep>(sweptB)) {
                    swept.drawnB = DrawnPoints(std::get<Sweep>(sweptB));
                }
            }
        }
        return [this, request, swept = std::move(swept)]() mutable {
            show(*request.box, request, std::move(swept));
        };
    });
}

void ChartTab::show(const NumberBox& box, const SweepRequest& request, Swept swept) {
    const AnalysisInputs& in = *last_;
    const CharacterSheet sheet = in.sheet();
    sweep_.reset();
    csv_->setEnabled(false);  // nothing to save until a line is drawn
    if (const std::u16string* why = std::get_if<std::u16string>(&swept.a)) {
        pages_->showNote(QStringOf(*why));
        return;
    }
    pages_->showContent();
    sweep_ = std::get<Sweep>(std::move(swept.a));
    csv_->setEnabled(true);

    // The lowest and highest points survive the thinning out, so the axis is the whole sweep's.
    double low = INFINITY;
    double high = -INFINITY;
    for (const QList<QPointF>* line : {&swept.drawnA, &swept.drawnB}) {
        for (const QPointF& point : *line) {
            low = std::min(low, point.y());
            high = std::max(high, point.y());
        }
    }
    // Every change of an axis places each point of the lines again: the lines are emptied first
    // and filled once the axes stand.
    lineA_->clear();
    lineB_->clear();

    if (!(low <= high)) {
        low = 0;
        high = 1;
    }
    const double margin = std::max((high - low) * 0.05, std::abs(high) * 0.001 + 1e-9);
    axisX_->setRange(request.from, request.to);
    axisX_->applyNiceNumbers();
    axisY_->setRange(low - margin, high + margin);
    axisY_->applyNiceNumbers();
    axisY_->setLabelFormat(in.metric->kind == MetricKind::KillTime ? QStringLiteral("%.2f")
                                                                   : QStringLiteral("%.0f"));
    axisX_->setTitleText(box_->currentText());
    axisY_->setTitleText(QStringOf(MetricCaption(*in.metric)));

    for (QLineSeries* line : bracketLines_) {
        chart_->removeSeries(line);
        delete line;
    }
    bracketLines_.clear();
    QPen dashed(QColor(120, 120, 120));
    dashed.setStyle(Qt::DashLine);
    for (const double at : sweep_->bracketChanges) {
        auto* line = new QLineSeries(chart_);
        line->setObjectName(QStringLiteral("chartBracket"));
        line->append(at, axisY_->min());
        line->append(at, axisY_->max());
        line->setPen(dashed);
        chart_->addSeries(line);
        line->attachAxis(axisX_);
        line->attachAxis(axisY_);
        chart_->legend()->markers(line).constFirst()->setVisible(false);
        bracketLines_.push_back(line);
    }

    lineA_->replace(swept.drawnA);
    lineB_->replace(swept.drawnB);
    lineB_->setVisible(!swept.drawnB.isEmpty());
    marker_->clear();
    if (const std::optional<double> now = swept.now) {
        marker_->append(BoxValue(box, sheet), *now);
    }
}

void ChartTab::showNearest(const QXYSeries& series, double x) {
    const QList<QPointF> points = series.points();
    if (points.isEmpty() || !last_ || !last_->metric) {
        return;
    }
    // The points go up along x: of the two around the mouse, the nearer.
    auto nearest = std::lower_bound(points.begin(), points.end(), x,
                                    [](const QPointF& point, double at) { return point.x() < at; });
    if (nearest == points.end() ||
        (nearest != points.begin() && x - std::prev(nearest)->x() < nearest->x() - x)) {
        nearest = std::prev(nearest);
    }
    hover_->setText(box_->currentText() + u' ' + QStringOf(PlainText(nearest->x())) +
                    QStringLiteral(": ") +
                    QStringOf(MetricValueText(*last_->metric, nearest->y())));
}

void ChartTab::saveCsv() {
    if (sweep_ && !SaveCsvAs(this, SweepCsv(*sweep_, CsvHeader::Captions))) {
        hover_->setText(CaptionOf(AnalysisWordOf("chartCsvUnsaved")));
    }
}

}  // namespace brakefell
