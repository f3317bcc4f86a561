#include "analysis/analysis_texts.h"

#include <QRegularExpression>

#include "text/number_format.h"
#include "text/numbers.h"

namespace brakefell {
namespace {

QStringView PatternOf(Metric metric) {
    return metric.kind == MetricKind::KillTime ? QStringView(u"#,##0.00초") : QStringView(u"#,##0");
}

// A plus sign before what is not negative and does not read as zero.
QString Signed(QString text) {
    if (!text.startsWith(u'-') && text.contains(QRegularExpression(QStringLiteral("[1-9]")))) {
        text.prepend(u'+');
    }
    return text;
}

}  // namespace

QString MetricValueText(Metric metric, std::optional<double> value) {
    return value ? FormatNumber(*value, PatternOf(metric)) : QString();
}

QString MetricDeltaText(Metric metric, std::optional<double> delta) {
    return delta ? Signed(FormatNumber(*delta, PatternOf(metric))) : QString();
}

QString PercentText(std::optional<double> percent) {
    return percent ? Signed(FormatNumber(*percent, u"0.00")) + u'%' : QString();
}

QString PlainText(std::optional<double> value) {
    return value ? PlainNumberText(*value) : QString();
}

}  // namespace brakefell
