#include "ui/Pages.h"

#include <QFile>
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
} // namespace

QUrl Pages::pageUrl(QObject *controller)
{
    const QStringList names = controller ? controller->property("pageNames").toStringList() : QStringList();
    return firstExisting(QStringLiteral("pages"), names, QStringLiteral("ViewController"));
}

QUrl Pages::widgetUrl(QObject *view)
{
    QStringList names;
    for (const QMetaObject *mo = view ? view->metaObject() : nullptr; mo && mo != &QObject::staticMetaObject;
         mo = mo->superClass())
        names.append(QString::fromLatin1(mo->className()));
    return firstExisting(QStringLiteral("widgets"), names, QStringLiteral("OverlayView"));
}
