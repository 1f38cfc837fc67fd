#include "core/platform/AddressBookPort.h"

#include "core/platform/AppContext.h"

#include <QDir>
#include <QFile>

namespace {

// vCard escapes: "\," "\;" "\\" "\n" stand for the character itself (a newline for \n).
QString unescaped(QStringView value)
{
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] == u'\\' && i + 1 < value.size()) {
            const QChar next = value[++i];
            out += (next == u'n' || next == u'N') ? QChar(u'\n') : next;
        } else {
            out += value[i];
        }
    }
    return out;
}

// Splits a structured value at the semicolons that are not escaped.
QList<QStringView> components(QStringView value)
{
    QList<QStringView> parts;
    qsizetype start = 0;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] == u'\\') {
            ++i;
        } else if (value[i] == u';') {
            parts << value.mid(start, i - start);
            start = i + 1;
        }
    }
    parts << value.mid(start);
    return parts;
}

// Long lines are folded by starting the continuation with a space or a tab.
QStringList unfoldedLines(const QString &text)
{
    QStringList lines;
    for (const QString &raw : text.split(u'\n')) {
        QString line = raw;
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (!lines.isEmpty() && (line.startsWith(u' ') || line.startsWith(u'\t')))
            lines.last() += line.mid(1);
        else
            lines << line;
    }
    return lines;
}

} // namespace

AddressBookPort::AddressBookPort(AppContext &context)
    : m_folder(context.config().contactsDir.isEmpty() ? context.dataDir() + QStringLiteral("/Contacts")
                                                       : context.config().contactsDir)
{
}

std::optional<QList<AddressBookPort::Person>> AddressBookPort::people() const
{
    const QDir folder(m_folder);
    if (m_folder.isEmpty() || !folder.exists())
        return std::nullopt;
    QList<Person> everyone;
    const QStringList files = folder.entryList({QStringLiteral("*.vcf"), QStringLiteral("*.VCF")}, QDir::Files, QDir::Name);
    for (const QString &name : files) {
        QFile file(folder.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            everyone += parseVCards(QString::fromUtf8(file.readAll()));
    }
    return everyone;
}

QList<AddressBookPort::Person> AddressBookPort::parseVCards(const QString &text)
{
    QList<Person> people;
    std::optional<Person> card;
    for (const QString &line : unfoldedLines(text)) {
        const qsizetype colon = line.indexOf(u':');
        if (colon < 0)
            continue;
        // "item1.TEL;TYPE=CELL": the group and the parameters do not matter here.
        QStringView head = QStringView(line).left(colon);
        if (const qsizetype semi = head.indexOf(u';'); semi >= 0)
            head = head.left(semi);
        if (const qsizetype dot = head.lastIndexOf(u'.'); dot >= 0)
            head = head.mid(dot + 1);
        const QStringView value = QStringView(line).mid(colon + 1);
        if (head.compare(u"BEGIN", Qt::CaseInsensitive) == 0 && value.trimmed().compare(u"VCARD", Qt::CaseInsensitive) == 0) {
            card = Person();
        } else if (!card) {
            continue;
        } else if (head.compare(u"END", Qt::CaseInsensitive) == 0) {
            people << *card;
            card.reset();
        } else if (head.compare(u"N", Qt::CaseInsensitive) == 0) {
            const QList<QStringView> parts = components(value);
            card->lastName = unescaped(parts.value(0)).trimmed();
            card->firstName = unescaped(parts.value(1)).trimmed();
        } else if (head.compare(u"TEL", Qt::CaseInsensitive) == 0) {
            QString phone = unescaped(value).trimmed();
            if (phone.startsWith(QStringLiteral("tel:"), Qt::CaseInsensitive))
                phone = phone.mid(4);
            if (!phone.isEmpty())
                card->phones << phone;
        }
    }
    return people;
}
