#pragma once
// An input text box that selects its whole text whenever it receives the focus, by Tab or by a
// click, so that the next number typed replaces the old one.

#include <QLineEdit>

namespace brakefell {

class InputBox : public QLineEdit {
  public:
    using QLineEdit::QLineEdit;

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    // A click that gives the focus would place the cursor right after the selection is made;
    // that click's press and release are kept from the line edit.
    bool focusedByClick_ = false;
};

}  // namespace brakefell
