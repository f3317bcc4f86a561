#pragma once
// A tab's content, or in its place one short Korean note when there are no numbers to show: a
// refused input is never shown with the figures of before.

#include <QLabel>
#include <QStackedWidget>

namespace brakefell {

class NoteOrContent : public QStackedWidget {
  public:
    NoteOrContent(QWidget* content, QWidget* parent);

    void showNote(const QString& note);
    void showContent();
    bool showsNote() const { return currentWidget() == note_; }
    QString note() const { return note_->text(); }

  private:
    QLabel* note_;
};

}  // namespace brakefell
