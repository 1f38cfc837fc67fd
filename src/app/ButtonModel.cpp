#include "app/ButtonModel.h"

ButtonModel::ButtonModel(int tag, const QString &title, QObject *parent)
    : QObject(parent), m_tag(tag), m_title(title)
{
}

void ButtonModel::setTitle(const QString &title)
{
    if (m_title == title)
        return;
    m_title = title;
    emit titleChanged();
}

void ButtonModel::setSelected(bool selected)
{
    if (m_selected == selected)
        return;
    m_selected = selected;
    emit selectedChanged();
}

void ButtonModel::setHidden(bool hidden)
{
    if (m_hidden == hidden)
        return;
    m_hidden = hidden;
    emit hiddenChanged();
}

void ButtonModel::setEnabled(bool enabled)
{
    if (m_enabled == enabled)
        return;
    m_enabled = enabled;
    emit enabledChanged();
}

void ButtonModel::press()
{
    if (m_enabled && !m_hidden)
        emit clicked(this);
}
