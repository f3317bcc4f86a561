#include "window/calculator_window.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QShowEvent>
#include <QVBoxLayout>
#include <algorithm>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

#include "desktop_adapters/qt_text.h"
#include "form/input_captions.h"
#include "text/strings.h"
#include "window/analysis/analysis_window.h"
#include "window/command_keys.h"
#include "window/control_widgets.h"
#include "window/window_fonts.h"

namespace brakefell {
namespace {

int Pixels(int twips) {
    return twips / kTwipsPerPixel;
}

// What a window system adds around the client area before the window is shown and its frame is
// known: thin borders and a title bar. The lite edition is drawn for a 1024 x 768 screen with
// 3-pixel borders, so the guess must not be wider than that.
constexpr QSize kFrameGuess(6, 32);

const ControlSpec& SpecOf(const char* name) {
    if (const ControlSpec* entry = FindControlSpec(name)) {
        return *entry;
    }
    throw std::logic_error(std::string("the window places an unknown control: ") + name);
}

QLabel* CreateFixedLabel(const LayoutItem& item, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(item.text), parent);
    const Qt::Alignment across = item.align == TextAlign::Centre ? Qt::AlignHCenter : Qt::AlignLeft;
    label->setAlignment(across | Qt::AlignVCenter);
    return label;
}

}  // namespace

StartupOptions WindowStartUp() {
    StartupOptions options;
    options.recordHistory = true;
    return options;
}

CalculatorWindow::CalculatorWindow(CalculatorSession& session, QWidget* parent)
    : QWidget(parent), session_(session) {
    const WindowLayout& layout = LayoutOf(session.edition());
    setWindowTitle(QString::fromUtf8(layout.caption));
    setFont(WindowFont());
    content_ = QSize(Pixels(layout.clientWidth), Pixels(layout.clientHeight));
    canvas_ = new QWidget;
    canvas_->setFixedSize(content_);
    scroller_ = new QScrollArea(this);
    scroller_->setFrameShape(QFrame::NoFrame);
    scroller_->setFocusPolicy(Qt::NoFocus);  // Tab goes from input to input, as it always did
    scroller_->setWidget(canvas_);
    auto* whole = new QVBoxLayout(this);
    whole->setContentsMargins(0, 0, 0, 0);
    whole->addWidget(scroller_);

    createWidgets(layout);
    for (const ControlSpec& entry : ControlTable()) {
        if (auto* button =
                qobject_cast<QAbstractButton*>(control(QString::fromLatin1(entry.name)))) {
            button->setText(QString::fromUtf8(CaptionIn(session.edition(), entry)));
        }
    }
    chainTabOrder(layout);

    FormState& form = session_.form();
    for (const ControlState& state : form.controls()) {
        if (QWidget* widget = control(QStringOf(state.name))) {
            ShowControlState(widget, state);
        }
    }
    shown_ = session_.onControlChanged([this](const ControlState& state) {
        if (QWidget* widget = control(QStringOf(state.name))) {
            ShowControlState(widget, state);
        }
    });
    addShortcuts();
    fitInto(screen()->availableGeometry().size());

    // Ending the program without closing the window (a desktop logging out) still saves.
    connect(qApp, &QCoreApplication::aboutToQuit, this, &CalculatorWindow::shutDown);
}

CalculatorWindow::~CalculatorWindow() {
    delete analysis_;  // a window of its own, following the session until it is gone
    session_.removeListener(shown_);
}

QWidget* CalculatorWindow::containerOf(LayoutParent parent) {
    switch (parent) {
        case LayoutParent::Form:
            return canvas_;
        case LayoutParent::Frame1:
            return control(QStringLiteral("Frame1"));
        case LayoutParent::fraVoodoo:
            return control(QStringLiteral("fraVoodoo"));
        case LayoutParent::fraMoreDamage:
            return control(QStringLiteral("fraMoreDamage"));
    }
    return nullptr;
}

void CalculatorWindow::createWidgets(const WindowLayout& layout) {
    QList<std::pair<QLabel*, const char*>> namingLabels;
    for (const LayoutItem& item : layout.items) {
        QWidget* parent = containerOf(item.parent);
        if (parent == nullptr) {
            throw std::logic_error("the window places a control before its frame");
        }
        QWidget* widget = nullptr;
        if (item.control != nullptr) {
            const ControlSpec& entry = SpecOf(item.control);
            widget = CreateControlWidget(entry, parent);
            controls_.insert(QString::fromLatin1(item.control), widget);
            connectInput(entry, widget);
        } else {
            QLabel* label = CreateFixedLabel(item, parent);
            if (item.names != nullptr) {
                namingLabels.append({label, item.names});
            }
            widget = label;
        }
        widget->setGeometry(Pixels(item.left), Pixels(item.top), Pixels(item.width),
                            Pixels(item.height));
        if (item.font != FontSpec{}) {  // the rest inherit the window's font
            widget->setFont(FontFor(item.font));
        }
    }

    // Inputs are known to assistive tools by the label beside them, or by a name of their own.
    for (const auto& [label, names] : namingLabels) {
        if (QWidget* input = control(QString::fromLatin1(names))) {
            label->setBuddy(input);
            input->setAccessibleName(label->text());
        }
    }
    for (auto it = controls_.cbegin(); it != controls_.cend(); ++it) {
        if (const std::u16string spoken = OwnInputCaption(TextOf(it.key())); !spoken.empty()) {
            it.value()->setAccessibleName(QStringOf(spoken));
        }
    }
    // A report box shows no caption: its caption is only spoken.
    for (const ControlSpec& entry : ControlTable()) {
        if (QWidget* box = control(QString::fromLatin1(entry.name));
            box != nullptr && entry.kind == ControlKind::ResultBox) {
            box->setAccessibleName(QString::fromUtf8(entry.caption));
        }
    }
}

void CalculatorWindow::connectInput(const ControlSpec& entry, QWidget* widget) {
    const std::u16string name = Utf16OfLatin1(entry.name);
    switch (entry.kind) {
        case ControlKind::TextBox:
            connect(
                static_cast<QLineEdit*>(widget), &QLineEdit::textEdited, this,
                [this, name](const QString& text) { session_.form().setText(name, TextOf(text)); });
            break;
        case ControlKind::DropDown:
            // Runs for every pick, the same entry again included, like a click on the list.
            connect(static_cast<QComboBox*>(widget), &QComboBox::activated, this,
                    [this, name](int index) { session_.form().setListIndex(name, index); });
            break;
        case ControlKind::CheckBox: {
            auto* box = static_cast<QCheckBox*>(widget);
            connect(box, &QCheckBox::clicked, this, [this, name, box] {
                session_.form().setCheck(name, CheckValueOf(box->checkState()));
            });
            break;
        }
        case ControlKind::OptionButton:
            connect(static_cast<QRadioButton*>(widget), &QRadioButton::clicked, this,
                    [this, name](bool selected) {
                        if (selected) {
                            session_.form().setOption(name, true);
                        }
                    });
            break;
        case ControlKind::CommandButton: {
            auto* button = static_cast<QPushButton*>(widget);
            connect(button, &QPushButton::clicked, this,
                    [this, role = entry.role] { command(role); });
            break;
        }
        case ControlKind::ResultBox:
        case ControlKind::Label:
        case ControlKind::Frame:
            break;
    }
}

void CalculatorWindow::command(ControlRole role) {
    switch (role) {
        case ControlRole::Calculate:
            session_.calculate();
            break;
        case ControlRole::Open:
            session_.openProfile();
            break;
        case ControlRole::Save:
            session_.saveProfile();
            break;
        case ControlRole::Analysis:
            openAnalysis();
            break;
        case ControlRole::None:
        case ControlRole::ReportBox:
        case ControlRole::Totals:
        case ControlRole::Trace:
            break;
    }
}

void CalculatorWindow::chainTabOrder(const WindowLayout& layout) {
    QWidget* previous = nullptr;
    for (const char* name : layout.tabOrder) {
        QWidget* next = control(QString::fromLatin1(name));
        if (next == nullptr) {
            throw std::logic_error(std::string("the tab order names an unknown control: ") + name);
        }
        if (previous != nullptr) {
            setTabOrder(previous, next);
        }
        previous = next;
    }
}

void CalculatorWindow::addShortcuts() {
    AddCommandKeys(*this, session_);
    connect(new QShortcut(QKeySequence(Qt::Key_F2), this), &QShortcut::activated, this,
            [this] { openAnalysis(); });
}

void CalculatorWindow::fitInto(QSize available) {
    const QSize frame = isVisible() ? frameGeometry().size() - geometry().size() : kFrameGuess;
    const QSize room = available - frame;
    if (content_.width() <= room.width() && content_.height() <= room.height()) {
        scroller_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        scroller_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setMinimumSize(content_);
        setMaximumSize(content_);
        resize(content_);
        return;
    }
    scroller_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    scroller_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // Never larger than the layout with its scroll bars, never larger than the screen.
    const int bar = scroller_->verticalScrollBar()->sizeHint().width();
    const QSize largest = content_ + QSize(bar, bar);
    setMinimumSize(std::min(320, largest.width()), std::min(240, largest.height()));
    setMaximumSize(largest);
    resize(largest.boundedTo(room));
}

bool CalculatorWindow::scrolls() const {
    return scroller_->horizontalScrollBarPolicy() != Qt::ScrollBarAlwaysOff;
}

AnalysisWindow* CalculatorWindow::analysis() const {
    return analysis_;
}

AnalysisWindow& CalculatorWindow::openAnalysis() {
    if (analysis_ == nullptr) {
        analysis_ = new AnalysisWindow(session_);
    }
    // Where the reports are, so that the analysis window never first covers the inputs.
    // Shown or not yet (before the first "계산"), the report boxes keep their place.
    QRect reports;
    for (const ControlSpec& entry : ControlTable()) {
        const QWidget* box = control(QString::fromLatin1(entry.name));
        if (box != nullptr &&
            (entry.role == ControlRole::ReportBox || entry.role == ControlRole::Totals)) {
            reports |= QRect(box->mapToGlobal(QPoint(0, 0)), box->size());
        }
    }
    analysis_->showBeside(frameGeometry(), reports);
    return *analysis_;
}

void CalculatorWindow::shutDown() {
    if (shutDown_) {
        return;
    }
    shutDown_ = true;
    session_.shutDown();
}

void CalculatorWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!fitted_) {
        fitted_ = true;  // once, with the frame the window system gave: later the player sizes it
        fitInto(screen()->availableGeometry().size());
    }
}

void CalculatorWindow::closeEvent(QCloseEvent* event) {
    if (analysis_ != nullptr) {
        analysis_->close();
    }
    shutDown();
    event->accept();
}

}  // namespace brakefell
