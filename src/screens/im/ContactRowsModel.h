#pragma once

#include <QAbstractListModel>
#include <QList>
#include <QVariantMap>

/// The rows of the friends tab's lists and of the address book: a picture, a title, an optional
/// subtitle and the new-message mark, over the dictionary each row stands for. Odd rows are
/// drawn on very light grey, even ones on white.
class ContactRowsModel : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(int count READ count NOTIFY countChanged)
public:
    struct Row
    {
        QVariantMap dict;
        QString title;
        QString subtitle;
        bool marked = false;
    };
    enum Role { TitleRole = Qt::UserRole + 1, SubtitleRole, MarkedRole, OddRole };

    explicit ContactRowsModel(QObject *parent = nullptr) : QAbstractListModel(parent) {}

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    int count() const { return int(m_rows.size()); }
    const QList<Row> &rows() const { return m_rows; }
    Q_INVOKABLE QVariantMap get(int row) const;
    Row row(int index) const { return m_rows.value(index); }

    void setRows(const QList<Row> &rows);

signals:
    void countChanged();

private:
    QList<Row> m_rows;
};
