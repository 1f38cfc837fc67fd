#include "screens/im/AddFriendsWithContacts.h"

#include "app/PagedListModel.h"
#include "core/platform/AddressBookPort.h"
#include "core/platform/AppContext.h"
#include "screens/im/FriendsDetail.h"

#include <QTimer>

AddFriendsWithContacts::AddFriendsWithContacts(QObject *parent)
    : SuperController(parent),
      m_dataArray(new PagedListModel({QStringLiteral("title"), QStringLiteral("subtitle"), QStringLiteral("marked")}, this))
{
    m_dataArray->setRowMapping([](const QVariantMap &e) {
        QVariantMap row = e;
        row.insert(QStringLiteral("title"), e.value(QStringLiteral("name")).toString() + QStringLiteral("  ")
                                                + e.value(QStringLiteral("phone")).toString());
        row.insert(QStringLiteral("subtitle"), QString());
        row.insert(QStringLiteral("marked"), false);
        return row;
    });
}

void AddFriendsWithContacts::viewDidLoad()
{
    SuperController::viewDidLoad();
    setTitle(QStringLiteral("添加商友"));
    showActivity();
    QTimer::singleShot(kReadDelayMs, this, [this] { readAddressBook(); });
}

void AddFriendsWithContacts::readAddressBook()
{
    const auto people = context().service<AddressBookPort>()->people();
    if (people) {
        m_saveArray.clear();
        for (const AddressBookPort::Person &p : *people) {
            // Someone without a number cannot be asked to be a friend.
            if (p.phones.isEmpty())
                continue;
            m_saveArray.append(QVariantMap{{QStringLiteral("name"), p.lastName + p.firstName},
                                           {QStringLiteral("phone"), p.phones.first()}});
        }
        show(m_saveArray);
    }
    hideActivity();
}

void AddFriendsWithContacts::show(const QVariantList &entries)
{
    m_dataArray->setRows(entries);
}

void AddFriendsWithContacts::setSearchText(const QString &text)
{
    if (m_searchText == text)
        return;
    m_searchText = text;
    emit searchTextChanged();
    if (text.isEmpty()) {
        show(m_saveArray);
        return;
    }
    // The search narrows what is shown already, as the address book screen always has.
    QVariantList kept;
    for (const QVariantMap &r : m_dataArray->rows()) {
        const QString haystack = r.value(QStringLiteral("name")).toString() + r.value(QStringLiteral("phone")).toString();
        if (haystack.contains(text))
            kept.append(r);
    }
    show(kept);
}

void AddFriendsWithContacts::setKeyboardShown(bool shown)
{
    if (m_keyboardShown == shown)
        return;
    m_keyboardShown = shown;
    emit keyboardShownChanged();
}

void AddFriendsWithContacts::didSelectRowAtIndex(int index)
{
    if (index < 0 || index >= m_dataArray->count())
        return;
    pushViewController(new FriendsDetail(m_dataArray->get(index)));
}
