#include "analysis_output.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "analysis/analysis_csv.h"
#include "analysis/analysis_pages.h"
#include "desktop_adapters/qt_text.h"

namespace brakefell::report {
namespace {

QByteArray Printed(const AnalysisPage& page, OutputForm form) {
    return form == OutputForm::Csv ? QByteArray::fromStdString(AnalysisPageCsv(page))
                                   : QStringOf(AnalysisPageText(page)).toUtf8();
}

QJsonValue Number(std::optional<double> value) {
    return value ? QJsonValue(*value) : QJsonValue(QJsonValue::Null);
}

QByteArray Json(const QJsonObject& object) {
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

QJsonObject ChangedJson(const ChangedMetric& changed) {
    return {{QStringLiteral("value"), Number(changed.value)},
            {QStringLiteral("delta"), Number(changed.delta)},
            {QStringLiteral("percent"), Number(changed.percent)},
            {QStringLiteral("refused"), changed.refused}};
}

}  // namespace

QByteArray StatValuesText(const StatValues& values, OutputForm form) {
    return Printed(StatValuesPage(values, TableForm::Printed), form);
}

QByteArray StatValuesJson(const StatValues& values) {
    QJsonArray rows;
    for (const StatValueRow& row : values.rows) {
        rows.append(
            QJsonObject{{QStringLiteral("name"), QString::fromLatin1(row.box->name)},
                        {QStringLiteral("caption"), QStringOf(row.caption)},
                        {QStringLiteral("step"), row.step},
                        {QStringLiteral("plus"), ChangedJson(row.plus)},
                        {QStringLiteral("minus"), ChangedJson(row.minus)},
                        {QStringLiteral("main_stat_equivalent"), Number(row.mainStatEquivalent)}});
    }
    const auto cliff = [](const std::optional<AttackSpeedCliff>& c, const char* where) {
        if (!c) {
            return QJsonValue(QJsonValue::Null);
        }
        return QJsonValue(QJsonObject{{QLatin1StringView(where), c->attackSpeed},
                                      {QStringLiteral("value"), c->value},
                                      {QStringLiteral("percent"), Number(c->percent)}});
    };
    return Json({
        {QStringLiteral("metric"), QStringOf(MetricName(values.metric))},
        {QStringLiteral("better"),
         HigherIsBetter(values.metric) ? QStringLiteral("higher") : QStringLiteral("lower")},
        {QStringLiteral("base"), Number(values.base)},
        {QStringLiteral("rows"), rows},
        {QStringLiteral("attack_speed"),
         QJsonObject{{QStringLiteral("current"), values.attackSpeed},
                     {QStringLiteral("next"), cliff(values.next, "at")},
                     {QStringLiteral("drop"), cliff(values.drop, "below")}}},
    });
}

QByteArray ComparisonText(const Comparison& comparison, OutputForm form) {
    return Printed(ComparisonPage(comparison, TableForm::Printed), form);
}

QByteArray ComparisonJson(const Comparison& comparison) {
    QJsonObject a;
    QJsonObject b;
    for (const FigureComparison& row : comparison.figures) {
        a.insert(QStringOf(row.key), Number(row.a));
        b.insert(QStringOf(row.key), Number(row.b));
    }
    QJsonArray inputs;
    for (const InputDifference& input : comparison.inputs) {
        inputs.append(QJsonObject{{QStringLiteral("name"), QStringOf(input.name)},
                                  {QStringLiteral("caption"), QStringOf(input.caption)},
                                  {QStringLiteral("a"), QStringOf(input.a)},
                                  {QStringLiteral("b"), QStringOf(input.b)}});
    }
    return Json({{QStringLiteral("metric"), QStringOf(MetricName(comparison.metric))},
                 {QStringLiteral("a"), a},
                 {QStringLiteral("b"), b},
                 {QStringLiteral("inputs_differ"), inputs}});
}

QByteArray SweepText(const Sweep& sweep) {
    return Printed(SweepPage(sweep), OutputForm::Columns);
}

QByteArray SweepJson(const Sweep& sweep) {
    QJsonArray points;
    for (const SweepPoint& point : sweep.points) {
        points.append(QJsonArray{point.value, Number(point.metric)});
    }
    QJsonArray changes;
    for (const double at : sweep.bracketChanges) {
        changes.append(at);
    }
    return Json({{QStringLiteral("metric"), QStringOf(MetricName(sweep.metric))},
                 {QStringLiteral("name"), QStringOf(sweep.name)},
                 {QStringLiteral("points"), points},
                 {QStringLiteral("bracket_changes"), changes}});
}

QByteArray OptimizationText(const Optimization& optimization, Metric metric,
                            const FormState& inputs, OutputForm form) {
    return Printed(OptimizationPage(optimization, metric, inputs, TableForm::Printed), form);
}

QByteArray OptimizationJson(const Optimization& optimization, Metric metric) {
    QJsonArray top;
    for (const OptimizedBuild& build : optimization.top) {
        QJsonArray changes;
        for (const ChoiceChange& change : build.changes) {
            changes.append(QJsonObject{{QStringLiteral("name"), QStringOf(change.name)},
                                       {QStringLiteral("from"), change.from},
                                       {QStringLiteral("to"), change.to}});
        }
        top.append(QJsonObject{{QStringLiteral("value"), build.value},
                               {QStringLiteral("percent"), Number(build.percent)},
                               {QStringLiteral("changes"), changes},
                               {QStringLiteral("ties"), static_cast<qint64>(build.ties)},
                               {QStringLiteral("gap_percent"), Number(build.gap)}});
    }
    const std::optional<Standing>& standing = optimization.standing;
    return Json({{QStringLiteral("metric"), QStringOf(MetricName(metric))},
                 {QStringLiteral("base"), Number(optimization.base)},
                 {QStringLiteral("combinations"), static_cast<qint64>(optimization.combinations)},
                 {QStringLiteral("top"), top},
                 {QStringLiteral("rank"), standing ? QJsonValue(static_cast<qint64>(standing->rank))
                                                   : QJsonValue(QJsonValue::Null)},
                 {QStringLiteral("gap_percent"), Number(standing ? standing->gap : std::nullopt)}});
}

}  // namespace brakefell::report
