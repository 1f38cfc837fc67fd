#pragma once

#include "app/SuperController.h"

#include <QPointer>
#include <QVariantList>
#include <QVariantMap>

class CachedPictures;
class FormEnvelope;

/// Steel-mill direct sale: a grid of mills, laid out column by column; a mill opens the
/// supermarket restricted to it.
class BrandStore : public SuperController
{
    Q_OBJECT
    /// One place per mill: "name", "logo" (a local file once loaded), "x", "y", "tag".
    Q_PROPERTY(QVariantList mills READ mills NOTIFY millsChanged)
    Q_PROPERTY(int gridHeight READ gridHeight NOTIFY millsChanged)
    Q_PROPERTY(bool loadingList READ loadingList NOTIFY loadingListChanged)
    Q_PROPERTY(QString loadingText READ loadingText CONSTANT)
public:
    explicit BrandStore(QObject *parent = nullptr);
    ~BrandStore() override;

    QVariantList mills() const { return m_places; }
    int gridHeight() const { return gridHeight(int(m_data.size())); }
    bool loadingList() const { return !m_request.isNull(); }
    QString loadingText() const { return QStringLiteral("正在加载列表"); }

    /// The place of mill i among n: rows = n / 3 rounded up, mill i in row i mod rows and
    /// column i / rows, columns 100 points apart from 25, rows 120 points apart.
    static QPoint placeOf(int i, int n);
    static int gridHeight(int n);

    /// Lays the grid out from a decoded mill-list reply.
    void shuaxingangchangliebiao(const QVariant &reply);
    /// A mill tapped, by its tag (2008 + index).
    Q_INVOKABLE void xuanzegangchang(int tag);
    /// The back button: stop loading, return to the root.
    Q_INVOKABLE void fanhui();
    Q_INVOKABLE void popViewController() override { fanhui(); }

    static constexpr int kFirstTag = 2008;

signals:
    void millsChanged();
    void loadingListChanged();

protected:
    void viewDidLoad() override;

private:
    QPointer<FormEnvelope> m_request;
    QVariantMap m_dic;
    QVariantList m_data;
    QVariantList m_places;
    CachedPictures *m_logos;
};
