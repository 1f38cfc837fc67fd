#include "screens/market/FormatSelector.h"

#include "core/api/Request.h"
#include "core/util/Value.h"

FormatSelector::FormatSelector(QObject *parent) : InfoSelector(parent)
{
    setRightButtonTitle(QStringLiteral("全部"));
    list()->setUnpaged();
    list()->setFetch([this](Request *r, int, int) {
        r->getFormatList(m_classId, m_subclassId, m_provinceId, kListSize, this);
    });
}

void FormatSelector::setFilter(const QVariant &classId, const QVariant &subclassId, const QVariant &provinceId)
{
    m_classId = Value::text(classId);
    m_subclassId = Value::text(subclassId);
    m_provinceId = Value::text(provinceId);
}

void FormatSelector::setFormatText(const QString &text)
{
    if (text == m_formatText)
        return;
    m_formatText = text;
    emit formatTextChanged();
}

void FormatSelector::viewDidLoad()
{
    InfoSelector::viewDidLoad();
    list()->refresh();
}

QVariantMap FormatSelector::rowFor(const QVariantMap &entry) const
{
    return {{QStringLiteral("text"), Value::text(entry.value(QStringLiteral("spec")))}};
}

void FormatSelector::didSelectRow(int row)
{
    if (row < 0 || row >= count())
        return;
    if (delegateImplements(InfoSelectorDelegate::DidSeletedFormat))
        delegate()->didSeletedFormat(Value::text(entryAt(row).value(QStringLiteral("spec"))));
    leave();
}

void FormatSelector::confirmTyped()
{
    if (delegateImplements(InfoSelectorDelegate::DidSeletedFormat) && !m_formatText.isEmpty())
        delegate()->didSeletedFormat(m_formatText);
    leave();
}

void FormatSelector::rightButtonPressed()
{
    // The list screens take this call, made right after opening this picker, as "all
    // specifications" and clear their specification filter.
    if (!delegateImplements(InfoSelectorDelegate::DidSeletedFormat))
        return;
    if (delegateImplements(InfoSelectorDelegate::DidSeletedClassSubClassInfo))
        delegate()->didSeletedClass(QVariantMap{}, QVariantMap{{QStringLiteral("sortID"), QStringLiteral("0")},
                                                               {QStringLiteral("sortName"), QStringLiteral("全部所有")}});
    returnToCaller();
}
