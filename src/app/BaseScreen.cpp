#include "app/BaseScreen.h"

#include "app/LoadingView.h"
#include "core/platform/AppContext.h"
#include "core/platform/NotificationCenter.h"
#include "core/platform/ScreenMetrics.h"
#include "core/platform/NotificationNames.h"

BaseScreen::BaseScreen(QObject *parent) : ViewController(parent), m_form(new Form(this)) {}

BaseScreen::~BaseScreen() = default;

void BaseScreen::setHiddenBackButton(bool hidden)
{
    if (m_hiddenBackButton == hidden)
        return;
    m_hiddenBackButton = hidden;
    emit hiddenBackButtonChanged();
}

void BaseScreen::touchesBackground()
{
    m_form->closeKeyboard();
}

void BaseScreen::viewDidLoad()
{
    ViewController::viewDidLoad();
    setBackgroundColor(QStringLiteral("#efeff4"));
    setBackButtonShown(!m_hiddenBackButton);
    context().notificationCenter()->addObserver(this, NotificationNames::UserLogoutSystem,
                                                [this](const Notification &) { logout(); });
}

void BaseScreen::popViewController()
{
    // The screen stops observing through didLeaveStack once the pop has taken it off. A root
    // (a tab's or a modal one) cannot be popped: it stays and keeps reacting to a logout.
    ViewController::popViewController();
}

void BaseScreen::didLeaveStack()
{
    // Popped, alone or with others, or dismissed: deleted soon, so it must not react meanwhile.
    stopObservingLogout();
}

void BaseScreen::stopObservingLogout()
{
    context().notificationCenter()->removeObserver(this, NotificationNames::UserLogoutSystem);
}

LoadingView *BaseScreen::ensureLoading()
{
    if (!m_loading) {
        const ScreenMetrics *screen = context().service<ScreenMetrics>();
        const int inset = isInTabShell() ? kLoadingInsetInTabShell : kLoadingInsetOutside;
        m_loading = new LoadingView(this);
        m_loading->setSize(screen->width(), screen->height() - inset);
        emit loadingChanged();
    }
    return m_loading;
}

void BaseScreen::discardLoading()
{
    if (!m_loading)
        return;
    LoadingView *view = m_loading;
    m_loading = nullptr;
    view->removeFromSuperview();
    emit loadingChanged();
    view->deleteLater();
}
