import QtQuick
import Velmora

// The resource form: the picks (category, kind, material, weighing method, city) as rows that
// open their pickers, the typed fields between them, and the save button.
Item {
    id: page
    required property AddResure controller

    component PickLine: ListRow {
        id: line
        property string caption
        property string value
        index: 0
        width: parent ? parent.width : 320
        Text {
            id: label
            x: 10
            anchors.verticalCenter: parent.verticalCenter
            text: line.caption
            font.pixelSize: 12
            color: "#333333"
        }
        Text {
            anchors.left: label.right
            anchors.leftMargin: 8
            anchors.right: parent.right
            anchors.rightMargin: 24
            anchors.verticalCenter: parent.verticalCenter
            text: line.value
            font.pixelSize: 14
            color: "#333333"
            elide: Text.ElideRight
        }
        Text {
            anchors.right: parent.right
            anchors.rightMargin: 10
            anchors.verticalCenter: parent.verticalCenter
            text: "›"
            font.pixelSize: 18
            color: "#b2b2b2"
        }
        Rectangle {
            anchors.bottom: parent.bottom
            width: parent.width
            height: 1
            color: "#e4e4e4"
        }
    }

    ScreenFrame {
        anchors.fill: parent
        controller: page.controller
        Flickable {
            id: scroller
            anchors.fill: parent
            contentHeight: content.height + 20
            clip: true
            Column {
                id: content
                y: 10
                width: parent.width
                PickLine {
                    caption: "大   类："
                    value: page.controller.categoryTitle
                    onActivated: page.controller.chooseCategory()
                }
                PickLine {
                    caption: "品   名："
                    value: page.controller.kindTitle
                    onActivated: page.controller.chooseKind()
                }
                FormInput { field: page.controller.form.field("spec") }
                PickLine {
                    caption: "材   质："
                    value: page.controller.material
                    onActivated: page.controller.chooseMaterial()
                }
                FormInput { field: page.controller.form.field("yieldly") }
                FormInput { field: page.controller.form.field("weight") }
                FormInput { field: page.controller.form.field("price") }
                PickLine {
                    caption: "计重方式："
                    value: page.controller.countTypeTitle
                    onActivated: page.controller.chooseCountType()
                }
                PickLine {
                    caption: "所在城市："
                    value: page.controller.cityTitle
                    onActivated: page.controller.chooseCity()
                }
                FormInput {
                    field: page.controller.form.field("cangku")
                    onEditingChanged: if (editing) scroller.contentY = Math.max(0, content.height - scroller.height + 60)
                }
                Item { width: 1; height: 20 }
                ActionButton {
                    anchors.horizontalCenter: parent.horizontalCenter
                    width: 250
                    height: 35
                    title: page.controller.saveTitle
                    onClicked: page.controller.save()
                }
            }
        }
    }
}
