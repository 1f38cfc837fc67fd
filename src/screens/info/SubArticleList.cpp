#include "screens/info/SubArticleList.h"

#include "app/PagedListModel.h"
#include "core/api/Request.h"
#include "core/util/Value.h"
#include "screens/info/OpenWebsite.h"

SubArticleList::SubArticleList(QObject *parent)
    : SuperTableViewController(parent),
      m_mainlist(new PagedListModel({QStringLiteral("title"), QStringLiteral("image"), QStringLiteral("url")}, this))
{
    m_mainlist->setFetch([this](Request *r, int page, int size) {
        r->getIndustry(m_pid, m_cid, m_provinceId, page, size, this);
    });
    m_mainlist->setRowMapping([](const QVariantMap &r) {
        QVariantMap row = r;
        row.insert(QStringLiteral("title"), Value::text(r.value(QStringLiteral("title"))));
        row.insert(QStringLiteral("image"), r.value(QStringLiteral("imageUrl")).toString());
        return row;
    });
    m_mainlist->setFooterRule(PagedListModel::FooterAlways);
    m_mainlist->setFooterTitle(QStringLiteral("加载更多"));
    m_mainlist->setStepBack(true, true, true);
}

void SubArticleList::setIds(const QString &pid, const QString &cid, const QString &provinceId)
{
    m_pid = pid;
    m_cid = cid;
    m_provinceId = provinceId;
}

void SubArticleList::viewDidLoad()
{
    SuperTableViewController::viewDidLoad();
    m_mainlist->refresh();
}

void SubArticleList::didSelectRow(int row)
{
    OpenWebsite::openRow(this, m_mainlist->get(row));
}
