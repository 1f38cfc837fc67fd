#pragma once

#include "app/SuperTableViewController.h"
#include "screens/im/ContactRowsModel.h"

class datamodel;

/// Recent conversations: the chat model's temporary chats, each marked when a reminder equal to
/// it is waiting. The screen has no list of its own: it shows the model's lists as they are, so
/// a conversation opened anywhere, or a message that arrives, shows here at once (one redraw per
/// change of the model).
class RecentContactViewController : public SuperTableViewController
{
    Q_OBJECT
    Q_PROPERTY(ContactRowsModel *rows READ rows CONSTANT)
    Q_PROPERTY(int deleteShownAt READ deleteShownAt NOTIFY deleteShownAtChanged)
public:
    explicit RecentContactViewController(QObject *parent = nullptr);

    ContactRowsModel *rows() const { return m_rows; }

    /// Takes the model's lists again and redraws.
    Q_INVOKABLE void huoqushuju();
    /// Opens the conversation; its reminders go first.
    Q_INVOKABLE void didSelectRowAtIndex(int index);
    /// The delete action (its button, or the Delete key on the focused row): the conversation
    /// leaves the list with all its reminders; its stored messages stay.
    Q_INVOKABLE void deleteRowAtIndex(int index);

    /// The row whose delete button shows (-1 for none): the one the pointer came onto.
    int deleteShownAt() const { return m_deleteShownAt; }
    /// The pointer came onto (over) or left the row at index. The row that slides into the place
    /// of a deleted one comes under a pointer that did not move: its delete stays closed until
    /// the pointer leaves it or enters another row, so one more tap cannot delete it by surprise.
    Q_INVOKABLE void pointerOverRow(int index, bool over);

signals:
    void deleteShownAtChanged();

protected:
    void viewDidLoad() override;
    void viewWillAppear() override
    {
        SuperTableViewController::viewWillAppear();
        huoqushuju();
    }

private:
    void setDeleteShownAt(int index);

    datamodel *m_datamanger;
    ContactRowsModel *m_rows;
    int m_deleteShownAt = -1;
    int m_slidIn = -1;   // the row now in the place of the last one deleted
    bool m_slidInRefused = false;
};
