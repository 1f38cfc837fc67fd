#pragma once

#include "app/ButtonModel.h"
#include "app/SuperController.h"

#include <QUrl>
#include <QVariantList>

#include <functional>

class Request;
class RequestDelegate;

/// Base of the order and offer detail screens, drawn by one page: captioned lines filled from
/// the service, an optional pair of outcome buttons of which one is selected, and the screen's
/// action buttons.
class OrderSheet : public SuperController
{
    Q_OBJECT
    Q_CLASSINFO("familyPage", "OrderSheet")
    /// {"caption", "value"} maps, top to bottom.
    Q_PROPERTY(QVariantList lines READ lines NOTIFY linesChanged)
    /// A picture shown under the lines (an order's payment voucher); empty: none.
    Q_PROPERTY(QUrl picture READ picture NOTIFY linesChanged)
    Q_PROPERTY(QList<QObject *> choices READ choiceObjects CONSTANT)
    Q_PROPERTY(QList<QObject *> buttons READ buttonObjects CONSTANT)
public:
    explicit OrderSheet(QObject *parent = nullptr);

    QVariantList lines() const { return m_lines; }
    QUrl picture() const { return m_picture; }
    /// The value of the line with that caption (tests and the screens' own checks).
    QString lineValue(const QString &caption) const;
    QList<QObject *> choiceObjects() const { return {m_choices.cbegin(), m_choices.cend()}; }
    QList<QObject *> buttonObjects() const { return {m_buttons.cbegin(), m_buttons.cend()}; }
    QList<ButtonModel *> buttons() const { return m_buttons; }

    /// A value as shown: a missing one is empty.
    static QString shown(const QVariantMap &data, const char *key);

signals:
    void linesChanged();

protected:
    using Lines = QList<std::pair<const char *, QString>>;
    using DetailCall = void (Request::*)(const QVariant &, RequestDelegate *);

    /// Asks for the detail of id through call (this screen the delegate) and shows lines(data);
    /// then(data), when given, takes the screen's own state from the same reply.
    void loadDetail(DetailCall call, const QString &id, const std::function<Lines(const QVariantMap &)> &lines,
                    const std::function<void(const QVariantMap &)> &then = {});
    /// The goods' lines every sheet shows: kind, specification, material, origin.
    static Lines goodsLines(const QVariantMap &data);
    /// A traded order's lines: trade time, number, the goods, address, weight, price.
    static Lines tradedLines(const QVariantMap &data);

    /// Captions paired with the data's keys, each value shown as received.
    void setLines(const Lines &lines);
    void setPicture(const QUrl &picture);
    ButtonModel *addButton(const QString &title);
    ButtonModel *addChoice(int tag, const QString &title);
    QList<ButtonModel *> choices() const { return m_choices; }

private:
    QVariantList m_lines;
    QUrl m_picture;
    QList<ButtonModel *> m_choices;
    QList<ButtonModel *> m_buttons;
};
