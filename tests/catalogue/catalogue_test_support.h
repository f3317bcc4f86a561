#pragma once
// Builds small catalogues for the reader tests: text written here in UTF-8, handed to the reader
// as the code page 949 bytes a catalogue file holds.

#include <QByteArray>
#include <QString>
#include <memory>
#include <ostream>

#include "catalogue/catalogue_reader.h"
#include "text/cp949.h"

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace brakefell {

inline void PrintTo(const RuneRecord& r, std::ostream* os) {
    *os << '{' << r.Name.toStdString() << ", main " << r.MainCoefficient << ", element "
        << r.ElementCode << ", reserved " << r.ReservedValue << ", damage " << r.HasDamage
        << ", multi " << r.IsMultiHit << ", extra " << r.ExtraCoefficient << ", rocket "
        << r.ExtraIsRocket << ", crit " << r.ExtraOnCrit << ", flags " << r.ReservedFlag1
        << r.ReservedFlag2 << '}';
}

namespace test {

inline QByteArray Cp949(const char* utf8) {
    return EncodeCp949(QString::fromUtf8(utf8));
}

inline constexpr char kFullRuneLine[] = "r/True/1/1/0/False/0/False/False/False/False";

inline QByteArray RuneLines(int count, const char* eol = "\r\n") {
    return (QByteArray(kFullRuneLine) + eol).repeated(count);
}

// A header and six complete rune lines, every line ended by `eol`.
inline QByteArray SkillBlock(const char* name, const char* eol = "\r\n") {
    return ">" + Cp949(name) + eol + RuneLines(kRuneCount, eol);
}

inline QByteArray SkillBlocks(int count, const char* eol = "\r\n", const char* between = "") {
    QByteArray bytes;
    for (int skill = 0; skill < count; ++skill) {
        bytes += SkillBlock(QByteArray::number(skill).constData(), eol) + between;
    }
    return bytes;
}

struct Parsed {
    CatalogueLoadResult result;
    std::unique_ptr<SkillCatalogue> catalogue = std::make_unique<SkillCatalogue>();
};

inline Parsed Parse(QByteArrayView bytes) {
    Parsed parsed;
    parsed.result = ParseSkillCatalogue(bytes, *parsed.catalogue);
    return parsed;
}

}  // namespace test
}  // namespace brakefell
