#include "screens/market/MarketFilter.h"

#include "app/ViewController.h"
#include "core/util/Custom.h"
#include "core/util/Value.h"
#include "screens/market/ClassSelector.h"
#include "screens/market/FormatSelector.h"
#include "screens/market/SubClassSelector.h"

namespace {
const QString kKindPickerTitle = QStringLiteral("品种选择");
const QString kFormatButton = QStringLiteral("规格选择");
} // namespace

MarketFilter::MarketFilter(ViewController *screen) : QObject(screen), m_screen(screen) {}

void MarketFilter::setPlaceHidden(bool hidden)
{
    m_placeHidden = hidden;
    emit titlesChanged();
}

void MarketFilter::headerButtonPressed(int tag)
{
    if (!m_screen)
        return;
    InfoSelector *picker = nullptr;
    if (tag == 0) {
        picker = new ClassSelector;
        picker->setTitle(QStringLiteral("大类选择"));
    } else if (tag == 1) {
        auto *kinds = new SubClassSelector;
        kinds->setClassId(m_classId);
        kinds->setTitle(kKindPickerTitle);
        picker = kinds;
    } else if (tag == 2) {
        auto *formats = new FormatSelector;
        formats->setFilter(m_classId, m_subClassId, m_provinceId);
        formats->setTitle(kFormatButton);
        picker = formats;
    } else {
        return;
    }
    m_selectedTitleString = picker->title();
    picker->setDelegate(this, m_screen);
    m_screen->pushViewController(picker);
}

void MarketFilter::selectCity()
{
    if (!m_screen)
        return;
    auto *places = new InfoSelector;
    places->setTitle(QStringLiteral("城市选择"));
    places->setList(Value::list(Custom::loadPlistName(QStringLiteral("Province"))));
    places->setDelegate(this, m_screen);
    m_screen->pushViewController(places);
}

bool MarketFilter::implements(Operation operation) const
{
    return operation == DidSeletedCity || operation == DidSeletedClass || operation == DidSeletedClassSubClassInfo
           || operation == DidSeletedFormat;
}

void MarketFilter::resetFormat()
{
    m_formatString = QStringLiteral("0");
    m_buttonC = kFormatButton;
}

void MarketFilter::didSeletedCity(const QVariantMap &result)
{
    const QVariantMap place = Value::map(result.value(QStringLiteral("shi")));
    m_provinceId = Value::text(place.value(QStringLiteral("provinceID")));
    m_placeTitle = Value::text(place.value(QStringLiteral("name")));
    emit titlesChanged();
    emit changed();
}

void MarketFilter::didSeletedClass(const QVariantMap &category)
{
    m_classId = Value::text(category.value(QStringLiteral("sortID")));
    m_buttonA = Value::text(category.value(QStringLiteral("sortName")));
    m_subClassId = QStringLiteral("0");
    m_buttonB = QStringLiteral("全部品种");
    resetFormat();
    emit titlesChanged();
    emit changed();
}

void MarketFilter::didSeletedClass(const QVariantMap &category, const QVariantMap &subClassInfo)
{
    // The specification picker's "全部" arrives here too; only the kind picker sets the kind.
    if (m_selectedTitleString == kKindPickerTitle) {
        m_classId = Value::text(category.value(QStringLiteral("sortID")));
        m_subClassId = Value::text(subClassInfo.value(QStringLiteral("nsortID")));
        m_buttonA = Value::text(category.value(QStringLiteral("sortName")));
        m_buttonB = Value::text(subClassInfo.value(QStringLiteral("nsortName")));
    }
    resetFormat();
    emit titlesChanged();
    emit changed();
}

void MarketFilter::didSeletedFormat(const QString &format)
{
    if (format.isEmpty()) {
        resetFormat();
    } else {
        m_formatString = format;
        m_buttonC = format;
    }
    emit titlesChanged();
    emit changed();
}
