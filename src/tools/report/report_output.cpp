#include "report_output.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <string>
#include <vector>

#include "engine/report/calculation_report.h"
#include "form/controls.h"
#include "qt_adapters/qt_text.h"

namespace brakefell::report {

namespace {

// The report boxes in the order a person reads the window.
std::vector<std::u16string> ReportBoxNames() {
    std::vector<std::u16string> names;
    for (int k = 0; k < kResultBoxCount; ++k) {
        names.push_back(IndexedName("txtResult", k));
    }
    names.push_back(u"txtBowCycleResult");
    return names;
}

// txtResult(7) and (8) sit in fraMoreDamage and show only while it shows.
bool ShowsOnScreen(const FormState& form, const ControlState& box) {
    if (!box.visible) {
        return false;
    }
    if (box.name == u"txtResult(7)" || box.name == u"txtResult(8)") {
        return form.at(u"fraMoreDamage").visible;
    }
    return true;
}

QJsonObject BoxObject(const ControlState& box) {
    return QJsonObject{{QStringLiteral("visible"), box.visible},
                       {QStringLiteral("text"), QStringOf(box.text)}};
}

QJsonValue InputValue(const ControlState& control) {
    switch (control.kind) {
        case ControlKind::TextBox:
            return QStringOf(control.text);
        case ControlKind::OptionButton:
            return control.value != 0;
        default:
            return control.value;
    }
}

bool IsInput(ControlKind kind) {
    return kind == ControlKind::TextBox || kind == ControlKind::CheckBox ||
           kind == ControlKind::DropDown || kind == ControlKind::OptionButton;
}

}  // namespace

QString PlainReport(const FormState& form) {
    QStringList blocks;
    for (const std::u16string& name : ReportBoxNames()) {
        const ControlState& box = form.at(name);
        if (ShowsOnScreen(form, box) && !box.text.empty()) {
            QString text = QStringOf(box.text);
            text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
            blocks << text;
        }
    }
    return blocks.isEmpty() ? QString() : blocks.join(QStringLiteral("\n\n")) + u'\n';
}

QByteArray JsonReport(const FormState& form, Edition edition) {
    QJsonObject boxes;
    for (const std::u16string& name : ReportBoxNames()) {
        boxes.insert(QStringOf(name), BoxObject(form.at(name)));
    }
    boxes.insert(QStringLiteral("fraMoreDamage"),
                 QJsonObject{{QStringLiteral("visible"), form.at(u"fraMoreDamage").visible}});
    boxes.insert(QStringLiteral("Text1"), BoxObject(form.at(u"Text1")));

    QJsonObject labels;
    for (int i = 0; i < kSlotCount; ++i) {
        const ControlState& label = form.at(IndexedName("lblSkillElement", i));
        labels.insert(
            QStringOf(label.name),
            QJsonObject{{QStringLiteral("caption"), QStringOf(label.text)},
                        {QStringLiteral("color"),
                         QJsonArray{label.color.red, label.color.green, label.color.blue}}});
    }

    QJsonObject inputs;
    for (const ControlState& control : form.controls()) {
        if (IsInput(control.kind)) {
            inputs.insert(QStringOf(control.name), InputValue(control));
        }
    }
    for (int i = 0; i < kSlotCount; ++i) {
        const ControlState& runes = form.at(IndexedName("cboUsingSkillRune", i));
        QJsonArray items;
        for (const std::u16string& item : runes.items) {
            items.append(QStringOf(item));
        }
        inputs.insert(QStringOf(runes.name) + QStringLiteral(".items"), items);
    }

    const QJsonObject root{
        {QStringLiteral("edition"), QStringOf(EditionName(edition))},
        {QStringLiteral("boxes"), boxes},
        {QStringLiteral("labels"), labels},
        {QStringLiteral("inputs"), inputs},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

}  // namespace brakefell::report
