#pragma once

#include "screens/market/InfoSelectorDelegate.h"

#include <QObject>
#include <QPointer>

class BaseScreen;
class Form;

/// A seller's bid on a tender (price, producing mill, delivery place), laid over the tender
/// market and over a tender's detail. It opens for a logged-in user only; the delivery place is
/// never typed, only chosen in the city picker, which hides the form while it is on screen.
/// The texts stay after a bid, ready for the next tender.
class BidForm : public QObject, public InfoSelectorDelegate
{
    Q_OBJECT
    Q_PROPERTY(bool shown READ shown NOTIFY shownChanged)
    /// "price", "mill" and "place" (never typed: the page shows it as a button to the picker).
    Q_PROPERTY(Form *form READ form CONSTANT)
public:
    explicit BidForm(BaseScreen *screen);

    bool shown() const { return m_shown; }
    QString tenderId() const { return m_tenderId; }
    Form *form() const { return m_form; }

    /// Opens the form for one tender; a visitor is sent to the login screen instead.
    void open(const QString &tenderId);
    Q_INVOKABLE void close();
    /// The delivery-place field was tapped: the city picker, never the keyboard.
    Q_INVOKABLE void choosePlace();
    /// Sends the bid once every field is filled, and closes the form.
    Q_INVOKABLE void submit();

    /// The price typed, as a number; 0 for a text that is no number.
    static float priceValue(const QString &text);
    static QString incompleteText() { return QStringLiteral("信息必须完整填写"); }

    bool implements(Operation operation) const override;
    void didSeletedCity(const QVariantMap &result) override;
    void cancelSelectCity() override;

signals:
    void shownChanged();

private:
    void setShown(bool shown);

    QPointer<BaseScreen> m_screen;
    bool m_shown = false;
    Form *m_form;
    QString m_tenderId;
    QString m_provinceId;
    QString m_cityId;
};
