pragma Singleton
import QtQuick

// The look shared by every page, in points (one point is one logical pixel of the phone).
QtObject {
    readonly property int phoneWidth: 320
    readonly property int phoneHeight: 568
    readonly property int statusBarHeight: 20
    readonly property int navigationBarHeight: 44
    readonly property int tabBarHeight: 49
    readonly property color titleGrey: "#808080"
    readonly property color red: "#e4393c"
    readonly property color lineGrey: "#b2b2b2"
    readonly property color barColor: "#f8f8f8"
    readonly property color buttonBlue: "#007aff"
    readonly property color dim: "#66000000"
}
