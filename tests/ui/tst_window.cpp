#include "WarningLog.h"
#include "WindowHarness.h"

#include "app/AlertStyleValue1.h"
#include "app/Alerts.h"
#include "app/BaseScreen.h"
#include "app/BusinessTabBar.h"
#include "app/CustomIOS7AlertView.h"
#include "app/FerroxAlert.h"
#include "app/NavigationStack.h"
#include "app/SuperController.h"
#include "app/SuperTableViewController.h"
#include "core/api/Request.h"
#include "core/session/SQLITE.h"
#include "core/session/UserInfo.h"
#include "core/session/datamodel.h"
#include "screens/account/MyAccount.h"
#include "screens/account/UserLogin.h"
#include "screens/info/OpenWebsite.h"
#include "app/PagedListModel.h"
#include "screens/im/AddFriendsWithContacts.h"
#include "screens/im/AllMyfriendsViewController.h"
#include "screens/im/ChatOpener.h"
#include "screens/im/MyFriends.h"
#include "screens/im/RecentContactViewController.h"
#include "screens/im/SteelChatViewController.h"
#include "screens/trade/HomeBiddingDetail.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QtQml/qqmlextensionplugin.h>
#include <functional>

Q_IMPORT_QML_PLUGIN(VelmoraPlugin)

namespace {
/// The page of the screen a person sees: the top of the selected tab or of what it presents.
QQuickItem *shownPage(const WindowHarness &w)
{
    NavigationStack *stack = w.shell->viewControllers().at(w.shell->selectedIndex());
    while (stack->presentedStack())
        stack = stack->presentedStack();
    return w.pageOf(stack->topViewController());
}

using Window = WindowHarness;
using Action = std::function<void(Window &)>;
} // namespace

Q_DECLARE_METATYPE(Action)

class TestWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        Frontend::prepareApplication();
        WarningLog::install();
    }
    void init() { WarningLog::clear(); }
    void cleanup() { QVERIFY2(WarningLog::isEmpty(), qPrintable(WarningLog::text())); }

    void everyViewRenders_data()
    {
        QTest::addColumn<Action>("show");
        QTest::newRow("action sheet, a choice greyed") << Action([](Window &w) {
            w.ctx->service<Alerts>()->showActionSheet({}, QStringLiteral("取消"), {},
                                                      {QStringLiteral("从本地相册"), QStringLiteral("没有可用的相机")}, {}, {1});
        });
        QTest::newRow("dialog") << Action([](Window &) {
            (new CustomIOS7AlertView(QStringLiteral("确定"), QStringLiteral("您的竞价已提交,\n请等待卖家确认")))->show();
        });
        QTest::newRow("notice") << Action([](Window &w) {
            (new FerroxAlert)->showInView(w.home(), QStringLiteral("发布成功"));
        });
        QTest::newRow("choice") << Action([](Window &w) {
            (new AlertStyleValue1)->showInView(w.home(), QStringLiteral("确定删除该资源吗?"), QStringLiteral("取消"),
                                               QStringLiteral("确定"));
        });
        QTest::newRow("busy overlay of a list, faded") << Action([](Window &w) {
            auto *list = new SuperTableViewController;
            w.home()->pushViewController(list);
            list->showActivity();
            list->hideActivity();
        });
        QTest::newRow("pushed and popped") << Action([](Window &w) {
            auto *screen = new SuperController;
            w.home()->pushViewController(screen);
            screen->showActivity();
            screen->popViewController();
        });
        QTest::newRow("modal, then dismissed") << Action([](Window &w) {
            auto *login = new SuperController;
            w.home()->presentViewController(login);
            w.grab();
            login->dismissViewController();
        });
        QTest::newRow("modal over modal") << Action([](Window &w) {
            auto *login = new SuperController;
            login->setTitle(QStringLiteral("登录"));
            w.home()->presentViewController(login);
            login->presentViewController(new SuperController);
        });
        QTest::newRow("business tab bar") << Action([](Window &w) {
            auto *bar = new BusinessTabBar;
            bar->setViewControllers({new SuperTableViewController, new SuperTableViewController});
            bar->addTitleButton(0, QStringLiteral("未发布"));
            bar->addTitleButton(1, QStringLiteral("已发布"))->press();
            w.home()->pushViewController(bar);
        });
        QTest::newRow("conversation") << Action([](Window &w) {
            w.ctx->service<UserInfo>()->setUserId(QStringLiteral("7"));
            QStringList lines{"9:HRB400 20mm 的螺纹钢还有货吗？", "7:有的，上海库现货 120 吨，价格 3,650 元/吨。"};
            for (int i = 1; i < 5; ++i)   // more than the list holds: it opens at the newest, the last line
                lines << QStringLiteral("9:第%1批能发多少？").arg(i) << QStringLiteral("7:第%1批 60 吨，明天装车。").arg(i);
            lines << "9:好的，我们下午过去看货，麻烦把仓库地址发一下。";
            for (int i = 0; i < lines.size(); ++i) {
                const bool mine = lines.at(i).startsWith(u'7');
                w.ctx->service<SQLITE>()->addSQLObject(
                    {{"SenderID", mine ? "7" : "9"}, {"ReceiverID", mine ? "9" : "7"}, {"ResourceID", "0"},
                     {"SendTime", QString::number(QDateTime::currentSecsSinceEpoch() - 600 + i * 60)},
                     {"Content", lines.at(i).mid(2)}, {"Type", "2"}}, QStringLiteral("chat7to9"));
            }
            ChatOpener::open(w.home(), QStringLiteral("9"), QStringLiteral("0"), QStringLiteral("李娜"))->loadDidFinished();
        });
        QTest::newRow("recent conversations") << Action([](Window &w) {
            w.ctx->service<UserInfo>()->setIsOnline(true);
            datamodel *model = w.ctx->service<datamodel>();
            const QVariantMap first{{"LoginInfoID", "9"}, {"UserName", "李娜"}, {"resourceID", "0"}, {"MobilePhone", "13800000002"}};
            model->arradd(first);
            model->arradd({{"LoginInfoID", "12"}, {"UserName", "超市询盘"}, {"resourceID", "15"}, {"MobilePhone", "139*****111"}});
            model->jiarutixing(first);
            w.shell->pressedItemFromButtonTag(2);
            auto *tab = static_cast<MyFriends *>(w.shell->getViewControllerWithIndex(2));
            tab->loadViewIfNeeded();
            tab->titleButtons().first()->press();
            w.shell->badgeViewAt(2)->setBadgeValue(QStringLiteral("2"));
        });
        QTest::newRow("friends tab") << Action([](Window &w) {
            w.ctx->service<UserInfo>()->setIsOnline(true);
            w.shell->pressedItemFromButtonTag(2);
            auto *tab = static_cast<MyFriends *>(w.shell->getViewControllerWithIndex(2));
            tab->loadViewIfNeeded();
            auto *all = static_cast<AllMyfriendsViewController *>(tab->viewControllers().at(1));
            QList<QVariantMap> rows;
            for (const char *name : {"李娜", "王强", "赵敏"})
                rows.append({{"title", QString::fromUtf8(name)}, {"subtitle", "13800000002"}, {"marked", false}});
            all->shujuArr()->setRows(rows);
        });
        // The account tab and one of its sections, as a logged-in user sees them.
        const auto account = [](Window &w) {
            UserInfo *user = w.ctx->service<UserInfo>();
            user->setUserName(QStringLiteral("王建国"));
            user->setUserTel(QStringLiteral("13800000001"));
            user->setCompanyName(QStringLiteral("上海申钢贸易有限公司"));
            user->setProvince(QStringLiteral("上海"));
            user->setCity(QStringLiteral("上海"));
            user->setIsOnline(true);
            w.shell->pressedItemFromButtonTag(3);
            return static_cast<MyAccount *>(w.shell->getViewControllerWithIndex(3));
        };
        QTest::newRow("account tab") << Action([account](Window &w) { account(w); });
        QTest::newRow("account tab, profile") << Action([account](Window &w) {
            account(w)->didSelectSection(MyAccount::Profile);
        });
        QTest::newRow("paid article") << Action([](Window &w) {
            auto *reader = new OpenWebsite;
            reader->setUrlString(QStringLiteral("http://127.0.0.1:9/articles/1"));
            reader->setSiteInfo({{"Description", "本周钢市回顾：需求端走弱，库存去化放缓，后市以震荡为主，建议贸易商控制库存、快进快出。"},
                                 {"ChargeMoney", "5"}, {"ArticleId", "1"}});
            w.home()->pushViewController(reader);
        });
        QTest::newRow("terms in the reader") << Action([](Window &w) {
            auto *reader = new OpenWebsite;
            reader->setUrlString(OpenWebsite::termsPage());
            w.home()->pushViewController(reader);
        });
    }
    void everyViewRenders()
    {
        QFETCH(Action, show);
        Window w;
        QVERIFY(w.open());
        w.grab();
        show(w);
        QTRY_VERIFY(!w.busy());
        const QImage image = w.grab();
        QVERIFY(!image.isNull());
        // Whatever came and went, the screen on top is drawn where the window shows it.
        QQuickItem *page = shownPage(w);
        QVERIFY(page && page->isVisible());
        QCOMPARE(page->mapToScene({0, 0}).x(), 0.0);
        Window::keep(image, QString::fromUtf8(QTest::currentDataTag()));
    }

    // Escape cancels what is over the window, or else does what the top screen's back button does;
    // the back button itself is reached with Tab.
    void escapeGoesBack_data()
    {
        QTest::addColumn<Action>("show");
        QTest::addColumn<int>("depth");
        QTest::addColumn<bool>("alertLeft");
        QTest::addColumn<QList<int>>("keys");
        const QList<int> esc{Qt::Key_Escape};
        const auto push = [](Window &w) { w.home()->pushViewController(new SuperController); };
        QTest::newRow("root screen") << Action([](Window &) {}) << 1 << false << esc;
        QTest::newRow("pushed screen") << Action(push) << 1 << false << esc;
        QTest::newRow("login with a field focused") << Action([](Window &w) {
            auto *login = new UserLogin;
            login->setComfromOtherController(true);
            w.home()->pushViewController(login);
            QTRY_VERIFY(!w.busy());
            QTest::mouseClick(w.window(), Qt::LeftButton, {}, QPoint(200, 101));
        }) << 1 << false << esc;
        QTest::newRow("message over a pushed screen") << Action([push](Window &w) {
            push(w);
            w.ctx->service<Alerts>()->messageWithString(QStringLiteral("发布成功"));
        }) << 2 << false << esc;
        QTest::newRow("choice without a cancel button") << Action([push](Window &w) {
            push(w);
            w.ctx->service<Alerts>()->showAlert(QStringLiteral("友情提示"), QStringLiteral("确定删除该资源吗?"), {QStringLiteral("否"), QStringLiteral("是")});
        }) << 2 << true << esc;
        QTest::newRow("bid form over a tender: the form goes, the screen stays") << Action([](Window &w) {
            w.ctx->service<UserInfo>()->setIsOnline(true);
            auto *detail = new HomeBiddingDetail;
            w.home()->pushViewController(detail);
            detail->buttonPressed();
        }) << 2 << false << esc;
        QTest::newRow("back button by Tab and Space") << Action(push) << 1 << false << QList<int>{Qt::Key_Tab, Qt::Key_Space};
    }
    void escapeGoesBack()
    {
        QFETCH(Action, show);
        QFETCH(int, depth);
        QFETCH(bool, alertLeft);
        QFETCH(QList<int>, keys);
        Window w;
        QVERIFY(w.open());
        show(w);
        QTRY_VERIFY(!w.busy());
        for (const int key : keys)
            QTest::keyClick(w.window(), Qt::Key(key));
        QCOMPARE(w.shell->viewControllers().at(0)->depth(), depth);
        QCOMPARE(!w.ctx->service<Alerts>()->views().isEmpty(), alertLeft);
    }

    // One click on a row's "+ 添加" opens one detail (not one for the row and one for its button);
    // F5 loads the lists of the screen in front again.
    void rowButtonAndReload()
    {
        Window w;
        QDir(w.ctx.dataDir()).mkpath(QStringLiteral("Contacts"));
        QFile vcf(w.ctx.dataDir() + QStringLiteral("/Contacts/people.vcf"));
        QVERIFY(vcf.open(QIODevice::WriteOnly) && vcf.write("BEGIN:VCARD\nN:张;三\nTEL:13800000001\nEND:VCARD\n") > 0);
        vcf.close();
        QVERIFY(w.open());
        auto *contacts = new AddFriendsWithContacts;
        w.home()->pushViewController(contacts);
        QTRY_VERIFY(contacts->dataArray()->count() == 1 && !w.busy());
        // The friend lists of the other tab draw the same row, with no button.
        // The row is made on the page's next frame.
        QQuickItem *button = nullptr;
        QTRY_VERIFY((button = Window::itemNamed(w.pageOf(contacts), QStringLiteral("rowAction")))
                    && button->isVisible());
        QTest::mouseClick(w.window(), Qt::LeftButton, {}, button->mapToScene({button->width() / 2, 14}).toPoint());
        QTRY_VERIFY(!w.busy());
        QCOMPARE(w.shell->viewControllers().at(0)->depth(), 3);

        int loads = 0;
        auto *list = new PagedListModel({}, w.shell->viewControllers().at(0)->topViewController());
        list->setFetch([&loads](Request *r, int, int) { ++loads; r->deleteLater(); });
        QTest::keyClick(w.window(), Qt::Key_F5);
        QCOMPARE(loads, 1);
    }

    // A recent conversation goes by the Delete key on the focused row.
    void recentConversationDeleted()
    {
        Window w;
        QVERIFY(w.open());
        w.ctx->service<UserInfo>()->setIsOnline(true);
        for (const char *id : {"9", "12"})
            w.ctx->service<datamodel>()->arradd({{"LoginInfoID", id}, {"UserName", "李娜"}, {"resourceID", "0"}, {"MobilePhone", id}});
        w.shell->pressedItemFromButtonTag(2);
        auto *recent = static_cast<RecentContactViewController *>(static_cast<MyFriends *>(w.shell->getViewControllerWithIndex(2))->viewControllers().first());
        QTRY_VERIFY(!w.busy());
        w.pageOf(recent)->findChild<QQuickItem *>(QStringLiteral("recentList"))->forceActiveFocus();
        QTest::keyClick(w.window(), Qt::Key_Delete);
        QCOMPARE(recent->rows()->count(), 1);
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
