#include "profile/build_options.h"

#include <algorithm>
#include <optional>
#include <set>

#include "form/control_table.h"
#include "form/option_pairs.h"
#include "profile/profile_layout.h"
#include "text/cp949.h"
#include "text/file_lines.h"

namespace brakefell {
namespace {

constexpr QByteArrayView kVersion = "1";

bool IsInput(ControlKind kind) {
    return kind == ControlKind::TextBox || kind == ControlKind::CheckBox ||
           kind == ControlKind::DropDown || kind == ControlKind::OptionButton;
}

bool HeldByProfile(QStringView name) {
    const auto layout = ProfileLayout();
    return std::any_of(layout.begin(), layout.end(), [name](const ProfileLine& line) {
        const QLatin1StringView held(line.control);
        return name == held || PartnerOption(name) == held;
    });
}

// A whole number as written: an optional minus sign and at most five digits, nothing else.
std::optional<int> StrictInteger(QByteArrayView text) {
    const bool negative = text.startsWith('-');
    const QByteArrayView digits = negative ? text.sliced(1) : text;
    if (digits.isEmpty() || digits.size() > 5) {
        return std::nullopt;
    }
    int value = 0;
    for (const char digit : digits) {
        if (digit < '0' || digit > '9') {
            return std::nullopt;
        }
        value = value * 10 + (digit - '0');
    }
    return negative ? -value : value;
}

bool ApplyValue(const ControlState& control, QByteArrayView value, FormState& form) {
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
            if (*number < -1 || *number >= control.items.size()) {
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
            if (IsInput(entry.kind) && !HeldByProfile(QString::fromLatin1(entry.name))) {
                inputs.push_back(entry.name);
            }
        }
        return inputs;
    }();
    return names;
}

QByteArray WriteBuildOptions(const FormState& form) {
    QByteArray bytes = kVersion.toByteArray() + "\r\n";
    for (const char* name : OptionInputs()) {
        const ControlState& control = form.at(QString::fromLatin1(name));
        bytes += name;
        bytes += '=';
        if (control.kind == ControlKind::TextBox) {
            QString single = control.text;
            single.remove(u'\r');  // a CR would end the line early
            bytes += EncodeCp949(single);
        } else {
            bytes += QByteArray::number(control.value);
        }
        bytes += "\r\n";
    }
    return bytes;
}

bool ReadBuildOptions(QByteArrayView bytes, FormState& form) {
    FileLines lines(bytes);
    if (lines.atEnd() || lines.next() != kVersion) {
        return false;
    }
    const std::vector<const char*>& inputs = OptionInputs();
    std::set<QByteArray> seen;
    while (!lines.atEnd()) {
        const QByteArrayView line = lines.next();
        const qsizetype equals = line.indexOf('=');
        if (equals <= 0) {
            return false;
        }
        const QByteArrayView name = line.first(equals);
        const bool known = std::any_of(inputs.begin(), inputs.end(),
                                       [name](const char* input) { return name == input; });
        if (!known || !seen.insert(name.toByteArray()).second) {
            return false;
        }
        const ControlState& control = form.at(QString::fromLatin1(name));
        if (!ApplyValue(control, line.sliced(equals + 1), form)) {
            return false;
        }
    }
    return true;
}

}  // namespace brakefell
