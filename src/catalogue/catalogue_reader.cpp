#include "catalogue/catalogue_reader.h"

#include <cstddef>

#include "catalogue/catalogue_rune_line.h"
#include "text/cp949.h"
#include "text/file_lines.h"

namespace brakefell {

namespace {

// The shipped catalogue is a few kilobytes; anything this large is not a catalogue, and refusing
// it keeps a stray huge file from exhausting memory at start-up.
constexpr std::size_t kLargestCatalogueBytes = std::size_t{256} * 1024 * 1024;

// ">" is a single byte that never appears inside a double-byte character of code page 949, so
// a line is a skill header exactly when its first byte is ">". Comment lines are never decoded.
bool IsSkillHeader(std::string_view line) {
    return !line.empty() && line.front() == '>';
}

// The skill name after ">", without leading and trailing blanks. Only blanks are removed: a tab
// or a full-width space is part of the name.
std::u16string SkillNameOf(std::string_view header) {
    std::u16string name = DecodeCp949(header.substr(1));
    const std::size_t last = name.find_last_not_of(u' ');
    if (last == std::u16string::npos) {
        return {};
    }
    name.erase(last + 1);
    name.erase(0, name.find_first_not_of(u' '));
    return name;
}

CatalogueLoadResult Failure(int skillsStored, int line) {
    return {.ok = false, .skillsStored = skillsStored, .failedLine = line};
}

}  // namespace

CatalogueLoadResult ParseSkillCatalogue(std::string_view bytes, SkillCatalogue& catalogue) {
    FileLines lines(bytes);
    int skill = 0;
    while (!lines.atEnd()) {
        const std::string_view line = lines.next();
        if (!IsSkillHeader(line)) {
            continue;  // comment or spacing between skill blocks
        }
        if (skill >= kSkillCount) {
            return Failure(skill, lines.lineNumber());
        }
        SkillRecord& record = catalogue[skill];
        record.name = SkillNameOf(line);
        ++skill;
        // The six lines after a header are its runes whatever they hold, blank or ">" included.
        for (RuneRecord& rune : record.runes) {
            if (lines.atEnd()) {
                return Failure(skill, lines.lineNumber() + 1);  // the rune line that is missing
            }
            const std::string_view runeLine = lines.next();
            if (!ReadRuneLine(DecodeCp949(runeLine), rune)) {
                return Failure(skill, lines.lineNumber());
            }
        }
    }
    return {.ok = true, .skillsStored = skill, .failedLine = 0};
}

CatalogueLoadResult LoadSkillCatalogue(const Storage& storage, std::string_view path,
                                       SkillCatalogue& catalogue) {
    // Only a regular file: a directory fails, and a device or pipe would never end.
    const std::optional<FileContents> file = storage.read(path, kLargestCatalogueBytes);
    if (!file || !file->whole) {
        return {};
    }
    return ParseSkillCatalogue(file->bytes, catalogue);
}

}  // namespace brakefell
