#include "text/file_lines.h"

#include <climits>
#include <cstring>

namespace brakefell {

QByteArrayView FileLines::next() {
    // memchr keeps long comment lines and megabytes of text cheap to skip.
    const auto* start = rest_.data();
    const auto* cr = static_cast<const char*>(std::memchr(start, '\r', rest_.size()));
    if (lineNumber_ < INT_MAX) {
        ++lineNumber_;
    }
    if (cr == nullptr) {
        const QByteArrayView line = rest_;
        rest_ = {};
        return line;
    }
    const QByteArrayView line(start, cr - start);
    qsizetype consumed = line.size() + 1;
    if (consumed < rest_.size() && rest_[consumed] == '\n') {
        ++consumed;
    }
    rest_ = rest_.sliced(consumed);
    return line;
}

}  // namespace brakefell
