import QtQuick
import Velmora

// The bid form over a tender screen: price, producing mill and the delivery place, which only
// opens the city picker; Return in the mill field submits.
Rectangle {
    id: overlay
    required property BidForm form
    anchors.fill: parent
    visible: form.shown
    color: Theme.dim
    onVisibleChanged: if (visible) priceInput.forceActiveFocus()

    MouseArea { anchors.fill: parent }
    Rectangle {
        width: 300
        height: panel.height + 20
        anchors.centerIn: parent
        radius: 6
        color: "#f4f4f4"
        Column {
            id: panel
            y: 10
            width: parent.width
            spacing: 8
            Text {
                x: 10
                text: "我要应标"
                font.pixelSize: 15
                color: "#333333"
            }
            FormInput {
                id: priceInput
                field: overlay.form.form.field("price")
                KeyNavigation.tab: millInput
            }
            FormInput {
                id: millInput
                field: overlay.form.form.field("mill")
                KeyNavigation.tab: placeRow
            }
            Rectangle {
                id: placeRow
                readonly property FormField place: overlay.form.form.field("place")
                width: parent.width
                height: 44
                color: activeFocus ? "#eeeeee" : "white"
                activeFocusOnTab: true
                Keys.onReturnPressed: overlay.form.choosePlace()
                Keys.onSpacePressed: overlay.form.choosePlace()
                KeyNavigation.tab: submitButton
                Text {
                    x: 10
                    anchors.verticalCenter: parent.verticalCenter
                    text: placeRow.place.label + placeRow.place.text
                    font.pixelSize: 12
                    color: "#333333"
                }
                Text {
                    anchors.right: parent.right
                    anchors.rightMargin: 10
                    anchors.verticalCenter: parent.verticalCenter
                    text: "›"
                    font.pixelSize: 18
                    color: Theme.titleGrey
                }
                MouseArea {
                    anchors.fill: parent
                    onClicked: overlay.form.choosePlace()
                }
            }
            Row {
                anchors.horizontalCenter: parent.horizontalCenter
                spacing: 10
                ActionButton {
                    id: submitButton
                    width: 135
                    title: "提交"
                    onClicked: overlay.form.submit()
                    KeyNavigation.tab: closeButton
                }
                ActionButton {
                    id: closeButton
                    width: 135
                    color: Theme.titleGrey
                    title: "取消"
                    onClicked: overlay.form.close()
                    KeyNavigation.tab: priceInput
                }
            }
        }
    }
}
