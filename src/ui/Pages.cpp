#include "ui/Pages.h"
#include "core/platform/Logging.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMetaClassInfo>
#include <QStringList>
#include <QVariant>

namespace {
QUrl firstExisting(const QString &folder, const QStringList &names, const QString &fallback)
{
    for (const QString &name : names) {
        const QString path = QStringLiteral(":/Velmora/%1/%2.qml").arg(folder, name);
        if (QFile::exists(path))
            return QUrl(QStringLiteral("qrc") + path);
    }
    return QUrl(QStringLiteral("qrc:/Velmora/%1/%2.qml").arg(folder, fallback));
}

// Pages live in one folder per area; a page is found by its class name alone, so the index of
// names is read from the resources once.
const QHash<QString, QString> &pageIndex()
{
    static const QHash<QString, QString> index = [] {
        QHash<QString, QString> found;
        QDirIterator it(QStringLiteral(":/Velmora/pages"), {QStringLiteral("*.qml")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            found.insert(QFileInfo(path).completeBaseName(), path);
        }
        return found;
    }();
    return index;
}
} // namespace

QString Pages::pageFile(const QString &name)
{
    return pageIndex().value(name);
}

QString Pages::pageFileOf(const QMetaObject *screen)
{
    if (!screen)
        return {};
    if (QString own = pageFile(QString::fromLatin1(screen->className())); !own.isEmpty())
        return own;
    // A base screen may say that its family shares its page: the members differ in behaviour only.
    const int family = screen->indexOfClassInfo("familyPage");
    return family < 0 ? QString() : pageFile(QString::fromLatin1(screen->classInfo(family).value()));
}

QUrl Pages::pageUrl(QObject *controller)
{
    if (const QString family = pageFileOf(controller ? controller->metaObject() : nullptr); !family.isEmpty())
        return QUrl(QStringLiteral("qrc") + family);
    const QStringList names = controller ? controller->property("pageNames").toStringList() : QStringList();
    QUrl url;
    for (const QString &name : names) {
        if (const QString path = pageFile(name); !path.isEmpty()) {
            url = QUrl(QStringLiteral("qrc") + path);
            break;
        }
    }
    if (url.isEmpty())
        url = QUrl(QStringLiteral("qrc") + pageFile(QStringLiteral("ViewController")));
    // Only the app's base classes share a page; a screen drawn by another class's page has a
    // missing or misspelt page, which should not pass as a blank screen.
    static const QStringList shared{QStringLiteral("ViewController"), QStringLiteral("BaseScreen"),
                                    QStringLiteral("SuperController"), QStringLiteral("SuperTableViewController")};
    if (!names.isEmpty() && !shared.contains(names.first()) && !url.path().endsWith(QStringLiteral("/%1.qml").arg(names.first())))
        qCWarning(lcUi, "Pages: %s has no page of its own", qPrintable(names.first()));
    return url;
}

QUrl Pages::widgetUrl(QObject *view)
{
    QStringList names;
    for (const QMetaObject *mo = view ? view->metaObject() : nullptr; mo && mo != &QObject::staticMetaObject;
         mo = mo->superClass())
        names.append(QString::fromLatin1(mo->className()));
    return firstExisting(QStringLiteral("widgets"), names, QStringLiteral("OverlayView"));
}
