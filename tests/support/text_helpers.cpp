#include "text_helpers.h"

#include <fstream>
#include <iterator>
#include <utility>

namespace brakefell::testing {

std::vector<std::u16string> Lines(std::u16string_view text) {
    return Split(text, u"\r\n");
}

namespace {

template <typename Char>
std::vector<std::basic_string<Char>> SplitText(std::basic_string_view<Char> text,
                                               std::basic_string_view<Char> separator) {
    std::vector<std::basic_string<Char>> parts;
    for (;;) {
        const std::size_t at = text.find(separator);
        parts.emplace_back(text.substr(0, at));
        if (at == std::basic_string_view<Char>::npos) {
            return parts;
        }
        text.remove_prefix(at + separator.size());
    }
}

template <typename Char>
std::basic_string<Char> JoinText(const std::vector<std::basic_string<Char>>& parts,
                                 std::basic_string_view<Char> separator) {
    std::basic_string<Char> joined;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) {
            joined += separator;
        }
        joined += parts[i];
    }
    return joined;
}

template <typename Char>
std::basic_string<Char> ReplaceText(std::basic_string<Char> text, std::basic_string_view<Char> from,
                                    std::basic_string_view<Char> to) {
    for (std::size_t at = text.find(from); at != std::basic_string<Char>::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

template <typename Char>
std::basic_string<Char> RepeatedText(std::basic_string_view<Char> text, std::size_t times) {
    std::basic_string<Char> repeated;
    repeated.reserve(text.size() * times);
    for (std::size_t i = 0; i < times; ++i) {
        repeated += text;
    }
    return repeated;
}

}  // namespace

std::vector<std::u16string> Split(std::u16string_view text, std::u16string_view separator) {
    return SplitText(text, separator);
}

std::vector<std::string> Split(std::string_view bytes, std::string_view separator) {
    return SplitText(bytes, separator);
}

std::u16string Join(const std::vector<std::u16string>& parts, std::u16string_view separator) {
    return JoinText(parts, separator);
}

std::string Join(const std::vector<std::string>& parts, std::string_view separator) {
    return JoinText(parts, separator);
}

std::u16string ReplaceAll(std::u16string text, std::u16string_view from, std::u16string_view to) {
    return ReplaceText(std::move(text), from, to);
}

std::string ReplaceAll(std::string bytes, std::string_view from, std::string_view to) {
    return ReplaceText(std::move(bytes), from, to);
}

std::string Repeated(std::string_view text, std::size_t times) {
    return RepeatedText(text, times);
}

std::u16string Repeated(std::u16string_view text, std::size_t times) {
    return RepeatedText(text, times);
}

std::optional<std::string> ReadFileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

bool WriteFileBytes(const std::string& path, std::string_view bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

}  // namespace brakefell::testing
