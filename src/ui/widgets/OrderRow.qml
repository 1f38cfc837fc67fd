import QtQuick
import Velmora

// A row of the order lists: time, kind, specification and price in 13-point type, then the
// row's state text or its button, and the company button where the row has one.
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
    signal action()
    signal card()

    height: 45

    Row {
        x: 6
        anchors.verticalCenter: parent.verticalCenter
        spacing: 4
        Repeater {
            model: [[row.time, 70], [row.nsortName, 54], [row.spec, 66], [row.price, row.price ? 44 : 0]]
            Text {
                required property var modelData
                visible: modelData[1] > 0
                width: modelData[1]
                text: modelData[0]
                font.pixelSize: 13
                color: "#333333"
                elide: Text.ElideRight
            }
        }
    }
    Text {
        visible: row.mark !== ""
        x: 258
        width: 58
        anchors.verticalCenter: parent.verticalCenter
        horizontalAlignment: Text.AlignHCenter
        text: row.mark
        font.pixelSize: 12
    }
    SmallButton {
        visible: row.hasCard
        x: row.actionTitle ? 200 : 258
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
