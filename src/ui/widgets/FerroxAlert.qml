import QtQuick

// The one-button notice.
NoticeBox {
    buttons: view ? [view.cancelBtn] : []
}
