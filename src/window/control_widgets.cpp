#include "window/control_widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include "desktop_adapters/qt_text.h"
#include "window/input_box.h"
#include "window/report_box.h"

namespace brakefell {
namespace {

QColor ColourOf(Rgb rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

void SetTextColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette colours = widget->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        colours.setColor(group, role, colour);
    }
    widget->setPalette(colours);
}

QWidget* CreateByKind(const ControlSpec& entry, QWidget* parent) {
    const QString caption = QString::fromUtf8(entry.caption);
    switch (entry.kind) {
        case ControlKind::TextBox:
            return new InputBox(parent);
        case ControlKind::ResultBox: {
            auto* box = new ReportBox(
                entry.role == ControlRole::Trace ? ReportBox::Role::Trace : ReportBox::Role::Report,
                parent);
            if (entry.look.coloured) {
                SetTextColour(box, QPalette::Text, ColourOf(entry.look.colour));
            }
            return box;
        }
        case ControlKind::CheckBox:
            return new QCheckBox(caption, parent);
        case ControlKind::DropDown: {
            auto* list = new QComboBox(parent);
            list->setEditable(false);
            return list;
        }
        case ControlKind::OptionButton:
            return new QRadioButton(caption, parent);
        case ControlKind::Label: {
            auto* label = new QLabel(parent);
            label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            return label;
        }
        case ControlKind::Frame:
            if (caption.isEmpty()) {
                auto* frame = new QFrame(parent);  // no caption, no border
                frame->setFrameShape(QFrame::NoFrame);
                return frame;
            }
            return new QGroupBox(caption, parent);
        case ControlKind::CommandButton:
            return new QPushButton(caption, parent);
    }
    return new QWidget(parent);
}

void ShowCheck(QCheckBox* box, int value) {
    if (value == 2) {
        box->setCheckState(Qt::PartiallyChecked);
        return;
    }
    // A click never makes a box grayed; only a stored value can.
    box->setTristate(false);
    box->setCheckState(value == 1 ? Qt::Checked : Qt::Unchecked);
}

void ShowOption(QRadioButton* option, bool selected) {
    if (option->isChecked() == selected) {
        return;
    }
    if (!selected) {
        // The selected button of an exclusive pair refuses to clear itself.
        option->setAutoExclusive(false);
        option->setChecked(false);
        option->setAutoExclusive(true);
        return;
    }
    option->setChecked(true);
}

void ShowList(QComboBox* list, const ControlState& state) {
    QStringList items;
    items.reserve(static_cast<qsizetype>(state.items.size()));
    for (const std::u16string& item : state.items) {
        items.append(QStringOf(item));
    }
    QStringList shown;
    shown.reserve(list->count());
    for (int i = 0; i < list->count(); ++i) {
        shown.append(list->itemText(i));
    }
    if (shown != items) {
        list->clear();
        list->addItems(items);
    }
    if (list->currentIndex() != state.value) {
        list->setCurrentIndex(state.value);
    }
}

}  // namespace

QWidget* CreateControlWidget(const ControlSpec& entry, QWidget* parent) {
    QWidget* widget = CreateByKind(entry, parent);
    widget->setObjectName(QString::fromLatin1(entry.name));
    widget->setToolTip(QString::fromUtf8(entry.tooltip));
    return widget;
}

int CheckValueOf(Qt::CheckState state) {
    switch (state) {
        case Qt::Unchecked:
            return 0;
        case Qt::Checked:
            return 1;
        case Qt::PartiallyChecked:
            return 2;
    }
    return 0;
}

void ShowControlState(QWidget* widget, const ControlState& state) {
    const QSignalBlocker quiet(widget);
    switch (state.kind) {
        case ControlKind::TextBox:
            if (auto* box = qobject_cast<QLineEdit*>(widget)) {
                if (const QString text = QStringOf(state.text); box->text() != text) {
                    box->setText(text);
                }
            }
            break;
        case ControlKind::ResultBox:
            if (auto* box = dynamic_cast<ReportBox*>(widget)) {
                box->setReportText(QStringOf(state.text));
            }
            break;
        case ControlKind::CheckBox:
            if (auto* box = qobject_cast<QCheckBox*>(widget)) {
                ShowCheck(box, state.value);
            }
            break;
        case ControlKind::DropDown:
            if (auto* list = qobject_cast<QComboBox*>(widget)) {
                ShowList(list, state);
            }
            break;
        case ControlKind::OptionButton:
            if (auto* option = qobject_cast<QRadioButton*>(widget)) {
                ShowOption(option, state.value != 0);
            }
            break;
        case ControlKind::Label:
            if (auto* label = qobject_cast<QLabel*>(widget)) {
                label->setText(QStringOf(state.text));
                SetTextColour(label, QPalette::WindowText, ColourOf(state.color));
            }
            break;
        case ControlKind::Frame:
        case ControlKind::CommandButton:
            break;
    }
    if (widget->isHidden() == state.visible) {
        widget->setVisible(state.visible);
    }
}

}  // namespace brakefell
