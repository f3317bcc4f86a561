#pragma once
// Texts and files as the tests handle them, without Qt: a report's lines, splitting, replacing,
// and whole files read and written with the standard library.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brakefell::testing {

// Split at CR LF: "a\r\nb\r\n" gives "a", "b", "".
std::vector<std::u16string> Lines(std::u16string_view text);

// Split at every `separator`; the text without one is one part.
std::vector<std::u16string> Split(std::u16string_view text, std::u16string_view separator);
std::vector<std::string> Split(std::string_view bytes, std::string_view separator);

std::u16string Join(const std::vector<std::u16string>& parts, std::u16string_view separator);
std::string Join(const std::vector<std::string>& parts, std::string_view separator);

std::u16string ReplaceAll(std::u16string text, std::u16string_view from, std::u16string_view to);
std::string ReplaceAll(std::string bytes, std::string_view from, std::string_view to);

// The text `times` times over.
std::string Repeated(std::string_view text, std::size_t times);
std::u16string Repeated(std::u16string_view text, std::size_t times);

inline bool Contains(std::u16string_view text, std::u16string_view part) {
    return text.find(part) != std::u16string_view::npos;
}

// A file's bytes; nullopt when it cannot be read.
std::optional<std::string> ReadFileBytes(const std::string& path);
// Writes the bytes over whatever the file held; false when it cannot.
bool WriteFileBytes(const std::string& path, std::string_view bytes);

}  // namespace brakefell::testing
