pragma ComponentBehavior: Bound
import QtQuick
import Velmora

// One of the buyer's tender lists: kind, specification, weight and state, and the row's
// publish or withdraw button.
Item {
    id: page
    required property MyTenderList controller
    ScreenFrame {
        anchors.fill: parent
        controller: page.controller
        PagedListView {
            anchors.fill: parent
            paged: page.controller.dataArray
            delegate: ColumnsRow {
                id: cell
                required property string nsortName
                required property string spec
                required property string weight
                required property string stateText
                required property string buttonTitle
                required property bool buttonShown
                columns: [[cell.nsortName, 70], [cell.spec, 70], [cell.weight, 50], [cell.stateText, 56]]
                onActivated: page.controller.didSelectRow(cell.index)
                actionTitle: cell.buttonTitle
                actionShown: cell.buttonShown
                onActionPressed: page.controller.cellDidSelected(cell.index)
            }
        }
    }
}
