#include "screens/trade/MyTenderList.h"

#include "app/FerroxAlert.h"
#include "core/api/Request.h"
#include "core/util/Value.h"
#include "screens/trade/BiddingDetail.h"

MyTenderList::MyTenderList(int status, QObject *parent)
    : SuperController(parent),
      m_dataArray(new PagedListModel({QStringLiteral("id"), QStringLiteral("nsortName"), QStringLiteral("spec"),
                                      QStringLiteral("weight"), QStringLiteral("stateText"), QStringLiteral("buttonTitle"),
                                      QStringLiteral("buttonShown"), QStringLiteral("detailType")},
                                     this))
{
    // As the order lists: a refused or failed page is asked for again next time; the footer
    // comes with a full first page.
    m_dataArray->setStepBack(true, true, false);
    m_dataArray->setFooterRule(PagedListModel::FooterWhenFirstPageFull);
    m_dataArray->setFetch([this, status](Request *request, int page, int) {
        request->zhaobiaoListWithDelegate(this, status, page);
    });
    m_dataArray->setRowMapping([this](const QVariantMap &tender) {
        QVariantMap row{{QStringLiteral("id"), Value::text(tender.value(QStringLiteral("id")))},
                        {QStringLiteral("nsortName"), Value::text(tender.value(QStringLiteral("nsortName")))},
                        {QStringLiteral("spec"), Value::text(tender.value(QStringLiteral("spec")))},
                        {QStringLiteral("weight"), Value::text(tender.value(QStringLiteral("weight")))}};
        row.insert(rowFor(tender));
        return row;
    });
}

void MyTenderList::viewWillAppear()
{
    SuperController::viewWillAppear();
    reload();
}

void MyTenderList::reload()
{
    m_dataArray->refresh();
}

void MyTenderList::didSelectRow(int row)
{
    if (row < 0 || row >= m_dataArray->count())
        return;
    const QVariantMap shown = m_dataArray->get(row);
    auto *detail = new BiddingDetail;
    detail->setType(shown.value(QStringLiteral("detailType")).toInt());
    detail->setZhaobiaoID(shown.value(QStringLiteral("id")).toString());
    detail->setDelegate(this);
    pushViewController(detail);
}

void MyTenderList::cellDidSelected(int row)
{
    // One call at a time: a second tap while the first is on its way sends nothing.
    if (m_sending || row < 0 || row >= m_dataArray->count() || !m_dataArray->get(row).value(QStringLiteral("buttonShown")).toBool())
        return;
    m_sending = true;
    auto *request = Request::request();
    request->onReply(this, [this](const ServiceReply &reply) {
        m_sending = false;
        if (reply.alertUnlessOk()) {
            reload();
            rowActionDone(reply.message);
        }
    });
    request->onFailure(this, [this](const RequestError &) { m_sending = false; });
    sendRowAction(request, m_dataArray->get(row).value(QStringLiteral("id")).toString());
}

void MyTenderList::rowActionDone(const QString &message)
{
    showNotice(message);
}

void MyTenderList::showNotice(const QString &text)
{
    (new FerroxAlert(this))->showInView(this, text);
}

void MyTenderList::biddingDetailDidFinishedEditor(BiddingDetail *)
{
    reload();
}
