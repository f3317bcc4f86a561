#include "analysis/analysis_texts.h"

#include <QRegularExpression>

#include "form/input_captions.h"
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

QStringView FigurePattern(const QString& key) {
    if (key.startsWith(u"kill_time")) {
        return u"#,##0.00초";
    }
    if (key.endsWith(u"attack_speed")) {
        return u"0.0000";
    }
    if (key == u"cycle_length") {
        return u"0.0초";
    }
    return u"#,##0";
}

}  // namespace

QString FigureText(const QString& key, std::optional<double> value) {
    return value ? FormatNumber(*value, FigurePattern(key)) : QString();
}

QString FigureDeltaText(const QString& key, std::optional<double> delta) {
    return delta ? Signed(FormatNumber(*delta, FigurePattern(key))) : QString();
}

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

QString ChoiceChangeText(const FormState& form, const ChoiceChange& change) {
    const ControlState* control = form.find(change.name);
    if (control != nullptr && control->kind == ControlKind::DropDown) {
        const auto item = [&](int index) {
            return index >= 0 && index < control->items.size() ? control->items[index]
                                                               : QString::number(index);
        };
        return InputCaption(change.name) + QStringLiteral(": ") + item(change.from) +
               QStringLiteral(" → ") + item(change.to);
    }
    return InputCaption(change.name) +
           (change.to == 1 ? QStringLiteral(" 켬") : QStringLiteral(" 끔"));
}

}  // namespace brakefell
