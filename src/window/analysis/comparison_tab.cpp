#include "window/analysis/comparison_tab.h"

#include <QDateTime>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include "analysis/analysis_texts.h"
#include "analysis/compare.h"
#include "qt_adapters/qt_text.h"
#include "window/analysis/result_table.h"
#include "window/analysis/table_filling.h"

namespace brakefell {
namespace {

const QColor kBetter(214, 245, 214);
const QColor kWorse(250, 214, 214);

// A figure the engine could not give shows a dash rather than an empty cell.
QTableWidgetItem* DashedCell(std::u16string_view text, bool number) {
    return ResultCell(text.empty() ? QStringLiteral("-") : QStringOf(text), number);
}

}  // namespace

ComparisonTab::ComparisonTab(CalculatorSession& session, ComparisonBuild& build,
                             AnalysisRunner& runner, QWidget* parent)
    : AnalysisTab(parent), session_(session), build_(build), runner_(runner) {
    snapshot_ = new QPushButton(QStringLiteral("현재 상태를 B로 고정"), this);
    snapshot_->setObjectName(QStringLiteral("snapshotB"));
    open_ = new QPushButton(QStringLiteral("B 프로필 열기…"), this);
    open_->setObjectName(QStringLiteral("openB"));
    which_ = new QLabel(QStringLiteral("B: 없음"), this);
    which_->setObjectName(QStringLiteral("whichB"));

    auto* content = new QWidget(this);
    figures_ = MakeResultTable({QStringLiteral("항목"), QStringLiteral("A (지금)"),
                                QStringLiteral("B"), QStringLiteral("차이"), QStringLiteral("%")},
                               QStringLiteral("figures"), QStringLiteral("A와 B의 수치"), content);
    inputs_ = MakeResultTable({QStringLiteral("입력"), QStringLiteral("칸"),
                               QStringLiteral("A (지금)"), QStringLiteral("B")},
                              QStringLiteral("inputsDiffer"), QStringLiteral("다른 입력"), content);
    auto* inputsTitle = new QLabel(QStringLiteral("다른 입력"), content);
    auto* contentLayout = new QVBoxLayout(content);
    contentLayout->setContentsMargins(0, 0, 0, 0);
    contentLayout->addWidget(figures_, 3);
    contentLayout->addWidget(inputsTitle);
    contentLayout->addWidget(inputs_, 2);
    pages_ = new NoteOrContent(content, this);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(snapshot_);
    buttons->addWidget(open_);
    buttons->addWidget(which_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(pages_, 1);

    connect(snapshot_, &QPushButton::clicked, this, &ComparisonTab::snapshot);
    connect(open_, &QPushButton::clicked, this, &ComparisonTab::openProfile);
}

void ComparisonTab::snapshot() {
    build_.snapshot(session_.form());
    which_->setText(QStringLiteral("B: %1에 고정한 입력")
                        .arg(QDateTime::currentDateTime().toString(QStringLiteral("HH:mm:ss"))));
    emit buildChanged();
}

void ComparisonTab::openProfile() {
    // The same dialog as "열기": the program's folder and the one profile filter.
    const std::optional<std::string> path =
        session_.prompts().chooseFileToOpen(session_.folders().programDir);
    if (!path) {
        return;
    }
    if (build_.loadProfile(session_.platform().storage, *path, session_.form(),
                           session_.prompts())) {
        which_->setText(QStringLiteral("B: ") + QFileInfo(QPathOf(*path)).fileName());
        emit buildChanged();
    }
}

void ComparisonTab::refresh(const AnalysisInputs& in) {
    const auto showNote = [&](const QString& note) {
        runner_.run(this, in.generation,
                    [this, note] { return [this, note] { pages_->showNote(note); }; });
    };
    if (!build_.isSet()) {
        showNote(
            QStringLiteral("B가 없습니다. \"현재 상태를 B로 고정\" 또는 \"B 프로필 열기…\"로 "
                           "비교할 빌드를 정하세요."));
        return;
    }
    if (!in.metric) {
        showNote(in.note);
        return;
    }
    runner_.run(this, in.generation, [this, in, b = build_.shared()] {
        return [this, comparison = CompareBuilds(*in.form, *b, in.edition, *in.metric)] {
            show(comparison);
        };
    });
}

void ComparisonTab::show(const Comparison& comparison) {
    pages_->showContent();
    const TableFilling fillingFigures(*figures_);
    const TableFilling fillingInputs(*inputs_);
    figures_->setRowCount(static_cast<int>(comparison.figures.size()));
    int row = 0;
    for (const FigureComparison& f : comparison.figures) {
        figures_->setItem(row, 0, DashedCell(f.label, false));
        figures_->setItem(row, 1, DashedCell(FigureText(f.key, f.a), true));
        figures_->setItem(row, 2, DashedCell(FigureText(f.key, f.b), true));
        figures_->setItem(row, 3, DashedCell(FigureDeltaText(f.key, f.difference), true));
        figures_->setItem(row, 4, DashedCell(PercentText(f.percent), true));
        // B better or worse, by the figure's own direction (a shorter kill time is better).
        const double gain = f.difference.value_or(0) * f.better;
        if (gain != 0) {
            for (int column = 0; column < figures_->columnCount(); ++column) {
                figures_->item(row, column)->setBackground(gain > 0 ? kBetter : kWorse);
            }
        }
        ++row;
    }
    inputs_->setRowCount(static_cast<int>(comparison.inputs.size()));
    row = 0;
    for (const InputDifference& input : comparison.inputs) {
        inputs_->setItem(row, 0, DashedCell(input.caption, false));
        inputs_->setItem(row, 1, DashedCell(input.name, false));
        inputs_->setItem(row, 2, DashedCell(input.a, false));
        inputs_->setItem(row, 3, DashedCell(input.b, false));
        ++row;
    }
}

}  // namespace brakefell
