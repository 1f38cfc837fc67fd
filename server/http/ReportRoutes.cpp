#include "ReportRoutes.h"
#include "ServerLog.h"

#include "MarketDatabase.h"
#include "core/util/JsonWriter.h"

#include <QDebug>

void ReportRoutes::registerRoutes(RouteTable &table)
{
    table.addAll<ReportRoutes>(this, {
        {"error/senderror", &ReportRoutes::crashReport, RouteAccess::anyone()},
        {"app/addAdvice", &ReportRoutes::advice, RouteAccess::anyone()},
        // The advice service has a base URL of its own; by default it lives under "advice/".
        {"advice/app/addAdvice", &ReportRoutes::advice, RouteAccess::anyone()},
    }, RouteToken::Report);
}

ServiceResult ReportRoutes::crashReport(const ServiceCall &call)
{
    if (call.info.isEmpty())
        return ServiceResult::fail(ServiceError::BadInput, QStringLiteral("崩溃信息为空"));
    const QString info = QString::fromUtf8(JsonWriter::write(QVariant(call.info)));
    m_env.db.run(QStringLiteral("INSERT INTO crash_reports(info) VALUES(?)"), {info});
    qCInfo(lcServer).noquote() << "crash report:" << info;
    return ServiceResult::ok(QVariantMap(), QStringLiteral("已收到"));
}

ServiceResult ReportRoutes::advice(const ServiceCall &call)
{
    const QString content = call.text(QStringLiteral("content")).trimmed();
    if (content.isEmpty())
        return ServiceResult::fail(ServiceError::BadInput, QStringLiteral("反馈内容不能为空"));
    if (content.size() > 2000)
        return ServiceResult::fail(ServiceError::BadInput, QStringLiteral("反馈内容过长"));
    m_env.db.run(QStringLiteral("INSERT INTO advice(content) VALUES(?)"), {content});
    qCInfo(lcServer).noquote() << "advice:" << content;
    return ServiceResult::ok(QVariantMap(), QStringLiteral("感谢您的宝贵意见，我们会尽快处理"));
}
