#include "window/analysis/csv_button.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSaveFile>

#include "window/analysis/control_texts.h"

namespace brakefell {

bool SaveCsvAs(QWidget* parent, const std::string& bytes) {
    QString path = QFileDialog::getSaveFileName(parent, QStringLiteral("CSV 저장"), QString(),
                                                QStringLiteral("CSV (*.csv)"));
    if (path.isEmpty()) {
        return true;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QStringLiteral(".csv");
    }
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
               static_cast<qint64>(bytes.size()) &&
           file.commit();
}

CsvButton::CsvButton(const QString& objectName, QWidget* parent)
    : QPushButton(CaptionOf(AnalysisWordOf("csv")), parent) {
    setObjectName(objectName);
    setToolTip(TipOf(AnalysisWordOf("csv")));
    setEnabled(false);
    connect(this, &QPushButton::clicked, this, &CsvButton::save);
}

void CsvButton::offer(std::string csv) {
    csv_ = std::move(csv);
    setEnabled(true);
}

void CsvButton::withdraw() {
    csv_.clear();
    setEnabled(false);
}

void CsvButton::save() {
    if (!SaveCsvAs(this, csv_)) {
        QMessageBox::warning(window(), QStringLiteral("빌드 분석"),
                             QStringLiteral("CSV를 저장하지 못했습니다."));
    }
}

}  // namespace brakefell
