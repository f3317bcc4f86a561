#pragma once
// Builds small catalogues for the reader tests: text written here in UTF-8, handed to the reader
// as the code page 949 bytes a catalogue file holds.

#include <memory>
#include <ostream>
#include <string>
#include <string_view>

#include "catalogue/catalogue_reader.h"
#include "text/cp949.h"
#include "text/strings.h"
#include "text_helpers.h"

namespace brakefell {

inline void PrintTo(const RuneRecord& r, std::ostream* os) {
    *os << '{' << Utf8OfUtf16(r.name) << ", main " << r.mainCoefficient << ", element "
        << r.elementCode << ", reserved " << r.reservedValue << ", damage " << r.hasDamage
        << ", multi " << r.isMultiHit << ", extra " << r.extraCoefficient << ", rocket "
        << r.extraIsRocket << ", crit " << r.extraOnCrit << ", flags " << r.reservedFlag1
        << r.reservedFlag2 << '}';
}

namespace test {

inline std::string Cp949(const char* utf8) {
    return EncodeCp949(Utf16OfUtf8(utf8));
}

inline constexpr char kFullRuneLine[] = "r/True/1/1/0/False/0/False/False/False/False";

inline std::string RuneLines(int count, const char* eol = "\r\n") {
    return testing::Repeated(std::string(kFullRuneLine) + eol, static_cast<std::size_t>(count));
}

// A header and six complete rune lines, every line ended by `eol`.
inline std::string SkillBlock(const char* name, const char* eol = "\r\n") {
    return ">" + Cp949(name) + eol + RuneLines(kRuneCount, eol);
}

inline std::string SkillBlocks(int count, const char* eol = "\r\n", const char* between = "") {
    std::string bytes;
    for (int skill = 0; skill < count; ++skill) {
        bytes += SkillBlock(std::to_string(skill).c_str(), eol) + between;
    }
    return bytes;
}

struct Parsed {
    CatalogueLoadResult result;
    std::unique_ptr<SkillCatalogue> catalogue = std::make_unique<SkillCatalogue>();
};

inline Parsed Parse(std::string_view bytes) {
    Parsed parsed;
    parsed.result = ParseSkillCatalogue(bytes, *parsed.catalogue);
    return parsed;
}

}  // namespace test
}  // namespace brakefell
