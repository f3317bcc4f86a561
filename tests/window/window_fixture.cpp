#include "window_fixture.h"

#include "text/strings.h"

#include <gtest/gtest.h>
#include <QAbstractItemView>
#include <QDir>
#include <QFile>
#include <QTest>
#include <stdexcept>

#include "catalogue/catalogue_reader.h"
#include "window/korean_texts.h"
#include "window/window_fonts.h"

// Sanitizer builds check for leaks at exit: the font configuration library that Qt draws text
// with keeps its caches for the whole run on purpose.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}

namespace brakefell::testing {

std::string EditionTestName(const ::testing::TestParamInfo<Edition>& info) {
    std::string name = Utf8OfUtf16(EditionName(info.param));
    name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
    return name;
}

QApplication& TestApplication() {
    static int argc = 1;
    static char name[] = "window_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        auto* created = new QApplication(argc, argv);
        QApplication::setFont(WindowFont());
        InstallKoreanQtTexts(*created);
        QApplication::setQuitOnLastWindowClosed(false);
        return created;
    }();
    return *app;
}

ProgramFolder::ProgramFolder(bool withCatalogue) {
    if (!dir_.isValid()) {
        throw std::runtime_error("no scratch folder");
    }
    if (withCatalogue) {
        const QString shipped =
            QString::fromUtf8(BRAKEFELL_SOURCE_DIR) + QStringLiteral("/data/") + kCatalogueFileName;
        if (!QFile::copy(shipped, dir_.filePath(kCatalogueFileName))) {
            throw std::runtime_error("cannot copy the shipped catalogue");
        }
    }
}

RunningWindow::RunningWindow(Edition edition, const ProgramFolder& folder)
    : session_(edition, folder.folders(), desktop_.platform(), prompts_) {
    prompts_.unscriptedDialogFails = true;
    session_.startUp(WindowStartUp());
    window_ = std::make_unique<CalculatorWindow>(session_);
    window_->show();
    window_->activateWindow();
    if (!QTest::qWaitForWindowActive(window_.get())) {
        throw std::runtime_error("the window did not become active");
    }
}

RunningWindow::~RunningWindow() = default;

void RunningWindow::close() {
    window_->close();
    window_.reset();
}

QString AsShown(std::u16string_view reportText) {
    return QStringOf(reportText).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

void Click(QWidget* widget) {
    ClickAt(widget, widget->rect().center());
}

int ShownRows(const QAbstractItemView& table) {
    return table.model()->rowCount();
}

QString ShownText(const QAbstractItemView& table, int row, int column) {
    return table.model()->index(row, column).data().toString();
}

QColor ShownBackground(const QAbstractItemView& table, int row, int column) {
    return table.model()->index(row, column).data(Qt::BackgroundRole).value<QColor>();
}

void Tick(QWidget* button) {
    ClickAt(button, QPoint(7, button->height() / 2));
}

void ClickAt(QWidget* widget, QPoint point) {
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, point);
    // What the event loop does next (scroll bars settle on the new text) before the test looks.
    QCoreApplication::processEvents();
}

void TypeInto(QWidget* widget, const QString& keys) {
    QTest::keyClicks(widget, keys);
}

void PickEntry(QComboBox* list, int index) {
    list->showPopup();
    QAbstractItemView* view = list->view();
    if (!QTest::qWaitForWindowExposed(view->window())) {
        throw std::runtime_error("the list did not drop down");
    }
    const QModelIndex entry = view->model()->index(index, list->modelColumn());
    view->scrollTo(entry);
    // The entry's row as the dropped-down list shows it (the list may be narrower than the row).
    const QRect row = view->visualRect(entry).intersected(view->viewport()->rect());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, row.center());
    if (view->window()->isVisible()) {
        throw std::runtime_error("the list did not close on the click");
    }
}

}  // namespace brakefell::testing
