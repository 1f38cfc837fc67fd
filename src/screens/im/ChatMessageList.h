#pragma once

#include <QAbstractListModel>
#include <QList>
#include <QSet>
#include <QVariantList>
#include <QVariantMap>

class TextMetrics;

/// The messages a conversation shows, oldest first, each with its cell's layout. Rows are kept
/// in stable order of their "SendTime" (equal times keep the order they were stored in), and a
/// stored row (by its "id") is never shown twice.
class ChatMessageList : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(int count READ count NOTIFY countChanged)
public:
    enum Role {
        ContentRole = Qt::UserRole + 1,
        TimeTextRole,
        MineRole,
        RowHeightRole,
        LabelWidthRole,
        LabelHeightRole,
        BubbleWidthRole,
        BubbleHeightRole,
        BubbleXRole,
        BubbleImageRole,
    };

    ChatMessageList(const TextMetrics &metrics, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    int count() const { return int(m_rows.size()); }
    /// The message dictionaries, oldest first.
    QVariantList messages() const;
    Q_INVOKABLE QVariantMap get(int row) const;

    /// Who the user is talking to: a row whose "ReceiverID" is the peer is the user's own.
    void setPeer(const QString &peer) { m_peer = peer; }
    /// Adds stored rows not shown yet, each in its place; returns how many were added.
    int addRows(const QVariantList &rows);
    void clear();

    /// The smallest and largest stored "id" shown (0 when nothing is).
    qint64 oldestId() const { return m_oldestId; }
    qint64 newestId() const { return m_newestId; }

signals:
    void countChanged();

private:
    struct Row
    {
        QVariantMap message;
        qint64 id = 0;
        qint64 time = 0;
        bool mine = false;
        int rowHeight = 0;
        int labelWidth = 0;
        int labelHeight = 0;
        int bubbleX = 0;
        QString timeText;
        QString bubbleImage;
    };
    Row makeRow(const QVariantMap &message) const;

    const TextMetrics &m_metrics;
    QString m_peer;
    QList<Row> m_rows;
    QSet<qint64> m_ids;
    qint64 m_oldestId = 0;
    qint64 m_newestId = 0;
};
