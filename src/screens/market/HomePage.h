#pragma once

#include "app/SuperController.h"
#include "screens/market/AdvertStrip.h"

#include <QVariantList>

/// Root of the first tab: the market's home page. On its first load it logs the remembered user
/// in without showing anything (the session channel applies the answer, in view or not). It
/// shows the advert strip, a ticker of the latest deals and eight entry buttons into the market
/// forms and services.
class HomePage : public SuperController
{
    Q_OBJECT
    Q_PROPERTY(AdvertStrip *strip READ strip CONSTANT)
    /// The drawn ticker lines: "text", "styledText" (price and weight in red), "y" (points).
    Q_PROPERTY(QVariantList tickerLines READ tickerLines NOTIFY tickerChanged)
    Q_PROPERTY(bool orderIsNil READ orderIsNil NOTIFY tickerChanged)
    Q_PROPERTY(QString emptyLineText READ emptyLineText NOTIFY tickerChanged)
    Q_PROPERTY(int tickerTop READ tickerTop NOTIFY tickerChanged)
    Q_PROPERTY(int tickerFontSize READ tickerFontSize CONSTANT)
    /// The entry buttons: "tag" (1000-1007), "caption", "picture" ("C10" to "C17").
    Q_PROPERTY(QVariantList buttons READ buttons CONSTANT)
public:
    explicit HomePage(QObject *parent = nullptr);

    AdvertStrip *strip() const { return m_strip; }
    QVariantList tickerLines() const { return m_tickerLines; }
    bool orderIsNil() const { return m_orderIsNil; }
    /// "   暂时没有更多成交记录" when the last reply held no deal, else empty.
    QString emptyLineText() const;
    int tickerTop() const;
    int tickerFontSize() const;
    QVariantList buttons() const;

    /// An entry button, by its tag.
    Q_INVOKABLE void buttonPressed(int tag);
    /// A tap outside any control (the ticker area): the latest deals, when there are any.
    Q_INVOKABLE void touchesBackground() override;
    /// An advert tapped, by its page index.
    Q_INVOKABLE void touchUpInsideAtImageView(int index);

    /// On "UserLogoutSystem": back to the root of this tab.
    void logout() override;

signals:
    void tickerChanged();

protected:
    void viewDidLoad() override;

private:
    void showHomeData(const QVariantMap &data);
    /// Screens of other parts of the app that are opened from here but not built yet.
    void openUnavailable(const char *screen);

    AdvertStrip *m_strip;
    QVariantList m_tickerLines;
    bool m_orderIsNil = false;
};
