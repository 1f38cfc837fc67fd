#pragma once

#include "app/SuperTableViewController.h"
#include "screens/im/ContactRowsModel.h"

class datamodel;

/// Recent conversations: the chat model's temporary chats, each marked when a reminder equal to
/// it is waiting. The screen has no list of its own: it shows the model's lists as they are, so
/// a conversation opened anywhere, or a message that arrives, shows here at once.
class RecentContactViewController : public SuperTableViewController
{
    Q_OBJECT
    Q_PROPERTY(ContactRowsModel *rows READ rows CONSTANT)
public:
    explicit RecentContactViewController(QObject *parent = nullptr);

    ContactRowsModel *rows() const { return m_rows; }

    /// Takes the model's lists again and redraws.
    Q_INVOKABLE void huoqushuju();
    /// Opens the conversation; its reminders go first.
    Q_INVOKABLE void didSelectRowAtIndex(int index);
    /// The delete action: the conversation leaves the list with all its reminders; its stored
    /// messages stay.
    Q_INVOKABLE void deleteRowAtIndex(int index);

protected:
    void viewDidLoad() override;
    void viewWillAppear() override
    {
        SuperTableViewController::viewWillAppear();
        huoqushuju();
    }

private:
    datamodel *m_datamanger;
    ContactRowsModel *m_rows;
};
