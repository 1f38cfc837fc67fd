#pragma once

#include <QObject>
#include <QVariantList>

class CachedPictures;

/// The home page's strip of advertising pictures, one 320-point page per advert, and its page
/// indicator kept in step with it.
class AdvertStrip : public QObject
{
    Q_OBJECT
    /// One page per advert: "iamgeUrl", "linkUrl", "tag" (index + 1), "x", "picture" (a local
    /// file once it has arrived).
    Q_PROPERTY(QVariantList adverts READ adverts NOTIFY advertsChanged)
    Q_PROPERTY(int contentWidth READ contentWidth NOTIFY advertsChanged)
    Q_PROPERTY(int numberOfPages READ numberOfPages NOTIFY advertsChanged)
    Q_PROPERTY(int currentPage READ currentPage NOTIFY currentPageChanged)
    /// Where the strip should scroll to after the indicator changed (animated).
    Q_PROPERTY(int contentOffset READ contentOffset NOTIFY contentOffsetChanged)
public:
    explicit AdvertStrip(QObject *parent = nullptr);

    QVariantList adverts() const { return m_adverts; }
    int contentWidth() const { return kPageWidth * int(m_adverts.size()); }
    int numberOfPages() const { return int(m_adverts.size()); }
    int currentPage() const { return m_currentPage; }
    int contentOffset() const { return m_contentOffset; }

    /// Clears the pages; the ticker reply does this before it lays out new lines.
    void clear();
    /// Lays out one page per advert and starts loading their pictures.
    void setAdverts(const QVariantList &list);
    /// The advert of a page (by index), empty out of range.
    QVariantMap advertAt(int index) const;

    /// The strip scrolled: the indicator follows (offset / 320, truncated).
    Q_INVOKABLE void scrollViewDidScroll(double offset);
    /// The user changed the indicator: the strip scrolls to that page.
    Q_INVOKABLE void valueChange(int page);

    static constexpr int kPageWidth = 320;
    static constexpr int kHeight = 183;

signals:
    void advertsChanged();
    void currentPageChanged();
    void contentOffsetChanged();

private:
    void setPicture(int tag, const QUrl &file);

    QVariantList m_adverts;
    int m_currentPage = 0;
    int m_contentOffset = 0;
    CachedPictures *m_pictures;
};
