import QtQuick
import QtQuick.Controls
import Velmora

// The input of one form field: a white row with the field's label on the left (12 points). The
// field decides what it accepts, its keypad and its length; Return in the form's last field
// submits the form, in another one moves on to the next input.
Rectangle {
    id: row
    required property FormField field
    readonly property bool editing: input.activeFocus

    width: parent ? parent.width : 320
    height: 44
    color: "white"
    enabled: row.field.enabled
    onActiveFocusChanged: if (activeFocus) input.forceActiveFocus()

    Connections {
        target: row.field
        function onKeyboardClosed() { input.focus = false }
    }
    Text {
        id: caption
        x: 10
        anchors.verticalCenter: parent.verticalCenter
        text: row.field.label
        font.pixelSize: 12
        color: "#333333"
    }
    TextField {
        id: input
        anchors.left: caption.right
        anchors.right: parent.right
        anchors.rightMargin: 10
        anchors.verticalCenter: parent.verticalCenter
        font.pixelSize: 14
        background: null
        text: row.field.text
        placeholderText: row.field.placeholder
        echoMode: row.field.password ? TextInput.Password : TextInput.Normal
        inputMethodHints: row.field.inputMethodHints
        maximumLength: row.field.maxLength > 0 ? row.field.maxLength : 32767
        validator: RegularExpressionValidator { regularExpression: new RegExp(row.field.pattern) }
        onTextEdited: row.field.text = text
        onAccepted: if (!row.field.returnPressed()) input.nextItemInFocusChain().forceActiveFocus()
    }
    Rectangle {
        anchors.bottom: parent.bottom
        width: parent.width
        height: 1
        color: "#e4e4e4"
    }
}
