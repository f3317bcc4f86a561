#include "text/file_lines.h"

#include <climits>
#include <cstring>

#include "text/cp949.h"

namespace brakefell {

std::string SingleLineCp949(std::u16string_view text) {
    std::u16string single(text);
    std::erase(single, u'\r');
    return EncodeCp949(single);
}

std::string_view FileLines::next() {
    // memchr keeps long comment lines and megabytes of text cheap to skip.
    const auto* start = rest_.data();
    const auto* cr = static_cast<const char*>(std::memchr(start, '\r', rest_.size()));
    if (lineNumber_ < INT_MAX) {
        ++lineNumber_;
    }
    if (cr == nullptr) {
        const std::string_view line = rest_;
        rest_ = {};
        return line;
    }
    const std::string_view line(start, static_cast<std::size_t>(cr - start));
    std::size_t consumed = line.size() + 1;
    if (consumed < rest_.size() && rest_[consumed] == '\n') {
        ++consumed;
    }
    rest_.remove_prefix(consumed);
    return line;
}

}  // namespace brakefell
