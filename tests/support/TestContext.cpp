#include "TestContext.h"

Config TestContext::makeConfig(const QString &dataDir)
{
    Config c = Config::defaults();
    c.dataDir = dataDir;
    c.serviceBaseUrl = QUrl(QStringLiteral("http://127.0.0.1:9/"));
    c.adviceBaseUrl = QUrl(QStringLiteral("http://127.0.0.1:9/advice/"));
    c.sessionHost = QStringLiteral("127.0.0.1");
    c.sessionPort = 9;
    c.osVersion = QStringLiteral("7.1");
    return c;
}

TestContext::TestContext() : m_tmp(std::make_unique<QTemporaryDir>())
{
    m_dataDir = m_tmp->path() + QStringLiteral("/data");
    m_context = std::make_unique<AppContext>(makeConfig(m_dataDir));
}

TestContext::TestContext(const QString &dataDir) : m_dataDir(dataDir)
{
    m_context = std::make_unique<AppContext>(makeConfig(m_dataDir));
}

TestContext::~TestContext()
{
    m_context.reset();
}

void TestContext::restart()
{
    const Config c = m_context->config();
    m_context.reset();
    m_context = std::make_unique<AppContext>(c);
}
