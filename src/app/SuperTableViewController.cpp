#include "app/SuperTableViewController.h"

#include "app/LoadingView.h"

SuperTableViewController::SuperTableViewController(QObject *parent) : BaseScreen(parent) {}

void SuperTableViewController::showActivity()
{
    LoadingView *view = ensureLoading();
    // A fade still running would take the overlay away right after it was shown again.
    view->cancelFade();
    addSubview(view);
}

void SuperTableViewController::hideActivity()
{
    if (LoadingView *view = loading())
        view->fadeOut(kFadeMs);
}
