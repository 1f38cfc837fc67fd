#pragma once

#include "core/platform/AppContext.h"

#include <QTemporaryDir>
#include <memory>

/// A fresh AppContext over a temporary data directory, current for the life of the object.
/// Endpoints default to loopback addresses nobody listens on; tests set the ones they use.
class TestContext
{
public:
    TestContext();
    explicit TestContext(const QString &dataDir);
    ~TestContext();

    AppContext &context() { return *m_context; }
    AppContext *operator->() { return m_context.get(); }
    QString dataDir() const { return m_dataDir; }

    /// Destroys the context and builds another on the same data directory (a restart).
    void restart();

private:
    static Config makeConfig(const QString &dataDir);

    std::unique_ptr<QTemporaryDir> m_tmp;
    QString m_dataDir;
    std::unique_ptr<AppContext> m_context;
};
