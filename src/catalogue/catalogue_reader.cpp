#include "catalogue/catalogue_reader.h"

#include <QFile>
#include <QFileInfo>

#include "catalogue/catalogue_rune_line.h"
#include "text/cp949.h"
#include "text/file_lines.h"

namespace brakefell {

namespace {

// The shipped catalogue is a few kilobytes; anything this large is not a catalogue, and refusing
// it keeps a stray huge file from exhausting memory at start-up.
constexpr qint64 kLargestCatalogueBytes = qint64{256} * 1024 * 1024;

// ">" is a single byte that never appears inside a double-byte character of code page 949, so
// a line is a skill header exactly when its first byte is ">". Comment lines are never decoded.
bool IsSkillHeader(QByteArrayView line) {
    return !line.isEmpty() && line.front() == '>';
}

// The skill name after ">", without leading and trailing blanks. Only blanks are removed: a tab
// or a full-width space is part of the name, as the catalogue has always been read.
QString SkillNameOf(QByteArrayView header) {
    QString name = DecodeCp949(header.sliced(1));
    qsizetype last = name.size();
    while (last > 0 && name[last - 1] == u' ') {
        --last;
    }
    name.truncate(last);
    qsizetype first = 0;
    while (first < last && name[first] == u' ') {
        ++first;
    }
    name.remove(0, first);
    return name;
}

CatalogueLoadResult Failure(int skillsStored, int line) {
    return {.ok = false, .skillsStored = skillsStored, .failedLine = line};
}

}  // namespace

CatalogueLoadResult ParseSkillCatalogue(QByteArrayView bytes, SkillCatalogue& catalogue) {
    FileLines lines(bytes);
    int skill = 0;
    while (!lines.atEnd()) {
        const QByteArrayView line = lines.next();
        if (!IsSkillHeader(line)) {
            continue;  // comment or spacing between skill blocks
        }
        if (skill >= kSkillCount) {
            return Failure(skill, lines.lineNumber());
        }
        SkillRecord& record = catalogue[skill];
        record.Name = SkillNameOf(line);
        ++skill;
        // The six lines after a header are its runes whatever they hold, blank or ">" included.
        for (RuneRecord& rune : record.Runes) {
            if (lines.atEnd()) {
                return Failure(skill, lines.lineNumber() + 1);  // the rune line that is missing
            }
            const QByteArrayView runeLine = lines.next();
            if (!ReadRuneLine(DecodeCp949(runeLine), rune)) {
                return Failure(skill, lines.lineNumber());
            }
        }
    }
    return {.ok = true, .skillsStored = skill, .failedLine = 0};
}

CatalogueLoadResult LoadSkillCatalogue(const QString& path, SkillCatalogue& catalogue) {
    // Only a regular file: a directory fails, and a device or pipe would never end.
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > kLargestCatalogueBytes) {
        return {};
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return {};
    }
    return ParseSkillCatalogue(bytes, catalogue);
}

}  // namespace brakefell
