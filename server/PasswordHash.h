#pragma once

#include <QString>

/// Stored passwords: salted PBKDF2-HMAC-SHA256 as "pbkdf2-sha256$ITERATIONS$SALT$KEY" (salt and
/// key in base64). A stolen database file then gives no password away directly.
namespace PasswordHash {
/// Iterations for new hashes; stored hashes carry their own count, so it can grow later.
inline constexpr int kIterations = 20000;
QString make(const QString &password);
bool verify(const QString &password, const QString &stored);
bool isHash(const QString &stored);
} // namespace PasswordHash
