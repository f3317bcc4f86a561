#include "form/window/report_box.h"

#include <QKeyEvent>
#include <QPalette>

namespace brakefell {

ReportBox::ReportBox(bool takesSelectAllKey, QWidget* parent)
    : QPlainTextEdit(parent), takesSelectAllKey_(takesSelectAllKey) {
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setTabChangesFocus(true);
    setUndoRedoEnabled(false);
    // The report is laid out for the box's width; a scroll bar appears only if it ever is not.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // A thin frame and margins at the sides only: a hit block's nine lines of 12 pixels fill
    // its box exactly, and its columns keep the width they were sized for.
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    document()->setDocumentMargin(0);
    setViewportMargins(2, 0, 2, 0);

    // The boxes sit on the window's own colour, like the menus, not on the white of an input.
    QPalette colours = palette();
    colours.setColor(QPalette::Base, colours.color(QPalette::Window));
    colours.setColor(QPalette::Inactive, QPalette::Base,
                     colours.color(QPalette::Inactive, QPalette::Window));
    setPalette(colours);
}

void ReportBox::setReportText(const QString& text) {
    if (text == reportText_) {
        return;
    }
    reportText_ = text;
    setPlainText(text);
}

void ReportBox::keyPressEvent(QKeyEvent* event) {
    constexpr auto kShiftState = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;
    if (takesSelectAllKey_ && event->key() == Qt::Key_A &&
        (event->modifiers() & kShiftState) == Qt::ControlModifier) {
        selectAll();
    }
    // The key is not swallowed: the box's own handling still sees it.
    QPlainTextEdit::keyPressEvent(event);
}

}  // namespace brakefell
