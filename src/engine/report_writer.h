#pragma once
// Appends report text. Every figure that reaches the report passes through here, so a figure
// that is not a finite number is noticed instead of being printed.

#include <QString>
#include <QStringView>
#include <algorithm>
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
    // A figure that never reaches the report was not a finite number either.
    void reject() { allFinite_ = false; }

  private:
    bool allFinite_ = true;
};

// Builds one text in a buffer that grows ahead of need, so that a report of hundreds of small
// pieces costs a handful of allocations; take() hands the text over.
class ReportWriter {
  public:
    explicit ReportWriter(FigureGuard& guard, qsizetype capacity = 256);

    // The text written so far; the writer starts over empty.
    QString take();

    ReportWriter& text(QStringView text) {
        // Report pieces are short: a plain loop beats a call to the library's memmove.
        const char16_t* from = text.utf16();
        char16_t* to = room(text.size());
        for (qsizetype i = 0; i < text.size(); ++i) {
            to[i] = from[i];
        }
        return *this;
    }
    ReportWriter& lineEnd() { return text(kLineEnd); }

    // FormatAmount right-aligned: nothing for an amount of 0 or less.
    ReportWriter& amount(double value, std::int16_t width = kAmountWidth);
    // FormatNumber by a pattern such as "0.00" or "0.0%".
    ReportWriter& number(double value, QStringView pattern);
    // A whole amount grouped by thousands without padding: the pattern "###,###,##0" when
    // `zeroAsDigit`, else "###,###,###" (a zero prints nothing).
    ReportWriter& whole(double value, bool zeroAsDigit);
    // The general text of a number: 4, 2.5, 33.
    ReportWriter& count(double value);
    // PadDisplayText: `text` padded with blanks to `width` display columns.
    ReportWriter& padded(const QString& text, std::int16_t width, std::int16_t alignFlag);

    FigureGuard& guard() { return guard_; }

  private:
    // `count` characters of room at the end of the text, to be filled by the caller.
    char16_t* room(qsizetype count) {
        if (length_ + count > capacity_) {
            grow(length_ + count);
        }
        char16_t* at = data_ + length_;
        length_ += count;
        return at;
    }
    void grow(qsizetype needed);

    QString buffer_;  // written up to length_; the rest is room
    FigureGuard& guard_;
    char16_t* data_ = nullptr;
    qsizetype length_ = 0;
    qsizetype capacity_ = 0;
};

}  // namespace brakefell
