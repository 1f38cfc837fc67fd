#pragma once

#include "app/SuperController.h"

#include "app/PagedListModel.h"

#include <QVariantList>

/// Adding a friend from the address book, with a search that narrows the people shown.
class AddFriendsWithContacts : public SuperController
{
    Q_OBJECT
    Q_PROPERTY(PagedListModel *dataArray READ dataArray CONSTANT)
    Q_PROPERTY(QString actionTitle READ actionTitle CONSTANT)
    Q_PROPERTY(QString searchText READ searchText WRITE setSearchText NOTIFY searchTextChanged)
    Q_PROPERTY(bool keyboardShown READ keyboardShown WRITE setKeyboardShown NOTIFY keyboardShownChanged)
public:
    explicit AddFriendsWithContacts(QObject *parent = nullptr);

    /// Every entry read: "name" (last name then first name) and "phone" (the first number).
    QVariantList saveArray() const { return m_saveArray; }
    /// The entries shown.
    PagedListModel *dataArray() const { return m_dataArray; }
    /// The button on each row.
    QString actionTitle() const { return QStringLiteral("+ 添加"); }

    QString searchText() const { return m_searchText; }
    /// Empty shows everyone again; otherwise keeps, of those shown, the entries whose name
    /// followed by the phone contains the text.
    void setSearchText(const QString &text);
    bool keyboardShown() const { return m_keyboardShown; }
    void setKeyboardShown(bool shown);
    Q_INVOKABLE void scrollViewWillBeginDragging() { setKeyboardShown(false); }

    /// The row or its "+ 添加" button: the entry's detail.
    Q_INVOKABLE void didSelectRowAtIndex(int index);
    /// Reads the address book now (the screen does it half a second after loading).
    void readAddressBook();

    static constexpr int kReadDelayMs = 500;

signals:
    void searchTextChanged();
    void keyboardShownChanged();

protected:
    void viewDidLoad() override;

private:
    void show(const QVariantList &entries);

    QVariantList m_saveArray;
    PagedListModel *m_dataArray;
    QString m_searchText;
    bool m_keyboardShown = false;
};
