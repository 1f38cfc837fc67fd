#pragma once

#include <QObject>
#include <QString>
#include <QVariant>
#include <memory>

class QSettings;

/// The platform's user defaults over an INI file. Keys are used verbatim. The file and its folder
/// are owner-only (0600 / 0700) because the record holds the remembered password.
/// A write is visible at once; the file is rewritten at the next turn of the event loop (and when
/// the store is destroyed or synchronize() is called), so bursts of writes cost one rewrite.
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
    void scheduleFlush();

    std::unique_ptr<QSettings> m_settings;
    QString m_folder;
    bool m_flushPending = false;
};
