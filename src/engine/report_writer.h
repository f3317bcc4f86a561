#pragma once
// Appends report text. Every figure that reaches the report passes through here, so a figure
// that is not a finite number is noticed instead of being printed.

#include <QString>
#include <QStringView>
#include <cstdint>

namespace brakefell {

inline constexpr QStringView kLineEnd = u"\r\n";
inline constexpr std::int16_t kAmountWidth = 12;

// Remembers whether every figure shown so far was a finite number.
class FigureGuard {
  public:
    bool allFinite() const { return allFinite_; }
    // True when `value` may be printed.
    bool admit(double value);

  private:
    bool allFinite_ = true;
};

class ReportWriter {
  public:
    ReportWriter(QString& out, FigureGuard& guard) : out_(out), guard_(guard) {}

    ReportWriter& text(QStringView text) {
        out_.append(text);
        return *this;
    }
    ReportWriter& lineEnd() { return text(kLineEnd); }

    // FormatAmount right-aligned: nothing for an amount of 0 or less.
    ReportWriter& amount(double value, std::int16_t width = kAmountWidth);
    // FormatNumber by a pattern such as "0.00" or "###,###,###".
    ReportWriter& number(double value, QStringView pattern);
    // The general text of a number: 4, 2.5, 33.
    ReportWriter& count(double value);
    // PadDisplayText: `text` padded with blanks to `width` display columns.
    ReportWriter& padded(const QString& text, std::int16_t width, std::int16_t alignFlag);

    FigureGuard& guard() { return guard_; }

  private:
    QString& out_;
    FigureGuard& guard_;
};

}  // namespace brakefell
