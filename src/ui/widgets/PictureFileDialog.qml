import QtQuick
import QtQuick.Dialogs

// The photo library on the desktop: a file dialog for pictures. chosen gives the file's URL,
// or "" when the user cancelled, so the screen always hears how the picking ended.
FileDialog {
    id: dialog
    signal chosen(string file)
    nameFilters: ["图片 (*.png *.jpg *.jpeg *.bmp)"]
    onAccepted: dialog.chosen(String(dialog.selectedFile))
    onRejected: dialog.chosen("")
}
