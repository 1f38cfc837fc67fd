import QtQuick
import QtQuick.Controls
import Velmora

// The reader: a paid article's teaser, price line and pay button until it is bought; then the
// page's HTML as rich text, and a bar button that opens the address in the browser.
Item {
    id: page
    required property OpenWebsite controller

    ScreenFrame {
        anchors.fill: parent
        controller: page.controller
        rightItem: BarButton {
            visible: page.controller.browserShown
            width: 90
            text: page.controller.browserTitle
            onClicked: page.controller.openInBrowser()
        }

        Column {
            visible: page.controller.teaserShown
            y: 15
            x: 10
            width: 300
            spacing: 20
            Text {
                width: parent.width
                text: page.controller.teaser
                wrapMode: Text.Wrap
                font.pixelSize: 14
                color: "#333333"
            }
            Text {
                width: parent.width
                textFormat: Text.StyledText
                wrapMode: Text.Wrap
                font.pixelSize: 13
                color: "#333333"
                text: page.controller.priceLead + "<font color=\"" + Theme.red + "\">" + page.controller.price + "</font>"
                      + page.controller.priceTail
            }
            ActionButton {
                width: 122
                height: 33
                anchors.horizontalCenter: parent.horizontalCenter
                title: page.controller.payTitle
                onClicked: page.controller.toContinue()
            }
        }

        Flickable {
            id: reader
            visible: page.controller.pageShown
            anchors.fill: parent
            contentHeight: body.height + 30
            clip: true
            boundsBehavior: Flickable.StopAtBounds
            ScrollBar.vertical: ScrollBar {}
            Text {
                id: body
                x: 12
                y: 12
                width: reader.width - 24
                textFormat: Text.RichText
                wrapMode: Text.Wrap
                font.pixelSize: 14
                color: "#333333"
                text: page.controller.html
            }
        }
    }
}
