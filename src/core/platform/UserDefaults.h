#pragma once

#include <QObject>
#include <QString>
#include <QVariant>
#include <memory>

class QSettings;

/// The platform's user defaults over an INI file. Keys are used verbatim. The file and its folder
/// are owner-only (0600 / 0700) because the record holds the remembered password.
/// Every write is flushed at once, so a value written survives a crash right after.
class UserDefaults : public QObject
{
    Q_OBJECT
public:
    /// Opens (or creates) the store in folder.
    explicit UserDefaults(const QString &folder, QObject *parent = nullptr);
    ~UserDefaults() override;

    static UserDefaults *standardUserDefaults();

    QVariant objectForKey(const QString &key) const;
    QString stringForKey(const QString &key) const;   ///< null when missing
    int integerForKey(const QString &key) const;      ///< intValue, 0 when missing
    bool boolForKey(const QString &key) const;        ///< boolValue, false when missing
    bool contains(const QString &key) const;

    void setObject(const QVariant &value, const QString &key);
    void removeObjectForKey(const QString &key);
    void synchronize();

    QString filePath() const;

private:
    static QString encodeKey(const QString &key);
    void tighten();

    std::unique_ptr<QSettings> m_settings;
    QString m_folder;
};
