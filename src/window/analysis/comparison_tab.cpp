#include "window/analysis/comparison_tab.h"

#include <QDateTime>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include "analysis/analysis_csv.h"
#include "analysis/analysis_pages.h"
#include "analysis/compare.h"
#include "desktop_adapters/qt_text.h"

namespace brakefell {

ComparisonTab::ComparisonTab(CalculatorSession& session, ComparisonBuild& build,
                             AnalysisRunner& runner, QWidget* parent)
    : AnalysisTab(parent), session_(session), build_(build), runner_(runner) {
    snapshot_ = new QPushButton(QStringLiteral("현재 상태를 B로 고정"), this);
    snapshot_->setObjectName(QStringLiteral("snapshotB"));
    open_ = new QPushButton(QStringLiteral("B 프로필 열기…"), this);
    csv_ = new CsvButton(QStringLiteral("comparisonCsv"), this);
    open_->setObjectName(QStringLiteral("openB"));
    which_ = new QLabel(QStringLiteral("B: 없음"), this);
    which_->setObjectName(QStringLiteral("whichB"));

    auto* content = new QWidget(this);
    figures_ =
        new AnalysisTableView(QStringLiteral("figures"), QStringLiteral("기준과 지금의 수치"),
                              AnalysisTableView::Fit::FirstStretches, content);
    inputs_ = new AnalysisTableView(QStringLiteral("inputsDiffer"), QStringLiteral("다른 입력"),
                                    AnalysisTableView::Fit::FirstStretches, content);
    inputsTitle_ = new QLabel(content);
    snapshot_->setToolTip(QStringLiteral(
        "지금의 입력을 기준(B)으로 고정합니다. 그 뒤에 입력을 바꾸면 기준과 비교해 보입니다."));
    open_->setToolTip(QStringLiteral("저장해 둔 프로필을 기준(B)으로 엽니다."));
    figures_->setToolTip(
        QStringLiteral("차이는 지금 − 기준, %는 기준 대비입니다. 지금이 더 좋으면 초록, 더 "
                       "나쁘면 빨강입니다 (처치 시간은 짧을수록 좋음)."));
    inputs_->setToolTip(QStringLiteral("기준(B)과 지금 사이에 값이 다른 입력입니다."));
    auto* contentLayout = new QVBoxLayout(content);
    contentLayout->setContentsMargins(0, 0, 0, 0);
    contentLayout->addWidget(figures_, 3);
    contentLayout->addWidget(inputsTitle_);
    contentLayout->addWidget(inputs_, 2);
    pages_ = new NoteOrContent(content, this);
    pages_->setObjectName(QStringLiteral("comparisonPages"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(snapshot_);
    buttons->addWidget(open_);
    buttons->addWidget(which_, 1);
    buttons->addWidget(csv_);
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
        runner_.run(this, in.generation, [this, note] {
            return [this, note] {
                csv_->withdraw();
                pages_->showNote(note);
            };
        });
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
    runner_.run(this, in.generation, [this, in, b = build_.form()] {
        return [this, page = ComparisonPage(CompareBuilds(in.inputs, b, *in.metric),
                                            TableForm::Browsed)] { show(page); };
    });
}

void ComparisonTab::show(AnalysisPage page) {
    csv_->offer(AnalysisPageCsv(page));
    pages_->showContent();
    figures_->showTable(std::move(page.tables.at(0)));
    inputsTitle_->setText(QStringOf(page.tables.at(1).title));
    inputs_->showTable(std::move(page.tables.at(1)));
}

}  // namespace brakefell
