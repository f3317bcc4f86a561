#include "engine/report_writer.h"

#include <cmath>

#include "text/number_format.h"
#include "text/numbers.h"

namespace brakefell {

bool FigureGuard::admit(double value) {
    if (std::isfinite(value)) {
        return true;
    }
    allFinite_ = false;
    return false;
}

ReportWriter& ReportWriter::amount(double value, std::int16_t width) {
    if (guard_.admit(value)) {
        out_.append(FormatAmount(value, width, kAlignRight));
    }
    return *this;
}

ReportWriter& ReportWriter::number(double value, QStringView pattern) {
    if (guard_.admit(value)) {
        out_.append(FormatNumber(value, pattern));
    }
    return *this;
}

ReportWriter& ReportWriter::count(double value) {
    if (guard_.admit(value)) {
        out_.append(GeneralNumberText(value));
    }
    return *this;
}

ReportWriter& ReportWriter::padded(const QString& text, std::int16_t width,
                                   std::int16_t alignFlag) {
    out_.append(PadDisplayText(text, width, alignFlag));
    return *this;
}

}  // namespace brakefell
