// "빌드 분석" at the sizes a small screen leaves it: 640 px wide beside the lite window, and
// 900 × 640 as it opens. Columns drop rather than clip, rows are as tall as their text, and every
// control of every tab stays inside the window at no less than its smallest size.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>

#include "named_child.h"
#include "window/analysis/analysis_table_view.h"
#include "window/analysis/analysis_window.h"
#include "window_fixture.h"

namespace brakefell {
namespace {

using testing::Child;
using testing::ProgramFolder;
using testing::RunningWindow;
using testing::Tick;

class AnalysisSizesTest : public ::testing::TestWithParam<Edition> {
  protected:
    AnalysisWindow& open() {
        AnalysisWindow& window = run_.window().openAnalysis();
        window.refreshNow();
        return window;
    }

    // Shows tab `index` at this size, laid out and filled.
    void show(AnalysisWindow& window, int index, QSize size) {
        window.resize(size);
        Child<QTabWidget>(window, "tabs").setCurrentIndex(index);
        window.refreshNow();
        window.waitForResults();
        QApplication::processEvents();
        // BRAKEFELL_SHOTS=<folder> keeps a picture of each tab to look at.
        const QString shots = qEnvironmentVariable("BRAKEFELL_SHOTS");
        if (!shots.isEmpty()) {
            window.grab().save(QDir(shots).filePath(
                QStringLiteral("%1-%2-%3.png")
                    .arg(QString::fromStdString(::testing::PrintToString(GetParam())))
                    .arg(size.width())
                    .arg(index)));
        }
    }

    ProgramFolder folder_;
    RunningWindow run_{GetParam(), folder_};
};

// The rows a table shows whole, top to bottom.
int WholeRows(const QTableView& table) {
    int rows = 0;
    for (int row = 0; row < table.model()->rowCount(); ++row) {
        rows += table.rowViewportPosition(row) + table.rowHeight(row) <= table.viewport()->height();
    }
    return rows;
}

TEST_P(AnalysisSizesTest, NarrowWindowDropsColumnsAndKeepsEveryControlInside) {
    AnalysisWindow& window = open();
    for (const int width : {640, 900}) {
        SCOPED_TRACE(width);
        const QSize size(width, 640);
        for (int index = 0; index < Child<QTabWidget>(window, "tabs").count(); ++index) {
            SCOPED_TRACE(index);
            show(window, index, size);
            EXPECT_EQ(window.size(), size);
            for (QWidget* widget :
                 Child<QTabWidget>(window, "tabs").widget(index)->findChildren<QWidget*>()) {
                const bool control = qobject_cast<QAbstractButton*>(widget) != nullptr ||
                                     qobject_cast<QComboBox*>(widget) != nullptr ||
                                     qobject_cast<QAbstractSpinBox*>(widget) != nullptr;
                if (!control || !widget->isVisibleTo(&window)) {
                    continue;
                }
                const QRect shown(widget->mapTo(&window, QPoint(0, 0)), widget->size());
                EXPECT_TRUE(window.rect().contains(shown)) << widget->objectName().toStdString();
                EXPECT_GE(widget->width(), widget->minimumSizeHint().width())
                    << widget->objectName().toStdString();
            }
        }

        show(window, 0, size);
        auto& page = *Child<QTabWidget>(window, "tabs").widget(0);
        auto& table = Child<AnalysisTableView>(page, "statValues");
        const QAbstractItemView& view = table;  // where the content's size hints are public
        const QHeaderView& header = *table.horizontalHeader();
        int shownColumns = 0;
        for (int column = 0; column < table.model()->columnCount(); ++column) {
            if (table.isColumnHidden(column)) {
                continue;
            }
            ++shownColumns;
            EXPECT_GE(header.sectionSize(column),
                      std::max(view.sizeHintForColumn(column), header.sectionSizeHint(column)))
                << column;
            EXPECT_LE(header.sectionViewportPosition(column) + header.sectionSize(column),
                      table.viewport()->width())
                << column;
        }
        EXPECT_FALSE(table.horizontalScrollBar()->isVisible());
        // Narrow: the box and the gain of raising it at least; 900 px: every column.
        EXPECT_GE(shownColumns, width == 640 ? 3 : table.model()->columnCount());
        for (int row = 0; row < table.model()->rowCount(); ++row) {
            EXPECT_GE(table.rowHeight(row), view.sizeHintForRow(row)) << row;
        }
        if (width == 900) {
            Tick(&Child<QCheckBox>(page, "showUnchanged"));
            EXPECT_GE(WholeRows(table), std::min(20, table.model()->rowCount()));
            EXPECT_GE(table.model()->rowCount(), 20);
            Tick(&Child<QCheckBox>(page, "showUnchanged"));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BothEditions, AnalysisSizesTest,
                         ::testing::Values(Edition::Full, Edition::Lite), testing::EditionTestName);

}  // namespace
}  // namespace brakefell
