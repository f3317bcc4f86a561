// The layout tables of both editions: every control placed once, a tab order that covers every
// control that can take the focus, and no shown control overlapping another or its container.

#include <gtest/gtest.h>

#include <QHash>
#include <QRect>
#include <QSet>
#include <QString>
#include <map>
#include <string>
#include <vector>

#include "editions/window_layout.h"
#include "form/control_table.h"
#include "window_fixture.h"

namespace brakefell {
namespace {

QString NameOf(const LayoutItem& item) {
    return item.control ? QString::fromLatin1(item.control)
                        : QStringLiteral("label \"%1\"").arg(QString::fromUtf8(item.text));
}

class EditionLayout : public ::testing::TestWithParam<Edition> {
  protected:
    const WindowLayout& layout() const { return LayoutOf(GetParam()); }
};

TEST_P(EditionLayout, PlacesEveryControlOfTheFormExactlyOnce) {
    QHash<QString, int> placed;
    for (const LayoutItem& item : layout().items) {
        if (item.control != nullptr) {
            ++placed[QString::fromLatin1(item.control)];
        }
    }
    QSet<QString> known;
    for (const ControlSpec& entry : ControlTable()) {
        const QString name = QString::fromLatin1(entry.name);
        known.insert(name);
        EXPECT_EQ(placed.value(name), 1) << name.toStdString();
    }
    for (auto it = placed.cbegin(); it != placed.cend(); ++it) {
        EXPECT_TRUE(known.contains(it.key())) << "not a control: " << it.key().toStdString();
    }
}

TEST_P(EditionLayout, TabOrderHoldsEveryControlThatTakesTheFocusOnce) {
    QHash<QString, int> inOrder;
    for (const char* name : layout().tabOrder) {
        ++inOrder[QString::fromLatin1(name)];
    }
    for (const ControlSpec& entry : ControlTable()) {
        const bool takesFocus =
            entry.kind != ControlKind::Label && entry.kind != ControlKind::Frame;
        EXPECT_EQ(inOrder.value(QString::fromLatin1(entry.name)), takesFocus ? 1 : 0) << entry.name;
    }
    int total = 0;
    for (int count : inOrder) {
        total += count;
    }
    EXPECT_EQ(total, static_cast<int>(layout().tabOrder.size()));
}

TEST_P(EditionLayout, ShownItemsStayInsideTheirContainerWithoutOverlapping) {
    // Nothing ever shows these, so they may share space with what is shown.
    const QSet<QString> neverShown = {"chkGrenadier", "optGemPoison(0)", "optGemPoison(1)",
                                      "Text1"};
    const WindowLayout& l = layout();
    std::map<LayoutParent, QRect> containers;
    containers[LayoutParent::Form] = QRect(0, 0, l.clientWidth, l.clientHeight);
    for (const LayoutItem& item : l.items) {
        const QString name = NameOf(item);
        if (name == "Frame1") {
            containers[LayoutParent::Frame1] = QRect(0, 0, item.width, item.height);
        } else if (name == "fraVoodoo") {
            containers[LayoutParent::fraVoodoo] = QRect(0, 0, item.width, item.height);
        } else if (name == "fraMoreDamage") {
            containers[LayoutParent::fraMoreDamage] = QRect(0, 0, item.width, item.height);
        }
    }

    std::vector<const LayoutItem*> shown;
    for (const LayoutItem& item : l.items) {
        if (!neverShown.contains(NameOf(item))) {
            shown.push_back(&item);
        }
    }
    for (const LayoutItem* item : shown) {
        const QRect place(item->left, item->top, item->width, item->height);
        const std::string name = NameOf(*item).toStdString();
        ASSERT_TRUE(containers.count(item->parent) == 1) << name;
        EXPECT_TRUE(containers[item->parent].contains(place)) << name << " leaves its container";
        EXPECT_GT(item->width, 0) << name;
        EXPECT_GT(item->height, 0) << name;
        // Whole pixels at 96 dpi, so that nothing shifts by rounding.
        for (int twips : {item->left, item->top, item->width, item->height}) {
            EXPECT_EQ(twips % kTwipsPerPixel, 0) << name;
        }
    }
    for (std::size_t a = 0; a < shown.size(); ++a) {
        for (std::size_t b = a + 1; b < shown.size(); ++b) {
            if (shown[a]->parent != shown[b]->parent) {
                continue;
            }
            const QRect first(shown[a]->left, shown[a]->top, shown[a]->width, shown[a]->height);
            const QRect second(shown[b]->left, shown[b]->top, shown[b]->width, shown[b]->height);
            EXPECT_FALSE(first.intersects(second))
                << NameOf(*shown[a]).toStdString() << " overlaps "
                << NameOf(*shown[b]).toStdString();
        }
    }
}

TEST_P(EditionLayout, EveryLabelThatNamesAnInputNamesAPlacedOne) {
    QSet<QString> controls;
    for (const LayoutItem& item : layout().items) {
        if (item.control != nullptr) {
            controls.insert(QString::fromLatin1(item.control));
        }
    }
    for (const LayoutItem& item : layout().items) {
        if (item.names != nullptr) {
            EXPECT_TRUE(controls.contains(QString::fromLatin1(item.names))) << item.names;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BothEditions, EditionLayout,
                         ::testing::Values(Edition::Full, Edition::Lite), testing::EditionTestName);

TEST(LiteLayout, FitsA1024By768ScreenWithTitleBarAndBorders) {
    const WindowLayout& lite = LayoutOf(Edition::Lite);
    constexpr int kBorders = 2 * 3;  // pixels a window manager's frame adds on each axis
    constexpr int kTitleBar = 32;
    EXPECT_LE(lite.clientWidth / kTwipsPerPixel + kBorders, 1024);
    EXPECT_LE(lite.clientHeight / kTwipsPerPixel + kBorders + kTitleBar, 768);
}

TEST(EditionTabOrders, DifferAfterTheSaveButtonAsEachWindowIsArranged) {
    auto after = [](Edition edition, const char* control, int count) {
        const auto order = LayoutOf(edition).tabOrder;
        std::vector<std::string> next;
        for (std::size_t i = 0; i < order.size(); ++i) {
            if (std::string(order[i]) == control) {
                for (std::size_t j = i + 1; j < order.size() && next.size() < std::size_t(count);
                     ++j) {
                    next.emplace_back(order[j]);
                }
            }
        }
        return next;
    };
    using Names = std::vector<std::string>;
    EXPECT_EQ(after(Edition::Full, "cmdSaveStat", 4),
              (Names{"chkCrossbow", "chkMark", "chkCompanion", "txtMorePain"}));
    EXPECT_EQ(after(Edition::Lite, "cmdSaveStat", 4),
              (Names{"txtMorePain", "chkMorePain", "cmdOpen", "txtResult(0)"}));
    EXPECT_EQ(after(Edition::Lite, "optGemPoison(1)", 3),
              (Names{"chkCompanion", "chkMark", "chkCrossbow"}));
    // The orders end as the window always has, then the button "분석" comes last.
    EXPECT_EQ(after(Edition::Full, "cboOurGemPoison", 2), Names{"cmdAnalysis"});
    EXPECT_EQ(after(Edition::Lite, "cboGemJMeter", 3), (Names{"chkGemJ", "cmdAnalysis"}));
}

}  // namespace
}  // namespace brakefell
