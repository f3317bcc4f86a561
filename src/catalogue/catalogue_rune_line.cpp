#include "catalogue/catalogue_rune_line.h"

#include <array>

#include "text/numbers.h"

namespace brakefell {

namespace {

// Fields past the eleventh are ignored, so only the first eleven are kept.
constexpr std::size_t kRuneFieldCount = 11;

struct RuneFields {
    std::array<std::u16string_view, kRuneFieldCount> field;
    std::size_t count = 0;  // every field of the line, including ignored ones
};

// Splits at every "/" without trimming or quoting; a line without "/" is one field.
RuneFields SplitRuneLine(std::u16string_view line) {
    RuneFields fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t slash = line.find(u'/', start);
        const std::size_t end = slash == std::u16string_view::npos ? line.size() : slash;
        if (fields.count < kRuneFieldCount) {
            fields.field[fields.count] = line.substr(start, end - start);
        }
        ++fields.count;
        if (slash == std::u16string_view::npos) {
            return fields;
        }
        start = slash + 1;
    }
}

bool StoreFlag(std::u16string_view text, bool& into) {
    const std::optional<bool> flag = FlagOf(text);
    if (!flag) {
        return false;
    }
    into = *flag;
    return true;
}

bool StoreInt16(std::u16string_view text, std::int16_t& into) {
    const std::optional<std::int16_t> value = RoundToInt16(NumberOf(text));
    if (!value) {
        return false;
    }
    into = *value;
    return true;
}

}  // namespace

bool ReadRuneLine(std::u16string_view line, RuneRecord& rune) {
    const RuneFields fields = SplitRuneLine(line);
    const auto& f = fields.field;
    const std::size_t n = fields.count;

    // Fewer than five fields cannot name a rune: nothing is stored.
    if (n < 5) {
        return false;
    }
    rune.name = std::u16string(f[0]);
    if (!StoreFlag(f[1], rune.hasDamage)) {
        return false;
    }
    rune.mainCoefficient = NumberOf(f[2]);
    if (!StoreInt16(f[3], rune.elementCode) || !StoreInt16(f[4], rune.reservedValue)) {
        return false;
    }
    // Five or six fields: a rune without the multi-hit part (a sixth field is a note).
    if (n < 7) {
        return true;
    }
    if (!StoreFlag(f[5], rune.isMultiHit)) {
        return false;
    }
    rune.extraCoefficient = NumberOf(f[6]);
    if (n < 8 || !StoreFlag(f[7], rune.extraIsRocket)) {
        return false;  // with seven fields the rocket flag is missing
    }
    if (n < 9) {
        return true;
    }
    if (!StoreFlag(f[8], rune.extraOnCrit)) {
        return false;
    }
    if (n < 10) {
        return true;
    }
    if (!StoreFlag(f[9], rune.reservedFlag1)) {
        return false;
    }
    // With ten fields the second reserved flag is missing.
    return n >= 11 && StoreFlag(f[10], rune.reservedFlag2);
}

}  // namespace brakefell
