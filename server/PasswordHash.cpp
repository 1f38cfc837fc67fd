#include "PasswordHash.h"

#include <QCryptographicHash>
#include <QPasswordDigestor>
#include <QRandomGenerator>
#include <QStringList>

namespace {

const QLatin1String kScheme("pbkdf2-sha256");

QByteArray derive(const QString &password, const QByteArray &salt, int iterations)
{
    return QPasswordDigestor::deriveKeyPbkdf2(QCryptographicHash::Sha256, password.toUtf8(), salt,
                                              iterations, 32);
}

} // namespace

QString PasswordHash::make(const QString &password)
{
    QByteArray salt(16, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32 *>(salt.data()), salt.size() / 4);
    return QStringLiteral("%1$%2$%3$%4")
        .arg(kScheme)
        .arg(kIterations)
        .arg(QString::fromLatin1(salt.toBase64()),
             QString::fromLatin1(derive(password, salt, kIterations).toBase64()));
}

bool PasswordHash::isHash(const QString &stored)
{
    return stored.startsWith(kScheme + QLatin1Char('$'));
}

bool PasswordHash::verify(const QString &password, const QString &stored)
{
    const QStringList parts = stored.split(QLatin1Char('$'));
    if (parts.size() != 4 || parts.at(0) != kScheme || password.isEmpty())
        return false;
    bool ok = false;
    const int iterations = parts.at(1).toInt(&ok);
    if (!ok || iterations < 1 || iterations > 10000000)
        return false;
    const QByteArray expected = QByteArray::fromBase64(parts.at(3).toLatin1());
    const QByteArray actual = derive(password, QByteArray::fromBase64(parts.at(2).toLatin1()), iterations);
    // Compare every byte so the time taken does not tell how much matched.
    if (expected.size() != actual.size() || expected.isEmpty())
        return false;
    unsigned char diff = 0;
    for (qsizetype i = 0; i < actual.size(); ++i)
        diff |= static_cast<unsigned char>(expected.at(i) ^ actual.at(i));
    return diff == 0;
}
