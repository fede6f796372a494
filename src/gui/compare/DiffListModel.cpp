#include "gui/compare/DiffListModel.h"

#include "core/compare/DiffLines.h"
#include "editor/compare/CompareSession.h"

namespace qhe {

void DiffListModel::SetSession(const CompareSession* session) {
    beginResetModel();
    session_ = session;
    rows_ = session ? static_cast<int>(session->Ranges().size()) : 0;
    endResetModel();
}

void DiffListModel::Grow() {
    const int now = session_ ? static_cast<int>(session_->Ranges().size()) : 0;
    if (now <= rows_) return;
    beginInsertRows({}, rows_, now - 1);
    rows_ = now;
    endInsertRows();
}

int DiffListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int DiffListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 6;
}

QVariant DiffListModel::data(const QModelIndex& index, int role) const {
    if (!session_ || !index.isValid() || index.row() >= rows_) return {};
    if (role == Qt::TextAlignmentRole)
        return index.column() == 5 ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                   : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole) return {};
    const DiffRange& r = session_->Ranges()[static_cast<size_t>(index.row())];
    const int digits = OffsetDigits(std::max(session_->Size(0), session_->Size(1)));
    const auto hex = [digits](int64_t value) {
        return QString::number(value, 16).toUpper().rightJustified(digits, QLatin1Char('0'));
    };
    switch (index.column()) {
    case 0:
        return index.row() + 1;
    case 1:
        return hex(r.offsetA);
    case 2:
        return hex(r.offsetB);
    case 3:
        return QString::number(r.lengthA);
    case 4:
        return QString::number(r.lengthB);
    default:
        return QString::fromStdString(CompareSession::KindText(r));
    }
}

QVariant DiffListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
    static const char* const kHeaders[] = {"#",
                                           QT_TR_NOOP("偏移 A"),
                                           QT_TR_NOOP("偏移 B"),
                                           QT_TR_NOOP("长度 A"),
                                           QT_TR_NOOP("长度 B"),
                                           QT_TR_NOOP("类型")};
    return section >= 0 && section < 6 ? tr(kHeaders[section]) : QVariant();
}

} // namespace qhe
