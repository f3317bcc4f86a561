#include "analysis_output.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <algorithm>
#include <vector>

#include "analysis/analysis_texts.h"
#include "form/input_captions.h"
#include "qt_adapters/qt_text.h"
#include "text/cp949.h"
#include "text/number_format.h"

namespace brakefell::report {
namespace {

// Rows of cells printed in columns as wide as their widest cell, two blanks between columns; each
// column's letter in `alignments` says "l"eft or "r"ight (the first column is left by default).
class Columns {
  public:
    explicit Columns(QString alignments = QStringLiteral("lrrrrrrr"))
        : alignments_(std::move(alignments)) {}

    void Row(QStringList cells) { rows_.push_back(std::move(cells)); }

    QString Text() const {
        std::vector<int> widths;
        for (const QStringList& row : rows_) {
            for (qsizetype c = 0; c < row.size(); ++c) {
                if (widths.size() <= static_cast<std::size_t>(c)) {
                    widths.push_back(0);
                }
                widths[c] = std::max(widths[c], DisplayWidth(TextOf(row[c])));
            }
        }
        QString text;
        for (const QStringList& row : rows_) {
            QString line;
            for (qsizetype c = 0; c < row.size(); ++c) {
                const auto width = static_cast<std::int16_t>(widths[c]);
                const QString cell = row[c].isEmpty() ? QStringLiteral("-") : row[c];
                const bool left = c < alignments_.size() && alignments_[c] == u'l';
                if (c > 0) {
                    line += QStringLiteral("  ");
                }
                line +=
                    QStringOf(PadDisplayText(TextOf(cell), width, left ? kAlignLeft : kAlignRight));
            }
            while (line.endsWith(u' ')) {
                line.chop(1);
            }
            text += line + u'\n';
        }
        return text;
    }

  private:
    QString alignments_;
    std::vector<QStringList> rows_;
};

QJsonValue Number(std::optional<double> value) {
    return value ? QJsonValue(*value) : QJsonValue(QJsonValue::Null);
}

QByteArray Json(const QJsonObject& object) {
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

QString Heading(const QString& what, Metric metric) {
    return what + QStringLiteral(" - ") + QStringOf(MetricCaption(metric)) +
           (HigherIsBetter(metric) ? QStringLiteral(" (높을수록 좋음)")
                                   : QStringLiteral(" (낮을수록 좋음)"));
}

QString ChangeText(Metric metric, const ChangedMetric& changed) {
    if (changed.refused) {
        return QStringLiteral("계산 불가");
    }
    if (!changed.value) {
        return {};
    }
    const QString delta = QStringOf(MetricDeltaText(metric, changed.delta));
    return changed.percent
               ? delta + QStringLiteral(" (") + QStringOf(PercentText(changed.percent)) + u')'
               : delta;
}

QJsonObject ChangedJson(const ChangedMetric& changed) {
    return {{QStringLiteral("value"), Number(changed.value)},
            {QStringLiteral("delta"), Number(changed.delta)},
            {QStringLiteral("percent"), Number(changed.percent)},
            {QStringLiteral("refused"), changed.refused}};
}

// "다음 구간까지 +22.40%p → +3.06% (261,610,508)"; without the share when the base is 0.
QString CliffText(const QString& where, double now, Metric metric, const AttackSpeedCliff& cliff) {
    const QString value = QStringOf(MetricValueText(metric, cliff.value));
    return where + u' ' +
           QStringOf(PercentText(cliff.attackSpeed - now)).replace(u'%', QStringLiteral("%p")) +
           QStringLiteral(" → ") +
           (cliff.percent
                ? QStringOf(PercentText(cliff.percent)) + QStringLiteral(" (") + value + u')'
                : value);
}

}  // namespace

QByteArray StatValuesText(const StatValues& values) {
    const Metric metric = values.metric;
    QString text = Heading(QStringLiteral("스탯 가치"), metric) + u'\n';
    if (!values.base) {
        return (text + QStringLiteral("이 입력으로는 계산할 수 없습니다.\n")).toUtf8();
    }
    text += QStringLiteral("기준: ") + QStringOf(MetricValueText(metric, values.base)) +
            QStringLiteral("\n\n");
    Columns columns;
    columns.Row({QStringLiteral("칸"), QStringLiteral("한 단계"), QStringLiteral("올리면"),
                 QStringLiteral("내리면"), QStringLiteral("민첩 환산")});
    for (const StatValueRow& row : values.rows) {
        columns.Row({QStringOf(row.caption), QStringOf(PlainText(row.step)),
                     ChangeText(metric, row.plus), ChangeText(metric, row.minus),
                     QStringOf(PlainText(row.mainStatEquivalent))});
    }
    text += columns.Text();
    if (values.next || values.drop) {
        text += u'\n';
    }
    if (values.next) {
        text +=
            CliffText(QStringLiteral("다음 구간까지"), values.attackSpeed, metric, *values.next) +
            u'\n';
    }
    if (values.drop) {
        text +=
            CliffText(QStringLiteral("아래 구간까지"), values.attackSpeed, metric, *values.drop) +
            u'\n';
    }
    return text.toUtf8();
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

QByteArray ComparisonText(const Comparison& comparison) {
    QString text = Heading(QStringLiteral("비교 (A: 지금 입력, B: 프로필)"), comparison.metric) +
                   QStringLiteral("\n\n");
    Columns figures;
    figures.Row({QStringLiteral("항목"), QStringLiteral("A"), QStringLiteral("B"),
                 QStringLiteral("차이"), QStringLiteral("%")});
    for (const FigureComparison& row : comparison.figures) {
        figures.Row({QStringOf(row.label), QStringOf(FigureText(row.key, row.a)),
                     QStringOf(FigureText(row.key, row.b)),
                     QStringOf(FigureDeltaText(row.key, row.difference)),
                     QStringOf(PercentText(row.percent))});
    }
    text += figures.Text();
    text += QStringLiteral("\n다른 입력: %1개\n").arg(comparison.inputs.size());
    if (!comparison.inputs.empty()) {
        Columns inputs(QStringLiteral("llll"));
        inputs.Row({QStringLiteral("칸"), QStringLiteral("이름"), QStringLiteral("A"),
                    QStringLiteral("B")});
        for (const InputDifference& input : comparison.inputs) {
            inputs.Row({QStringOf(input.name), QStringOf(input.caption), QStringOf(input.a),
                        QStringOf(input.b)});
        }
        text += inputs.Text();
    }
    return text.toUtf8();
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
    QString text = Heading(QStringLiteral("변화 - ") + QStringOf(sweep.name) +
                               QStringLiteral(" (") + QStringOf(InputCaption(sweep.name)) + u')',
                           sweep.metric) +
                   QStringLiteral("\n\n");
    Columns columns;
    columns.Row({QStringLiteral("값"), QStringOf(MetricCaption(sweep.metric))});
    for (const SweepPoint& point : sweep.points) {
        columns.Row({QStringOf(PlainText(point.value)),
                     point.metric ? QStringOf(MetricValueText(sweep.metric, point.metric))
                                  : QStringLiteral("계산 불가")});
    }
    text += columns.Text();
    QStringList changes;
    for (const double at : sweep.bracketChanges) {
        changes << QStringOf(PlainText(at));
    }
    text += QStringLiteral("\n쇠뇌 공속 구간이 바뀌는 곳: ") +
            (changes.isEmpty() ? QStringLiteral("없음") : changes.join(QStringLiteral(", "))) +
            u'\n';
    return text.toUtf8();
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
                            const FormState& form) {
    QString text = Heading(QStringLiteral("최적화"), metric) + u'\n';
    if (!optimization.base) {
        return (text + QStringLiteral("이 입력으로는 계산할 수 없습니다.\n")).toUtf8();
    }
    text +=
        QStringLiteral("지금: %1, 계산한 조합: %2가지\n\n")
            .arg(QStringOf(MetricValueText(metric, optimization.base)),
                 QStringOf(FormatNumber(static_cast<double>(optimization.combinations), u"#,##0")));
    Columns columns(QStringLiteral("rrrl"));
    columns.Row({QStringLiteral("순위"), QStringOf(MetricCaption(metric)), QStringLiteral("변화"),
                 QStringLiteral("바꿀 것")});
    int rank = 0;
    for (const OptimizedBuild& build : optimization.top) {
        QStringList changes;
        for (const ChoiceChange& change : build.changes) {
            changes << QStringOf(ChoiceChangeText(form, change));
        }
        columns.Row({QString::number(++rank), QStringOf(MetricValueText(metric, build.value)),
                     QStringOf(PercentText(build.percent)),
                     changes.isEmpty() ? QStringLiteral("(지금 그대로)")
                                       : changes.join(QStringLiteral(", "))});
    }
    return (text + columns.Text()).toUtf8();
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
                               {QStringLiteral("changes"), changes}});
    }
    return Json({{QStringLiteral("metric"), QStringOf(MetricName(metric))},
                 {QStringLiteral("base"), Number(optimization.base)},
                 {QStringLiteral("combinations"), static_cast<qint64>(optimization.combinations)},
                 {QStringLiteral("top"), top}});
}

}  // namespace brakefell::report
