#include "window/analysis/note_or_content.h"

namespace brakefell {

NoteOrContent::NoteOrContent(QWidget* content, QWidget* parent) : QStackedWidget(parent) {
    note_ = new QLabel(this);
    note_->setObjectName(QStringLiteral("note"));
    note_->setAlignment(Qt::AlignCenter);
    note_->setWordWrap(true);
    addWidget(content);
    addWidget(note_);
}

void NoteOrContent::showNote(const QString& note) {
    note_->setText(note);
    setCurrentWidget(note_);
}

void NoteOrContent::showContent() {
    setCurrentIndex(0);
}

}  // namespace brakefell
