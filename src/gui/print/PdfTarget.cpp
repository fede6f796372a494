#include "gui/print/PdfTarget.h"

#include <QFile>
#include <QPrinter>

#include "platform/ErrorCodes.h"

namespace qhe {
namespace {

// A PDF that was written to the end closes with "%%EOF" (and a line end).
bool EndsLikeAPdf(const QString& name) {
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 6) return false;
    file.seek(file.size() - 8 > 0 ? file.size() - 8 : 0);
    return file.readAll().contains("%%EOF");
}

} // namespace

int PdfTarget::Begin() {
    if (printer_.outputFormat() != QPrinter::PdfFormat || printer_.outputFileName().isEmpty()) return 0;
    target_ = printer_.outputFileName();
    if (const int code = platform::BeginSave(QFile::encodeName(target_).toStdString(), plan_); code != 0)
        return code;
    if (plan_.inPlace) {
        platform::AbortSave(plan_); // nothing written yet: the printer writes the file itself
        return 0;
    }
    active_ = true;
    printer_.setOutputFileName(QFile::decodeName(plan_.tempName.c_str()));
    return 0;
}

int PdfTarget::Commit() {
    if (!active_) return 0;
    active_ = false;
    printer_.setOutputFileName(target_);
    if (!EndsLikeAPdf(QFile::decodeName(plan_.tempName.c_str()))) {
        platform::AbortSave(plan_);
        return 29; // "写入错误": the writer gave up on the file part-way (a full disk)
    }
    return platform::CommitSave(plan_);
}

void PdfTarget::Abandon() {
    if (!active_) return;
    active_ = false;
    printer_.setOutputFileName(target_);
    platform::AbortSave(plan_);
}

} // namespace qhe
