#pragma once

#include "app/OverlayView.h"

#include <QVariantMap>

class ViewController;

/// The counterpart's company card laid over a list screen: company name, mobile, telephone and
/// contact name in a framed panel, with a close control. A new card goes on top of any card
/// already shown; each lives until it is closed.
class OrderAlertView : public OverlayView
{
    Q_OBJECT
    Q_PROPERTY(QString companyName READ companyName NOTIFY cardChanged)
    Q_PROPERTY(QString mobile READ mobile NOTIFY cardChanged)
    Q_PROPERTY(QString tel READ tel NOTIFY cardChanged)
    Q_PROPERTY(QString userName READ userName NOTIFY cardChanged)
public:
    explicit OrderAlertView(QObject *parent = nullptr);

    /// Lays a new card over screen's content, 320 points wide and as high as the screen less
    /// the navigation and tab bars, filled from a company-card result's data.
    static OrderAlertView *show(ViewController *screen, const QVariant &data);

    /// Sizes the card and fills its four labels from the dictionary, each as received.
    void showViewWithFrame(int width, int height, const QVariantMap &dataDict);

    /// The close control: takes the card off the screen for good.
    Q_INVOKABLE void remove();
    /// Escape closes the card too.
    void cancel() override { remove(); }

    QString companyName() const { return m_card.value(QStringLiteral("companyName")); }
    QString mobile() const { return m_card.value(QStringLiteral("mobile")); }
    QString tel() const { return m_card.value(QStringLiteral("tel")); }
    QString userName() const { return m_card.value(QStringLiteral("userName")); }

    static constexpr int kWidth = 320;
    static constexpr int kBarsHeight = 64 + 49;

signals:
    void cardChanged();

private:
    QHash<QString, QString> m_card;
    bool m_removed = false;
};
