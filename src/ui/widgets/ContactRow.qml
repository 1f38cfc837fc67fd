import QtQuick
import Velmora

// A person in the friend lists and the address book: head picture, title, subtitle, the
// new-message mark and, when given, a button ("+ 添加") with its own click.
ListRow {
    id: row
    required property string title
    required property string subtitle
    required property bool marked
    property string actionTitle: ""
    signal actionPressed()

    height: 56
    oddColor: "#f7f7f7"

    Rectangle {
        id: head
        x: 10
        anchors.verticalCenter: parent.verticalCenter
        width: 40; height: 40; radius: 4
        color: "#d0d6e0"
        Text { anchors.centerIn: parent; text: row.title.length > 0 ? row.title.charAt(0) : "?"; color: "white"; font.pixelSize: 18 }
    }
    Column {
        anchors.left: head.right
        anchors.leftMargin: 10
        anchors.right: trailing.left
        anchors.verticalCenter: parent.verticalCenter
        spacing: 4
        Text { width: parent.width; text: row.title; font.pixelSize: 14; elide: Text.ElideRight }
        Text { width: parent.width; visible: row.subtitle.length > 0; text: row.subtitle; font.pixelSize: 12; color: "#808080"; elide: Text.ElideRight }
    }
    Row {
        id: trailing
        anchors.right: parent.right
        anchors.rightMargin: 10
        anchors.verticalCenter: parent.verticalCenter
        spacing: 8
        Rectangle {
            visible: row.marked
            anchors.verticalCenter: parent.verticalCenter
            width: 10; height: 10; radius: 5
            color: Theme.red
        }
        Rectangle {
            objectName: "rowAction"
            visible: row.actionTitle.length > 0
            width: 60; height: 28; radius: 4
            color: Theme.red
            Text { anchors.centerIn: parent; text: row.actionTitle; color: "white"; font.pixelSize: 12 }
            MouseArea { anchors.fill: parent; onClicked: row.actionPressed() }
        }
    }
}
