#pragma once

#include <QObject>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

/// Finds the QML file that draws a controller or an overlay view: the page named after the
/// controller's class, or its family's page, or failing that the page of the nearest base
/// class that has one (with a warning); the widget named after the view's kind.
class Pages : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
public:
    explicit Pages(QObject *parent = nullptr) : QObject(parent) {}

    Q_INVOKABLE static QUrl pageUrl(QObject *controller);
    Q_INVOKABLE static QUrl widgetUrl(QObject *view);
    /// The resource path of the page named `name` (in whichever area folder it lives), or empty.
    static QString pageFile(const QString &name);
    /// The resource path of a screen's page: its own, or the one its family shares (a base class
    /// declares it with Q_CLASSINFO("familyPage", "<page>")); empty when it has neither.
    static QString pageFileOf(const QMetaObject *screen);
};
