#include "app/RowsModel.h"

#include "core/util/Value.h"

RowsModel::RowsModel(QObject *parent) : QAbstractListModel(parent) {}

int RowsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant RowsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= count())
        return {};
    const QVariantMap &row = m_rows.at(index.row());
    if (role == kRowRole)
        return row;
    const int key = role - kRowRole - 1;
    if (key >= 0 && key < m_keys.size())
        return row.value(m_keys.at(key));
    return {};
}

QHash<int, QByteArray> RowsModel::roleNames() const
{
    QHash<int, QByteArray> names{{kRowRole, QByteArrayLiteral("row")}};
    for (int i = 0; i < m_keys.size(); ++i)
        names.insert(kRowRole + 1 + i, m_keys.at(i).toUtf8());
    return names;
}

QVariantList RowsModel::rows() const
{
    QVariantList out;
    out.reserve(m_rows.size());
    for (const QVariantMap &r : m_rows)
        out.append(r);
    return out;
}

QVariantMap RowsModel::get(int row) const
{
    return row >= 0 && row < count() ? m_rows.at(row) : QVariantMap();
}

QList<QVariantMap> RowsModel::toMaps(const QVariantList &rows)
{
    QList<QVariantMap> out;
    out.reserve(rows.size());
    for (const QVariant &r : rows)
        out.append(Value::map(r));
    return out;
}

bool RowsModel::learnKeys(const QList<QVariantMap> &rows)
{
    bool grew = false;
    for (const QVariantMap &r : rows) {
        for (auto it = r.cbegin(); it != r.cend(); ++it) {
            if (it.key() != u"row" && !m_keys.contains(it.key())) {
                m_keys.append(it.key());
                grew = true;
            }
        }
    }
    return grew;
}

void RowsModel::setRows(const QVariantList &rows)
{
    beginResetModel();
    m_rows = toMaps(rows);
    m_keys.clear();
    learnKeys(m_rows);
    endResetModel();
    emit countChanged();
}

void RowsModel::appendRows(const QVariantList &rows)
{
    if (rows.isEmpty())
        return;
    const QList<QVariantMap> maps = toMaps(rows);
    if (learnKeys(maps)) {
        // Roles cannot change under an attached view without a reset.
        beginResetModel();
        m_rows.append(maps);
        endResetModel();
    } else {
        beginInsertRows({}, count(), count() + int(maps.size()) - 1);
        m_rows.append(maps);
        endInsertRows();
    }
    emit countChanged();
}

void RowsModel::appendRow(const QVariantMap &row)
{
    appendRows({row});
}

void RowsModel::setRow(int row, const QVariantMap &value)
{
    if (row < 0 || row >= count())
        return;
    if (learnKeys({value})) {
        beginResetModel();
        m_rows[row] = value;
        endResetModel();
        return;
    }
    m_rows[row] = value;
    emit dataChanged(index(row), index(row));
}

void RowsModel::removeRowAt(int row)
{
    if (row < 0 || row >= count())
        return;
    beginRemoveRows({}, row, row);
    m_rows.removeAt(row);
    endRemoveRows();
    emit countChanged();
}

void RowsModel::clear()
{
    setRows({});
}
