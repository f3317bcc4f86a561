#include "report_output.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <string>
#include <vector>

#include "desktop_adapters/qt_text.h"
#include "engine/report/calculation_report.h"
#include "form/controls.h"
#include "form/report_boxes.h"

namespace brakefell::report {

namespace {

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

}  // namespace

QString PlainReport(const FormState& form) {
    QStringList blocks;
    for (const ReportBox& box : ReportBoxesInReadingOrder(form)) {
        if (box.shown && !box.text.empty()) {
            QString text = QStringOf(box.text);
            text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
            blocks << text;
        }
    }
    return blocks.isEmpty() ? QString() : blocks.join(QStringLiteral("\n\n")) + u'\n';
}

QByteArray JsonReport(const FormState& form, Edition edition) {
    QJsonObject boxes;
    for (const ReportBox& box : ReportBoxesInReadingOrder(form)) {
        boxes.insert(QStringOf(box.name), BoxObject(form.at(box.name)));
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
        if (IsInputKind(control.kind)) {
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
