import QtQuick

// An article of the information lists: a 40 x 40 picture at the left and the title beside it
// (the title takes the whole width when the article has no picture), 50 points high.
ListRow {
    id: row
    required property string title
    required property string image
    height: Math.max(50, titleText.implicitHeight + 12)
    Image {
        id: picture
        x: 10
        anchors.verticalCenter: parent.verticalCenter
        width: 40
        height: 40
        visible: row.image !== ""
        asynchronous: true
        fillMode: Image.PreserveAspectCrop
        source: row.image
    }
    Text {
        id: titleText
        x: picture.visible ? 60 : 10
        width: row.width - x - 10
        anchors.verticalCenter: parent.verticalCenter
        text: row.title
        wrapMode: Text.Wrap
        font.pixelSize: 14
        color: "#333333"
    }
    Rectangle { anchors.bottom: parent.bottom; width: parent.width; height: 1; color: "#e4e4e4" }
}
