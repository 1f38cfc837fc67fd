#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <optional>

class AppContext;

/// The phone's address book. On this platform it is a folder of vCard (.vcf) files: the folder
/// given on the command line, or "Contacts" in the data folder. A missing folder means there is
/// no address book (as when the user refuses access); an empty one is an empty address book.
class AddressBookPort
{
public:
    struct Person
    {
        QString lastName;
        QString firstName;
        QStringList phones;
    };

    explicit AddressBookPort(AppContext &context);
    virtual ~AddressBookPort() = default;

    /// Everyone in the address book, in file order; none when there is no address book.
    virtual std::optional<QList<Person>> people() const;

    /// The people of one vCard text (any number of cards; broken cards are skipped).
    static QList<Person> parseVCards(const QString &text);

protected:
    AddressBookPort() = default;

private:
    QString m_folder;
};
