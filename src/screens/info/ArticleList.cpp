#include "screens/info/ArticleList.h"

#include "app/PagedListModel.h"
#include "core/api/Request.h"
#include "core/platform/AppContext.h"
#include "core/platform/UserDefaults.h"
#include "core/session/UserInfo.h"
#include "core/util/Custom.h"
#include "core/util/Value.h"
#include "screens/account/LoginGate.h"
#include "screens/info/OpenWebsite.h"
#include "screens/info/SubArticleList.h"
#include "screens/market/InfoSelector.h"

namespace {

struct Sub
{
    const char *id;
    const char *title;
};

// The sub-categories of each main category, fixed in the app.
const QList<QList<Sub>> &subCategories()
{
    static const QList<QList<Sub>> subs{
        {{"12", "热点聚焦"}, {"23", "产经新闻"}},
        {{"4", "钢铁价格"}, {"3", "价格汇总"}, {"32", "钢材分析"}, {"267", "钢铁炉料"}},
        {{"2", "实时分析"}, {"266", "日评"}, {"30", "周评"}, {"281", "每周综述"}},
        {{"8", "钢厂调价"}, {"9", "出厂价格"}, {"10", "钢材动态"}},
        {{"240", "研究中心"}},
    };
    return subs;
}

const QString kTitle = QStringLiteral("title");
const QString kImage = QStringLiteral("image");
const QString kUrl = QStringLiteral("url");
const QString kRowKind = QStringLiteral("kind");

// The row as the service gave it (a paid one's teaser, price and id stay for the reader), with
// its title and picture under the names every list shows.
QVariantMap articleRow(const QVariantMap &r, const char *titleKey, const char *imageKey)
{
    QVariantMap row = r;
    row.insert(kRowKind, QStringLiteral("news"));
    row.insert(kTitle, Value::text(r.value(QString::fromLatin1(titleKey))));
    row.insert(kImage, r.value(QString::fromLatin1(imageKey)).toString());
    return row;
}

} // namespace

ArticleList::ArticleList(QObject *parent)
    : SuperController(parent), m_mainlist(new PagedListModel({kTitle, kImage, kUrl}, this)),
      m_groups(new PagedListModel({kRowKind, kTitle, kImage, kUrl, QStringLiteral("groupId")}, this))
{
    m_mainlist->setFetch([this](Request *r, int page, int size) {
        const QString id = currentId();
        switch (m_style) {
        case News: r->getInformationClass(id, page, size, this); break;
        case Analyses: r->getArticleClass(page, size, this); break;
        case Mills: r->getSteelRoomClass(id, page, size, this); break;
        default: r->getResearchClass(id, page, size, this); break;
        }
    });
    // The analyses name their keys differently; a paid one keeps its teaser and price in `row`.
    m_mainlist->setRowMapping([this](const QVariantMap &r) {
        return m_style == Analyses ? articleRow(r, "ArticleTitle", "ImagePath") : articleRow(r, "title", "imageUrl");
    });
    m_mainlist->setFooterTitle(QStringLiteral("加载更多"));
    // An empty further page keeps the list and asks for the same page next time.
    m_mainlist->setStepBack(true, true, true);

    m_groups->setUnpaged();
    m_groups->setFetch([this](Request *r, int, int size) { r->getIndustryClass(currentId(), m_provinceId, size, this); });
    m_groups->setRowsOf([](const ServiceReply &reply) {
        QVariantList rows;
        for (const QVariant &g : Value::list(reply.data)) {
            const QVariantMap group = Value::map(g);
            const QString id = Value::text(group.value(QStringLiteral("id")));
            rows.append(QVariantMap{{kRowKind, QStringLiteral("group")},
                                    {kTitle, Value::text(group.value(QStringLiteral("name")))},
                                    {QStringLiteral("groupId"), id}});
            for (const QVariant &n : Value::list(group.value(QStringLiteral("news")))) {
                QVariantMap row = articleRow(Value::map(n), "title", "imageUrl");
                row.insert(QStringLiteral("groupId"), id);
                rows.append(row);
            }
        }
        return rows;
    });
}

void ArticleList::viewDidLoad()
{
    SuperController::viewDidLoad();
    setTitle(QStringLiteral("行情中心"));
    const QString stored = context().userDefaults()->stringForKey(QStringLiteral("xuanzhongchengshi"));
    m_regionTitle = stored.isEmpty() ? QStringLiteral("全国") : stored;
    reload();
}

void ArticleList::viewWillAppear()
{
    SuperController::viewWillAppear();
    // The analyses were listed for nobody and a login has happened since: their addresses must
    // now carry this reader's ticket.
    if (m_style == Analyses && m_listedOnline != online())
        reload();
}

bool ArticleList::online() const
{
    return AppContext::current()->service<UserInfo>()->isOnline();
}

QString ArticleList::currentId() const
{
    if (m_style == Analyses)
        return {};
    return QString::fromLatin1(subCategories().at(m_style).value(m_headButtonIdx).id);
}

QVariantList ArticleList::mainButtons() const
{
    static const char *const titles[] = {"资讯", "行情", "分析师", "钢厂", "研究"};
    QVariantList out;
    for (int i = 0; i < CategoryCount; ++i)
        out.append(QVariantMap{{kTitle, QString::fromUtf8(titles[i])}, {QStringLiteral("selected"), i == m_style}});
    return out;
}

QVariantList ArticleList::subButtons() const
{
    if (!subBarShown())
        return {};
    const QList<Sub> &subs = subCategories().at(m_style);
    const int width = 320 / int(subs.size()) + 1;
    QVariantList out;
    for (int i = 0; i < subs.size(); ++i)
        out.append(QVariantMap{{kTitle, QString::fromUtf8(subs.at(i).title)},
                               {QStringLiteral("width"), width},
                               {QStringLiteral("selected"), i == m_headButtonIdx}});
    return out;
}

void ArticleList::mainButtonPressed(int index)
{
    if (index < 0 || index >= CategoryCount)
        return;
    m_style = index;
    m_headButtonIdx = 0;
    emit categoryChanged();
    reload();
}

void ArticleList::subButtonPressed(int tag)
{
    selectSub(tag - 10);
}

void ArticleList::swipeLeft()
{
    selectSub(m_headButtonIdx + 1);
}

void ArticleList::swipeRight()
{
    selectSub(m_headButtonIdx - 1);
}

void ArticleList::selectSub(int index)
{
    if (!subBarShown() || index < 0 || index >= subCategories().at(m_style).size() || index == m_headButtonIdx)
        return;
    m_headButtonIdx = index;
    emit categoryChanged();
    reload();
}

void ArticleList::reload()
{
    if (m_style == Prices) {
        m_groups->refresh();
        return;
    }
    // The hot topics come as one page; every other list offers more.
    m_mainlist->setFooterRule(currentId() == u"12" ? PagedListModel::FooterNever : PagedListModel::FooterAlways);
    m_listedOnline = online();
    m_mainlist->clear();
    m_mainlist->refresh();
}

void ArticleList::didSelectRow(int row)
{
    if (m_style == Analyses && !LoginGate::requireLogin(this))
        return;
    open(m_mainlist->get(row));
}

void ArticleList::didSelectGroupRow(int row)
{
    const QVariantMap r = m_groups->get(row);
    if (r.value(kRowKind).toString() == u"news")
        open(r);
}

void ArticleList::open(const QVariantMap &row)
{
    OpenWebsite::openRow(this, row);
}

void ArticleList::moreInGroup(int row)
{
    const QVariantMap r = m_groups->get(row);
    auto *more = new SubArticleList;
    more->setTitle(r.value(kTitle).toString());
    more->setIds(currentId(), r.value(QStringLiteral("groupId")).toString(), m_provinceId);
    pushViewController(more);
}

void ArticleList::regionPressed()
{
    auto *picker = new InfoSelector;
    picker->setTitle(QStringLiteral("城市选择"));
    picker->setList(Value::list(Custom::loadPlistName(QStringLiteral("Province"))));
    picker->setDelegate(this, this);
    pushViewController(picker);
}

void ArticleList::didSeletedCity(const QVariantMap &result)
{
    const QVariantMap place = Value::map(result.value(QStringLiteral("shi")));
    m_provinceId = Value::text(place.value(QStringLiteral("provinceID")));
    m_regionTitle = Value::text(place.value(QStringLiteral("name")));
    emit regionChanged();
    if (m_style != Prices)
        return;
    // A new region starts again at its first price list.
    m_headButtonIdx = 0;
    emit categoryChanged();
    reload();
}

void ArticleList::popViewController()
{
    dismissViewController();
}
