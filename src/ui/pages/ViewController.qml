import QtQuick
import Velmora

// Any screen without a page of its own: its navigation bar and background.
ScreenFrame {}
