#include "profile/build_options.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <set>

#include "form/control_table.h"
#include "form/option_pairs.h"
#include "profile/profile_layout.h"
#include "text/cp949.h"
#include "text/file_lines.h"
#include "text/strings.h"

namespace brakefell {
namespace {

constexpr std::string_view kVersion = "1";

bool HeldByProfile(std::u16string_view name) {
    const auto layout = ProfileLayout();
    return std::any_of(layout.begin(), layout.end(), [name](const ProfileLine& line) {
        return EqualsAscii(name, line.control) || EqualsAscii(PartnerOption(name), line.control);
    });
}

bool ApplyValue(const ControlState& control, std::string_view value, FormState& form) {
    if (control.kind == ControlKind::TextBox) {
        form.setText(control.name, DecodeCp949(value));
        return true;
    }
    const std::optional<int> number = StrictInteger(value);
    if (!number) {
        return false;
    }
    switch (control.kind) {
        case ControlKind::CheckBox:
            if (*number < 0 || *number > 2) {
                return false;
            }
            form.setCheck(control.name, *number);
            return true;
        case ControlKind::DropDown:
            if (*number < -1 || *number >= std::ssize(control.items)) {
                return false;
            }
            form.setListIndex(control.name, *number);
            return true;
        case ControlKind::OptionButton:
            if (*number != 0 && *number != 1) {
                return false;
            }
            form.setOption(control.name, *number == 1);
            return true;
        default:
            return false;
    }
}

}  // namespace

const std::vector<const char*>& OptionInputs() {
    static const std::vector<const char*> names = [] {
        std::vector<const char*> inputs;
        for (const ControlSpec& entry : ControlTable()) {
            if (IsInputKind(entry.kind) && !HeldByProfile(Utf16OfLatin1(entry.name))) {
                inputs.push_back(entry.name);
            }
        }
        return inputs;
    }();
    return names;
}

std::string WriteBuildOptions(const FormState& form) {
    std::string bytes = std::string(kVersion) + "\r\n";
    for (const char* name : OptionInputs()) {
        const ControlState& control = form.at(Utf16OfLatin1(name));
        bytes += name;
        bytes += '=';
        if (control.kind == ControlKind::TextBox) {
            bytes += SingleLineCp949(control.text);
        } else {
            bytes += std::to_string(control.value);
        }
        bytes += "\r\n";
    }
    return bytes;
}

bool ReadBuildOptions(std::string_view bytes, FormState& form) {
    FileLines lines(bytes);
    if (lines.atEnd() || lines.next() != kVersion) {
        return false;
    }
    const std::vector<const char*>& inputs = OptionInputs();
    std::set<std::string_view> seen;
    while (!lines.atEnd()) {
        const std::string_view line = lines.next();
        const std::size_t equals = line.find('=');
        if (equals == 0 || equals == std::string_view::npos) {
            return false;
        }
        const std::string_view name = line.substr(0, equals);
        const bool known = std::any_of(inputs.begin(), inputs.end(),
                                       [name](const char* input) { return name == input; });
        if (!known || !seen.insert(name).second) {
            return false;
        }
        const ControlState& control = form.at(Utf16OfLatin1(name));
        if (!ApplyValue(control, line.substr(equals + 1), form)) {
            return false;
        }
    }
    return true;
}

}  // namespace brakefell
