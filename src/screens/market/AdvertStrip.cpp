#include "screens/market/AdvertStrip.h"

#include "core/util/Value.h"
#include "screens/market/CachedPictures.h"

#include <QUrl>
#include <cmath>

AdvertStrip::AdvertStrip(QObject *parent) : QObject(parent), m_pictures(new CachedPictures(0, this))
{
    connect(m_pictures, &CachedPictures::arrived, this, &AdvertStrip::setPicture);
}

void AdvertStrip::clear()
{
    m_adverts.clear();
    emit advertsChanged();
}

void AdvertStrip::setAdverts(const QVariantList &list)
{
    m_adverts.clear();
    for (int i = 0; i < list.size(); ++i) {
        QVariantMap page = Value::map(list.at(i));
        page.insert(QStringLiteral("tag"), i + 1);
        page.insert(QStringLiteral("x"), kPageWidth * i);
        page.insert(QStringLiteral("picture"), QUrl());
        m_adverts.append(page);
    }
    emit advertsChanged();
    // A picture already in the cache shows at once; the others arrive by their tag.
    for (int i = 0; i < list.size(); ++i) {
        const QUrl cached = m_pictures->load(Value::map(list.at(i)).value(QStringLiteral("iamgeUrl")), i + 1);
        if (!cached.isEmpty())
            setPicture(i + 1, cached);
    }
}

QVariantMap AdvertStrip::advertAt(int index) const
{
    return Value::map(m_adverts.value(index));
}

void AdvertStrip::setPicture(int tag, const QUrl &file)
{
    for (QVariant &a : m_adverts) {
        QVariantMap page = a.toMap();
        if (Value::intValue(page.value(QStringLiteral("tag"))) != tag)
            continue;
        page.insert(QStringLiteral("picture"), file);
        a = page;
        emit advertsChanged();
        return;
    }
}

void AdvertStrip::scrollViewDidScroll(double offset)
{
    const int page = int(std::trunc(offset / kPageWidth));
    if (page == m_currentPage)
        return;
    m_currentPage = page;
    emit currentPageChanged();
}

void AdvertStrip::valueChange(int page)
{
    m_currentPage = page;
    m_contentOffset = page * kPageWidth;
    emit currentPageChanged();
    emit contentOffsetChanged();
}
