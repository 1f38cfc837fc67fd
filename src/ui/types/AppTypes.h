#pragma once

// The app layer's classes as QML sees them: the screen base classes that pages type their
// controller with, the shell, stacks, overlay views and the list model. QML never creates them.

#include "app/AlertStyleValue1.h"
#include "app/Alerts.h"
#include "app/BaseScreen.h"
#include "app/BusinessTabBar.h"
#include "app/ButtonModel.h"
#include "app/CustomIOS7AlertView.h"
#include "app/FerroxAlert.h"
#include "app/Form.h"
#include "app/FormField.h"
#include "app/LoadingView.h"
#include "app/MainTabBarController.h"
#include "app/MyBadgeView.h"
#include "app/NavigationStack.h"
#include "app/OrderAlertView.h"
#include "app/OverlayView.h"
#include "app/PagedListModel.h"
#include "app/PlatformAlert.h"
#include "app/SuperController.h"
#include "app/SuperTableViewController.h"
#include "app/TabBarButton.h"
#include "app/ViewController.h"

#include <QtQml/qqml.h>

struct ForeignViewController
{
    Q_GADGET QML_FOREIGN(ViewController) QML_NAMED_ELEMENT(ViewController) QML_UNCREATABLE("made by its stack")
};
struct ForeignBaseScreen
{
    Q_GADGET QML_FOREIGN(BaseScreen) QML_NAMED_ELEMENT(BaseScreen) QML_UNCREATABLE("made by its stack")
};
struct ForeignSuperController
{
    Q_GADGET QML_FOREIGN(SuperController) QML_NAMED_ELEMENT(SuperController) QML_UNCREATABLE("made by its stack")
};
struct ForeignSuperTableViewController
{
    Q_GADGET QML_FOREIGN(SuperTableViewController) QML_NAMED_ELEMENT(SuperTableViewController) QML_UNCREATABLE("made by its stack")
};
struct ForeignBusinessTabBar
{
    Q_GADGET QML_FOREIGN(BusinessTabBar) QML_NAMED_ELEMENT(BusinessTabBar) QML_UNCREATABLE("made by its stack")
};
struct ForeignPagedListModel
{
    Q_GADGET QML_FOREIGN(PagedListModel) QML_NAMED_ELEMENT(PagedListModel) QML_UNCREATABLE("made by its screen")
};
struct ForeignForm
{
    Q_GADGET QML_FOREIGN(Form) QML_NAMED_ELEMENT(Form) QML_UNCREATABLE("made by its screen")
};
struct ForeignFormField
{
    Q_GADGET QML_FOREIGN(FormField) QML_NAMED_ELEMENT(FormField) QML_UNCREATABLE("made by its form")
};
struct ForeignMainTabBarController
{
    Q_GADGET QML_FOREIGN(MainTabBarController) QML_NAMED_ELEMENT(MainTabBarController) QML_UNCREATABLE("made by the app")
};
struct ForeignNavigationStack
{
    Q_GADGET QML_FOREIGN(NavigationStack) QML_NAMED_ELEMENT(NavigationStack) QML_UNCREATABLE("made by the shell")
};
struct ForeignAlerts
{
    Q_GADGET QML_FOREIGN(Alerts) QML_NAMED_ELEMENT(Alerts) QML_UNCREATABLE("made by the context")
};
struct ForeignOverlayView
{
    Q_GADGET QML_FOREIGN(OverlayView) QML_NAMED_ELEMENT(OverlayView) QML_UNCREATABLE("made by its screen")
};
struct ForeignFerroxAlert
{
    Q_GADGET QML_FOREIGN(FerroxAlert) QML_NAMED_ELEMENT(FerroxAlert) QML_UNCREATABLE("made by its screen")
};
struct ForeignAlertStyleValue1
{
    Q_GADGET QML_FOREIGN(AlertStyleValue1) QML_NAMED_ELEMENT(AlertStyleValue1) QML_UNCREATABLE("made by its screen")
};
struct ForeignCustomIOS7AlertView
{
    Q_GADGET QML_FOREIGN(CustomIOS7AlertView) QML_NAMED_ELEMENT(CustomIOS7AlertView) QML_UNCREATABLE("made by its screen")
};
struct ForeignPlatformAlert
{
    Q_GADGET QML_FOREIGN(PlatformAlert) QML_NAMED_ELEMENT(PlatformAlert) QML_UNCREATABLE("made by the alerts")
};
struct ForeignLoadingView
{
    Q_GADGET QML_FOREIGN(LoadingView) QML_NAMED_ELEMENT(LoadingView) QML_UNCREATABLE("made by its screen")
};
struct ForeignButtonModel
{
    Q_GADGET QML_FOREIGN(ButtonModel) QML_NAMED_ELEMENT(ButtonModel) QML_UNCREATABLE("made by its view")
};
struct ForeignTabBarButton
{
    Q_GADGET QML_FOREIGN(TabBarButton) QML_NAMED_ELEMENT(TabBarButton) QML_UNCREATABLE("made by the shell")
};
struct ForeignMyBadgeView
{
    Q_GADGET QML_FOREIGN(MyBadgeView) QML_NAMED_ELEMENT(MyBadgeView) QML_UNCREATABLE("made by its button")
};
// Lists of objects (stacks, overlays, buttons) as the models of repeaters.
struct ForeignObjectList
{
    Q_GADGET QML_FOREIGN(QList<QObject *>) QML_ANONYMOUS QML_SEQUENTIAL_CONTAINER(QObject *)
};
struct ForeignOrderAlertView
{
    Q_GADGET QML_FOREIGN(OrderAlertView) QML_NAMED_ELEMENT(OrderAlertView) QML_UNCREATABLE("made by its screen")
};
