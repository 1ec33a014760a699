pragma Singleton
import QtQuick 2.12

// The one place for the screens' colours, fonts and recurring sizes.
// Screens say `color: Theme.brand` or `font.pixelSize: Theme.textSize`
// instead of writing the values out, so a colour is changed here once.
QtObject {
    // Brand blue of texts, buttons, panel borders and dialog title bars.
    readonly property color brand: "#084576"
    // The title bar's and drop-downs' shade of the brand blue.
    readonly property color titleBar: "#084476"
    // Hover and highlight blue (buttons, current recent file, tiles).
    readonly property color highlight: "#449ABE"
    // Page and dialog content background.
    readonly property color panel: "#F1F1F1"
    // File-name bar of the editor.
    readonly property color fileBar: "#E1DFDF"
    // Thin separator lines.
    readonly property color divider: "#D5D5D5"
    // Disabled borders and greyed-out entries.
    readonly property color disabled: "#CBCBCB"
    // Disabled control fill.
    readonly property color disabledFill: "#E6E6E6"
    // Secondary texts and disabled marks.
    readonly property color muted: "#9B9B9B"
    // The mark of a recent file that is no longer there.
    readonly property color missingFile: "#C62828"
    // Tool tip.
    readonly property color tipBackground: "#FFFFE1"
    readonly property color tipText: "#333333"
    // Links (About).
    readonly property color link: "#35BAEC"
    // Positive mark (chosen mouse position, a switch ready to use).
    readonly property color positive: "#84C02F"
    // Something the user has to put right (a switch this user may not open).
    readonly property color warning: "#F89B0A"
    readonly property color white: "#ffffff"
    // Footer line behind the copyright text.
    readonly property color footerBar: "#000000"
    // Shading a dialog lays over the window (drawn at low opacity).
    readonly property color shade: "#000000"
    // Slider handle and its number while mouse acceleration is off.
    readonly property color inactive: "#808080"
    // No fill (menu buttons at rest).
    readonly property color transparent: "transparent"

    // Layout grid.
    readonly property color cellEmpty: "#ffffff"
    readonly property color cellMonitor: "#4A90E2"
    readonly property color addMarker: "#f1f1f1"
    readonly property color borderSelected: "#ff9900"
    readonly property color borderMissing: "#ff0000"
    // Thin lines between empty cells.
    readonly property color gridLine: "#E3E7EC"
    // Port indicators: lit fill/border and dot; unlit uses `disabled`.
    readonly property color portLit: "#F89B0A"
    readonly property color portLitDot: "#AEC452"
    // Keyboard focus: the frame around the focused control, and the grid's
    // keyboard cursor (kept apart from the orange selection border).
    readonly property color focusRing: "#1F6FEB"
    // The focus frame on dark blue grounds (the port indicators).
    readonly property color focusRingOnDark: "#FFFFFF"
    readonly property color gridCursor: "#00A2C7"

    // Arial, except where the language's script wants a font of its own:
    // each catalogue names its families, the first one installed wins. Left
    // to fallback, Chinese and Japanese texts would come out in whichever CJK
    // font the system offers first, with glyph shapes of another region.
    readonly property string fontFamily: qsTr("Arial", "font families of this language, first installed wins")
    // Recurring text sizes in pixels.
    readonly property int smallSize: 12
    readonly property int textSize: 14
    readonly property int titleSize: 16
    readonly property int headingSize: 18
    readonly property int footerSize: 11
    // Dialog title bars.
    readonly property int captionSize: 11
    // Rows of the recent-file list.
    readonly property int listSize: 13
    // The number on the speed slider's handle.
    readonly property int tinySize: 10
}
