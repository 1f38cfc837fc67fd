#include "screens/im/ContactRowsModel.h"

int ContactRowsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant ContactRowsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const Row &r = m_rows.at(index.row());
    switch (role) {
    case TitleRole: return r.title;
    case SubtitleRole: return r.subtitle;
    case MarkedRole: return r.marked;
    case OddRole: return index.row() % 2 == 1;
    default: return {};
    }
}

QHash<int, QByteArray> ContactRowsModel::roleNames() const
{
    return {{TitleRole, "title"}, {SubtitleRole, "subtitle"}, {MarkedRole, "marked"}, {OddRole, "odd"}};
}

QVariantMap ContactRowsModel::get(int row) const
{
    return m_rows.value(row).dict;
}

void ContactRowsModel::setRows(const QList<Row> &rows)
{
    const bool countChanges = rows.size() != m_rows.size();
    beginResetModel();
    m_rows = rows;
    endResetModel();
    if (countChanges)
        emit countChanged();
}
