pragma ComponentBehavior: Bound
import QtQuick
import Velmora

// A row of the order lists: time, kind, specification and price in 13-point type, then the
// row's state text or its button, and the company button where the row has one; a checkable row
// starts with a check box (its columns then a little narrower).
ListRow {
    id: row
    required property string time
    required property string nsortName
    required property string spec
    required property string price
    required property string mark
    required property string actionTitle
    required property bool actionEnabled
    required property bool hasCard
    property bool checkable: false
    property bool checked: false
    signal action()
    signal card()
    signal toggled()

    height: 45

    CheckMark {
        visible: row.checkable
        x: 4
        anchors.verticalCenter: parent.verticalCenter
        checked: row.checked
        onToggled: row.toggled()
    }
    Row {
        x: row.checkable ? 24 : 6
        anchors.verticalCenter: parent.verticalCenter
        spacing: 4
        // The time (date and clock) takes two lines of its narrow column.
        Text {
            width: row.checkable ? 60 : 66
            anchors.verticalCenter: parent.verticalCenter
            text: row.time
            font.pixelSize: 11
            color: Theme.titleGrey
            wrapMode: Text.WordWrap
            maximumLineCount: 2
            elide: Text.ElideRight
        }
        Repeater {
            model: [[row.nsortName, 54], [row.spec, 66], [row.price, row.price ? 50 : 0]]
            Text {
                required property var modelData
                required property int index
                // Centred by its own height: a text the Repeater is letting go has no parent.
                height: row.height
                verticalAlignment: Text.AlignVCenter
                visible: modelData[1] > 0
                // The specification gives up the room a check box takes.
                width: row.checkable && index === 1 ? 54 : modelData[1]
                text: modelData[0]
                font.pixelSize: 13
                color: "#333333"
                elide: Text.ElideRight
            }
        }
    }
    Text {
        visible: row.mark !== ""
        x: row.hasCard ? 200 : 258
        width: 58
        anchors.verticalCenter: parent.verticalCenter
        horizontalAlignment: Text.AlignHCenter
        text: row.mark
        font.pixelSize: 12
    }
    SmallButton {
        visible: row.hasCard
        x: row.actionTitle && !row.mark ? 204 : 258
        width: 48
        anchors.verticalCenter: parent.verticalCenter
        text: "公司"
        onClicked: row.card()
    }
    SmallButton {
        visible: row.actionTitle !== "" && row.mark === ""
        x: 258
        anchors.verticalCenter: parent.verticalCenter
        text: row.actionTitle
        enabled: row.actionEnabled
        onClicked: row.action()
    }
    Rectangle {
        anchors.bottom: parent.bottom
        width: parent.width
        height: 0.5
        color: Qt.rgba(228 / 255, 228 / 255, 228 / 255, 1)
    }
}
