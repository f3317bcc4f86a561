#include "window/input_box.h"

#include <QFocusEvent>
#include <QMouseEvent>

namespace brakefell {

void InputBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    selectAll();
    focusedByClick_ = event->reason() == Qt::MouseFocusReason;
}

void InputBox::focusOutEvent(QFocusEvent* event) {
    focusedByClick_ = false;
    QLineEdit::focusOutEvent(event);
}

void InputBox::mousePressEvent(QMouseEvent* event) {
    if (focusedByClick_ && event->button() == Qt::LeftButton) {
        event->accept();
        return;
    }
    focusedByClick_ = false;
    QLineEdit::mousePressEvent(event);
}

void InputBox::mouseReleaseEvent(QMouseEvent* event) {
    if (focusedByClick_ && event->button() == Qt::LeftButton) {
        focusedByClick_ = false;
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

}  // namespace brakefell
