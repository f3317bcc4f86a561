#pragma once
// Walks a file of the program (the catalogue, a profile) line by line the way the program has
// always read them: a line ends at a CR or at a CR LF pair, while a lone LF is part of the line.
// Text after the last line end is a line only when it is not empty, so a file ending in CR LF
// has no empty last line. CR never occurs inside a code page 949 character, so the raw bytes
// are split before they are decoded.

#include <string>
#include <string_view>

namespace brakefell {

// The text as one line of such a file: code page 949, without the CRs that would end the line
// early and shift every later value by one line (a single-line box cannot hold one anyway).
std::string SingleLineCp949(std::u16string_view text);

class FileLines {
  public:
    explicit FileLines(std::string_view bytes) : rest_(bytes) {}

    bool atEnd() const { return rest_.empty(); }

    // The next line without its line end. Call only when not atEnd().
    std::string_view next();

    // 1-based number of the line that next() returned last; 0 before the first line.
    int lineNumber() const { return lineNumber_; }

  private:
    std::string_view rest_;
    int lineNumber_ = 0;
};

}  // namespace brakefell
