import QtQuick
import Velmora

// The mobile number a verification code goes to, the button that asks for it, and (registration
// only) the terms line, whose highlighted part opens the terms of use.
Item {
    id: page
    required property Registration controller

    ScreenFrame {
        anchors.fill: parent
        controller: page.controller
        Column {
            y: 15
            width: parent.width
            spacing: 16
            FormInput { focus: true; field: page.controller.form.field("user") }
            ActionButton {
                anchors.horizontalCenter: parent.horizontalCenter
                title: page.controller.codeButtonTitle
                onClicked: page.controller.get()
            }
            Text {
                id: terms
                visible: page.controller.termsShown
                x: 15
                width: parent.width - 30
                wrapMode: Text.Wrap
                textFormat: Text.StyledText
                font.pixelSize: 12
                color: Theme.titleGrey
                text: page.controller.termsLead + "<font color=\"" + Theme.red + "\">" + page.controller.termsLink + "</font>"
                activeFocusOnTab: visible
                Keys.onReturnPressed: page.controller.showTerms()
                Keys.onSpacePressed: page.controller.showTerms()
                MouseArea { anchors.fill: parent; onClicked: page.controller.showTerms() }
            }
        }
    }
}
