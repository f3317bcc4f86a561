#include "window/window_fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QString>
#include <initializer_list>

namespace brakefell {
namespace {

// Each entry lists the names one installed family may report itself under.
using Aliases = std::initializer_list<const char*>;

bool IsInstalled(const Aliases& names) {
    // QFontInfo tells which family the request really got; asking for a few families keeps
    // start-up from enumerating every installed font.
    const QString got = QFontInfo(QFont(QString::fromUtf8(*names.begin()))).family();
    for (const char* name : names) {
        if (got.compare(QString::fromUtf8(name), Qt::CaseInsensitive) == 0) {
            return true;
        }
    }
    return false;
}

QString FirstInstalled(std::initializer_list<Aliases> candidates, const QString& fallback) {
    for (const Aliases& names : candidates) {
        if (IsInstalled(names)) {
            return QString::fromUtf8(*names.begin());
        }
    }
    return fallback;
}

const QString& WindowFamily() {
    static const QString family =
        FirstInstalled({{"굴림", "Gulim"}, {"NanumGothic", "나눔고딕"}},
                       QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
    return family;
}

const QString& FixedPitchFamily() {
    // NanumGothicCoding draws every Hangul syllable exactly two Latin characters wide.
    static const QString family =
        FirstInstalled({{"굴림체", "GulimChe"}, {"NanumGothicCoding", "나눔고딕코딩"}},
                       QFontDatabase::systemFont(QFontDatabase::FixedFont).family());
    return family;
}

QFont Sized(const QString& family, double points, bool bold) {
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

}  // namespace

QFont WindowFont(double points, bool bold) {
    return Sized(WindowFamily(), points, bold);
}

QFont FixedPitchFont(double points, bool bold) {
    QFont font = Sized(FixedPitchFamily(), points, bold);
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

QFont FontFor(const FontSpec& entry) {
    return entry.face == TypeFace::FixedPitch ? FixedPitchFont(entry.points, entry.bold)
                                              : WindowFont(entry.points, entry.bold);
}

}  // namespace brakefell
