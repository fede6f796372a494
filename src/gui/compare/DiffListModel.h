#pragma once
#include <QAbstractTableModel>

namespace qhe {

class CompareSession;

// The compare window's list of difference ranges: number, offsets and lengths in A and B, kind.
// Rows are read from the session as they are shown, so millions of ranges cost no copies.
class DiffListModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit DiffListModel(QObject* parent) : QAbstractTableModel(parent) {}
    void SetSession(const CompareSession* session);
    // The session found more ranges: rows appended.
    void Grow();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    const CompareSession* session_ = nullptr;
    int rows_ = 0;
};

} // namespace qhe
