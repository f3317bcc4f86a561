#pragma once
// Appends report text: the number patterns and padding of the report, written into one growing
// buffer. The figures it is given are finite (the calculation refuses any other).

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace brakefell {

inline constexpr std::u16string_view kLineEnd = u"\r\n";
inline constexpr std::int16_t kAmountWidth = 12;

// Builds one text in a buffer that grows ahead of need, so that a report of hundreds of small
// pieces costs a handful of allocations; take() hands the text over.
class ReportWriter {
  public:
    explicit ReportWriter(std::size_t capacity = 256);

    // The text written so far; the writer starts over empty.
    std::u16string take();

    ReportWriter& text(std::u16string_view text) {
        // Report pieces are short: a plain loop beats a call to the library's memmove.
        const char16_t* from = text.data();
        char16_t* to = room(text.size());
        for (std::size_t i = 0; i < text.size(); ++i) {
            to[i] = from[i];
        }
        return *this;
    }
    ReportWriter& lineEnd() { return text(kLineEnd); }

    // FormatAmount right-aligned: nothing for an amount of 0 or less.
    ReportWriter& amount(double value, std::int16_t width = kAmountWidth);
    // FormatNumber by a pattern such as "0.00" or "0.0%".
    ReportWriter& number(double value, std::u16string_view pattern);
    // A whole amount grouped by thousands without padding: the pattern "###,###,##0" when
    // `zeroAsDigit`, else "###,###,###" (a zero prints nothing).
    ReportWriter& whole(double value, bool zeroAsDigit);
    // The general text of a number: 4, 2.5, 33.
    ReportWriter& count(double value);
    // PadDisplayText: `text` padded with blanks to `width` display columns.
    ReportWriter& padded(std::u16string_view text, std::int16_t width, std::int16_t alignFlag);

  private:
    // `count` characters of room at the end of the text, to be filled by the caller.
    char16_t* room(std::size_t count) {
        if (length_ + count > capacity_) {
            grow(length_ + count);
        }
        char16_t* at = data_ + length_;
        length_ += count;
        return at;
    }
    void grow(std::size_t needed);

    std::u16string buffer_;  // written up to length_; the rest is room
    char16_t* data_ = nullptr;
    std::size_t length_ = 0;
    std::size_t capacity_ = 0;
};

}  // namespace brakefell
