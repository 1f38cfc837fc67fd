#pragma once

#include "screens/market/InfoSelectorDelegate.h"

#include <QObject>
#include <QPointer>

class ViewController;

/// The filter bar of the market lists (supermarket, auctions, tenders): category, kind and
/// specification buttons plus the place button. It opens the pickers on its screen, keeps the
/// four filters as the service takes them ("0" = all) and says `changed` after every choice,
/// when the list starts again at its first page.
class MarketFilter : public QObject, public InfoSelectorDelegate
{
    Q_OBJECT
    Q_PROPERTY(QString buttonATitle READ buttonATitle NOTIFY titlesChanged)
    Q_PROPERTY(QString buttonBTitle READ buttonBTitle NOTIFY titlesChanged)
    Q_PROPERTY(QString buttonCTitle READ buttonCTitle NOTIFY titlesChanged)
    Q_PROPERTY(QString placeTitle READ placeTitle NOTIFY titlesChanged)
    Q_PROPERTY(bool placeHidden READ placeHidden NOTIFY titlesChanged)
public:
    /// The pickers are pushed on screen's stack and return to it.
    explicit MarketFilter(ViewController *screen);

    QString classId() const { return m_classId; }
    QString subClassId() const { return m_subClassId; }
    QString provinceId() const { return m_provinceId; }
    QString formatString() const { return m_formatString; }
    QString selectedTitleString() const { return m_selectedTitleString; }

    QString buttonATitle() const { return m_buttonA; }
    QString buttonBTitle() const { return m_buttonB; }
    QString buttonCTitle() const { return m_buttonC; }
    QString placeTitle() const { return m_placeTitle; }
    bool placeHidden() const { return m_placeHidden; }
    void setPlaceHidden(bool hidden);

    /// Tags 0, 1, 2: the category, kind and specification pickers.
    Q_INVOKABLE void headerButtonPressed(int tag);
    /// The place picker over the list "Province".
    Q_INVOKABLE void selectCity();

    bool implements(Operation operation) const override;
    void didSeletedCity(const QVariantMap &result) override;
    void didSeletedClass(const QVariantMap &category) override;
    void didSeletedClass(const QVariantMap &category, const QVariantMap &subClassInfo) override;
    void didSeletedFormat(const QString &format) override;

signals:
    /// A filter was chosen: the list asks for its first page again.
    void changed();
    void titlesChanged();

private:
    void resetFormat();

    QPointer<ViewController> m_screen;
    QString m_classId = QStringLiteral("0");
    QString m_subClassId = QStringLiteral("0");
    QString m_provinceId = QStringLiteral("0");
    QString m_formatString = QStringLiteral("0");
    QString m_selectedTitleString;
    QString m_buttonA = QStringLiteral("全部种类");
    QString m_buttonB = QStringLiteral("全部品种");
    QString m_buttonC = QStringLiteral("规格选择");
    QString m_placeTitle = QStringLiteral("全国");
    bool m_placeHidden = false;
};
