#include "window/report_box.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QPalette>
#include <QScrollBar>
#include <QStyle>
#include <QTextBlock>
#include <algorithm>

namespace brakefell {

namespace {
constexpr int kSideMargin = 2;  // pixels between the frame and the text, left and right
}

ReportBox::ReportBox(Role role, QWidget* parent) : QPlainTextEdit(parent), role_(role) {
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setTabChangesFocus(true);
    setUndoRedoEnabled(false);
    // A thin frame and margins at the sides only: a hit block's nine lines of 12 pixels fill
    // its box exactly, and its columns keep the width they were sized for.
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    document()->setDocumentMargin(0);
    setViewportMargins(kSideMargin, 0, kSideMargin, 0);

    if (role == Role::Trace) {
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    } else {
        // Report lines keep their columns: never wrapped.
        setLineWrapMode(QPlainTextEdit::NoWrap);
        settleScrollBars();
    }

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
    settleScrollBars();
}

void ReportBox::keyPressEvent(QKeyEvent* event) {
    constexpr auto kShiftState = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;
    if (role_ == Role::Report && event->key() == Qt::Key_A &&
        (event->modifiers() & kShiftState) == Qt::ControlModifier) {
        selectAll();
    }
    // The key is not swallowed: the box's own handling still sees it.
    QPlainTextEdit::keyPressEvent(event);
}

void ReportBox::resizeEvent(QResizeEvent* event) {
    QPlainTextEdit::resizeEvent(event);
    settleScrollBars();
}

void ReportBox::changeEvent(QEvent* event) {
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        settleScrollBars();
    }
}

// Scroll bars only for a report larger than its box. Decided here from the box's whole inner
// room: left to themselves, "as needed" bars can stay on when the text fits only without them.
void ReportBox::settleScrollBars() {
    if (role_ != Role::Report) {
        return;
    }
    if (reportText_.isEmpty()) {
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        return;
    }
    const QFontMetricsF metrics(font());
    qreal widest = 0;
    int lines = 0;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        widest = std::max(widest, metrics.horizontalAdvance(block.text()));
        ++lines;
    }
    const qreal tall = lines * metrics.height();
    const QRect room = contentsRect();
    const int roomWidth = room.width() - 2 * kSideMargin;
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);

    bool across = widest > roomWidth;
    bool down = tall > room.height() - (across ? bar : 0);
    across = widest > roomWidth - (down ? bar : 0);
    setHorizontalScrollBarPolicy(across ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(down ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

}  // namespace brakefell
