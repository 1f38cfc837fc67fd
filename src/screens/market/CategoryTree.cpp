#include "screens/market/CategoryTree.h"

#include "core/api/Request.h"
#include "core/util/Value.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcCategoryTree, "velmora.categorytree")

namespace {
// A value missing from the tree is empty here, never "(null)".
QString treeText(const QVariant &node, const char *key)
{
    const QVariant v = Value::member(node, QString::fromLatin1(key));
    return Value::isNone(v) ? QString() : Value::text(v);
}
QStringList column(const QVariant &nodes, const char *key)
{
    QStringList out;
    for (const QVariant &n : Value::list(nodes))
        out.append(treeText(n, key));
    return out;
}
} // namespace

CategoryTree::CategoryTree(QObject *parent) : QObject(parent) {}

void CategoryTree::load(RequestDelegate *screen, const QString &failureText)
{
    Request::request()
        ->onReply(this,
                  [this, failureText](const ServiceReply &reply) {
                      if (!reply.ok()) {
                          qCWarning(lcCategoryTree) << failureText << reply.message;
                          return;
                      }
                      m_tree = Value::list(reply.data);
                  })
        ->onFailure(this, [failureText](const RequestError &) { qCWarning(lcCategoryTree) << failureText; })
        ->getQueryConditionWithDelegate(screen);
}

QStringList CategoryTree::categoryNames() const
{
    QStringList names = column(m_tree, "sortName");
    names.removeAll(QStringLiteral("热门种类"));
    return names;
}

QVariantMap CategoryTree::category(const QString &name) const
{
    QVariantMap found;
    for (const QVariant &c : m_tree)
        if (treeText(c, "sortName") == name)
            found = Value::map(c);
    return found;
}

QStringList CategoryTree::kindNames(const QString &categoryName) const
{
    return column(category(categoryName).value(QStringLiteral("nsort")), "nsortName");
}

QVariantMap CategoryTree::kind(const QString &categoryName, const QString &kindName) const
{
    for (const QVariant &k : Value::list(category(categoryName).value(QStringLiteral("nsort"))))
        if (treeText(k, "nsortName") == kindName)
            return Value::map(k);
    return {};
}

QStringList CategoryTree::materials(const QString &categoryName, const QString &kindName) const
{
    return column(kind(categoryName, kindName).value(QStringLiteral("MaterialsRule")), "Materials");
}
