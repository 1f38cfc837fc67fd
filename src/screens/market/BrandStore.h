#pragma once

#include "app/SuperController.h"

#include <QPoint>

class CachedPictures;
#include "app/PagedListModel.h"

/// Steel-mill direct sale: a grid of mills, laid out column by column; a mill opens the
/// supermarket restricted to it.
class BrandStore : public SuperController
{
    Q_OBJECT
    /// One place per mill: "name", "logo" (a local file once loaded), "x", "y", "tag".
    Q_PROPERTY(PagedListModel *mills READ mills CONSTANT)
    Q_PROPERTY(int gridHeight READ gridHeight NOTIFY gridChanged)
    Q_PROPERTY(bool loadingList READ loadingList NOTIFY gridChanged)
    Q_PROPERTY(QString loadingText READ loadingText CONSTANT)
public:
    explicit BrandStore(QObject *parent = nullptr);

    PagedListModel *mills() const { return m_mills; }
    int gridHeight() const;
    bool loadingList() const;
    QString loadingText() const { return QStringLiteral("正在加载列表"); }

    /// The place of mill i among n: rows = n / 3 rounded up, mill i in row i mod rows and
    /// column i / rows, columns 100 points apart from 25, rows 120 points apart.
    static QPoint placeOf(int i, int n);
    static int gridHeight(int n);

    /// A mill tapped, by its tag (2008 + index).
    Q_INVOKABLE void xuanzegangchang(int tag);
    /// The back button: return to the root (a load still running is dropped with the screen).
    Q_INVOKABLE void popViewController() override;

    static constexpr int kFirstTag = 2008;

signals:
    void gridChanged();

protected:
    void viewDidLoad() override;

private:
    QVariantList placesOf(const QVariantList &mills) const;
    void loadLogos();

    PagedListModel *m_mills;
    CachedPictures *m_logos;
};
