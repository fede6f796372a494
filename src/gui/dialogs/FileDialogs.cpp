#include "gui/dialogs/FileDialogs.h"

#include <QCheckBox>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>

#include <memory>

#include "platform/FileMapping.h"

namespace qhe {
namespace {

// File names are local 8-bit paths; catalogue texts are UTF-8.
QString FromLocalPath(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}
std::string ToLocalPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

void Prepare(QFileDialog& dialog, const FileDialogRequest& request) {
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setWindowTitle(QString::fromStdString(request.title));
    const QStringList filters = TFormOSE::NameFilters(request.filters);
    if (!filters.isEmpty()) dialog.setNameFilters(filters);
    if (!request.initialDir.empty()) dialog.setDirectory(FromLocalPath(request.initialDir));
    if (!request.defaultExt.empty()) dialog.setDefaultSuffix(QString::fromStdString(request.defaultExt));
}

} // namespace

QStringList TFormOSE::NameFilters(const std::vector<std::string>& patterns) {
    QStringList filters;
    for (const std::string& pattern : patterns) {
        const QString text = QString::fromStdString(pattern).trimmed();
        if (text.isEmpty()) continue;
        const QString glob = text == QLatin1String("*.*") ? QStringLiteral("*") : text;
        filters << QStringLiteral("%1 (%2)").arg(text, glob);
    }
    return filters;
}

std::optional<OpenChoice> TFormOSE::Open(const FileDialogRequest& request, QWidget* parent) {
    QFileDialog dialog(parent);
    Prepare(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);

    QCheckBox* readOnly = nullptr;
    if (request.readOnlyBox) {
        readOnly = new QCheckBox(ReadOnlyCaption(), &dialog);
        readOnly->setObjectName(QStringLiteral("CheckBoxReadOnly"));
        readOnly->setChecked(readOnlyChecked_);
        if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout()))
            grid->addWidget(readOnly, grid->rowCount(), 0, 1, grid->columnCount());
        // Disks and partitions are listed too, and chosen read-only unless the user unchecks
        // the box for them; a plain file gets the user's own choice back.
        dialog.setFilter(dialog.filter() | QDir::System);
        auto userChoice = std::make_shared<bool>(readOnlyChecked_);
        QObject::connect(readOnly, &QCheckBox::clicked, readOnly,
                         [userChoice](bool on) { *userChoice = on; });
        QObject::connect(&dialog, &QFileDialog::currentChanged, readOnly,
                         [readOnly, userChoice](const QString& path) {
                             int64_t size = 0;
                             const bool device =
                                 platform::KindOf(ToLocalPath(path), size) == platform::FileKind::BlockDevice;
                             readOnly->setChecked(device || *userChoice);
                         });
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    OpenChoice choice;
    choice.fileName = ToLocalPath(dialog.selectedFiles().front());
    if (readOnly) {
        readOnlyChecked_ = readOnly->isChecked();
        choice.readOnly = readOnlyChecked_;
    }
    return choice;
}

std::optional<std::string> TFormOSE::Save(const FileDialogRequest& request, QWidget* parent) {
    QFileDialog dialog(parent);
    Prepare(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return ToLocalPath(dialog.selectedFiles().front());
}

} // namespace qhe
