#include "profile/profile_lines.h"

#include <cstdlib>
#include <optional>

#include "profile/profile_layout.h"
#include "text/cp949.h"
#include "text/file_lines.h"
#include "text/numbers.h"
#include "text/strings.h"

namespace brakefell {
namespace {

constexpr char kCrLf[] = "\r\n";

// A list may be left without a selection only for the weapon speed and the distance; a skill or
// rune line must name an entry.
bool AcceptsNoSelection(std::u16string_view list) {
    return list == u"cboWeaponSpeed" || list == u"cboGemJMeter";
}

std::string IntegerLine(int value) {
    // Display form: a blank (or the minus sign), the digits, a trailing blank.
    return (value < 0 ? "-" : " ") + std::to_string(std::abs(value)) + ' ';
}

bool ApplyIntegerLine(std::u16string_view line, std::u16string_view controlName, FormState& form) {
    const std::optional<std::int16_t> rounded = RoundToInt16(NumberOf(line));
    if (!rounded) {
        return false;
    }
    const int value = *rounded;
    const ControlState& control = form.at(controlName);
    if (control.kind == ControlKind::CheckBox) {
        if (value < 0 || value > 2) {
            return false;
        }
        form.setCheck(controlName, value);
        return true;
    }
    const bool noSelection = value == -1 && AcceptsNoSelection(controlName);
    if (!noSelection && (value < 0 || value >= std::ssize(control.items))) {
        return false;
    }
    form.setListIndex(controlName, value);
    return true;
}

bool ApplyLine(std::string_view bytes, const ProfileLine& line, FormState& form) {
    const std::u16string controlName = Utf16OfLatin1(line.control);
    switch (line.kind) {
        case ProfileLineKind::Text:
            form.setText(controlName, DecodeCp949(bytes));
            return true;
        case ProfileLineKind::Integer:
            return ApplyIntegerLine(DecodeCp949(bytes), controlName, form);
        case ProfileLineKind::Flag:
            // Only the exact word selects the first option; anything else selects its partner.
            form.setOption(controlName, bytes == "True");
            return true;
    }
    return false;
}

}  // namespace

std::string WriteProfile(const FormState& form) {
    std::string bytes;
    for (const ProfileLine& line : ProfileLayout()) {
        const ControlState& control = form.at(Utf16OfLatin1(line.control));
        switch (line.kind) {
            case ProfileLineKind::Text:
                bytes += SingleLineCp949(control.text);
                break;
            case ProfileLineKind::Integer:
                bytes += IntegerLine(control.value);
                break;
            case ProfileLineKind::Flag:
                bytes += control.value == 1 ? "True" : "False";
                break;
        }
        bytes += kCrLf;
    }
    return bytes;
}

ProfileReadResult ReadProfile(std::string_view bytes, FormState& form) {
    ProfileReadResult result;
    FileLines lines(bytes);
    for (const ProfileLine& line : ProfileLayout()) {
        if (lines.atEnd() || !ApplyLine(lines.next(), line, form)) {
            return result;  // the file ended early, or the line cannot be applied
        }
        ++result.linesApplied;
    }
    result.complete = true;
    return result;
}

}  // namespace brakefell
