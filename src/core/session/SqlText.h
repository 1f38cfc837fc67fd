#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

/// How the table store turns names and values into statement text.
///
/// Table and column names come from user ids and from the keys of messages received over the
/// network, so they are always quoted identifiers; values never enter the text at all, they are
/// bound. Callers still hand values over in the store's literal form, where a doubled apostrophe
/// stands for one (the chat screen doubles apostrophes in what it sends), so binding first turns
/// the literal form back into the text it denotes.
class SqlText
{
public:
    /// `"name"` with embedded double quotes doubled.
    static QString identifier(const QString &name);

    /// Identifiers joined by ",".
    static QString identifierList(const QStringList &names);

    /// "?1,?2,...,?n".
    static QString placeholders(qsizetype count, int first = 1);

    /// The text a value stands for: its "%@" text with every "''" read as one apostrophe.
    static QString literalValue(const QVariant &value);

    /// A name SQLite can carry in statement text (no NUL character, which would end the text).
    static bool isUsableName(const QString &name);

    /// "rowid", "oid" or "_rowid_" in any case: SQLite reads these as the row's id wherever
    /// the table has no column of that name.
    static bool isRowIdAlias(const QString &name);
};
