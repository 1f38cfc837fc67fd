#pragma once

#include <QAbstractListModel>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>

/// The rows of a list screen, each a dictionary as the service returned it. The window reads a
/// row's members by their keys as roles (plus `row`, the whole dictionary). Page appends are row
/// inserts, so a list keeps its position when more rows arrive.
class RowsModel : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(int count READ count NOTIFY countChanged)
public:
    explicit RowsModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    int count() const { return int(m_rows.size()); }
    bool isEmpty() const { return m_rows.isEmpty(); }
    /// Every row; entries that are not dictionaries are kept as empty ones.
    QVariantList rows() const;
    Q_INVOKABLE QVariantMap get(int row) const;

    void setRows(const QVariantList &rows);
    void appendRows(const QVariantList &rows);
    void appendRow(const QVariantMap &row);
    void setRow(int row, const QVariantMap &value);
    void removeRowAt(int row);
    void clear();

    static constexpr int kRowRole = Qt::UserRole;

signals:
    void countChanged();

private:
    static QList<QVariantMap> toMaps(const QVariantList &rows);
    /// Adds unknown keys; true when the role set grew (the view must then be reset).
    bool learnKeys(const QList<QVariantMap> &rows);

    QList<QVariantMap> m_rows;
    QStringList m_keys;
};
