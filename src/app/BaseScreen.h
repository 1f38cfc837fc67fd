#pragma once

#include "app/Form.h"
#include "app/LoadingView.h"
#include "app/ViewController.h"
#include "core/api/RequestDelegate.h"

/// What SuperController and SuperTableViewController share: the back button, the grey
/// background, the busy overlay's size, and the reaction to "UserLogoutSystem", which a screen
/// observes from the moment its view loads until it is left.
class BaseScreen : public ViewController, public RequestDelegate
{
    Q_OBJECT
    Q_PROPERTY(bool hiddenBackButton READ hiddenBackButton WRITE setHiddenBackButton NOTIFY hiddenBackButtonChanged)
    Q_PROPERTY(LoadingView *loading READ loading NOTIFY loadingChanged)
    Q_PROPERTY(Form *form READ form CONSTANT)
public:
    explicit BaseScreen(QObject *parent = nullptr);
    ~BaseScreen() override;

    /// Set before the view loads: no back button at all.
    bool hiddenBackButton() const { return m_hiddenBackButton; }
    void setHiddenBackButton(bool hidden);

    LoadingView *loading() const { return m_loading; }
    /// The screen's inputs (see Form); none until the screen declares some.
    Form *form() const { return m_form; }
    /// A tap on the background closes the keyboard of the form's inputs.
    void touchesBackground() override;

    /// Leaves the screen; once off its stack it no longer observes "UserLogoutSystem".
    Q_INVOKABLE void popViewController() override;
    /// Called on "UserLogoutSystem"; screens override it (usually to return to their root).
    virtual void logout() {}

    static constexpr int kLoadingInsetInTabShell = 93;
    static constexpr int kLoadingInsetOutside = 44;

signals:
    void hiddenBackButtonChanged();
    void loadingChanged();

protected:
    void viewDidLoad() override;
    void didLeaveStack() override;
    /// The overlay, created on first use to cover the screen's width and its height less the bars.
    LoadingView *ensureLoading();
    /// Discards the overlay (SuperController hides by discarding it).
    void discardLoading();

private:
    void stopObservingLogout();

    bool m_hiddenBackButton = false;
    LoadingView *m_loading = nullptr;
    Form *m_form;
};
