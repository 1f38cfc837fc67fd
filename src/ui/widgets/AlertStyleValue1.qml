import QtQuick
import Velmora

// The two-button choice: cancel (tag 0) on the left, confirm (tag 1) on the right.
NoticeBox {
    buttons: view ? [view.cancelBtn, (view as AlertStyleValue1).sureBtn] : []
}
