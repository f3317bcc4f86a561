#pragma once
// The words of an analysis tab's control, written in one table per tab: its object name (which
// the tests find it by), what it shows or a screen reader says, and its tool tip.

#include <QString>
#include <QWidget>

#include "analysis/analysis_words.h"

namespace brakefell {

using ControlTexts = AnalysisWord;

// The word's caption and tip as the window shows them.
inline QString CaptionOf(const ControlTexts& texts) {
    return QString::fromUtf8(texts.caption);
}
inline QString TipOf(const ControlTexts& texts) {
    return QString::fromUtf8(texts.tip);
}

// The widget with its object name and tool tip.
template <typename Widget>
Widget* Named(Widget* widget, const ControlTexts& texts) {
    widget->setObjectName(QString::fromUtf8(texts.name));
    widget->setToolTip(QString::fromUtf8(texts.tip));
    return widget;
}

// A button or a check box showing its caption.
template <typename Button>
Button* Captioned(const ControlTexts& texts, QWidget* parent) {
    return Named(new Button(QString::fromUtf8(texts.caption), parent), texts);
}

// A control without a caption of its own, its caption spoken.
template <typename Widget>
Widget* Spoken(const ControlTexts& texts, QWidget* parent) {
    auto* widget = Named(new Widget(parent), texts);
    widget->setAccessibleName(QString::fromUtf8(texts.caption));
    return widget;
}

}  // namespace brakefell
