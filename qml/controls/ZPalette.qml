pragma Singleton
import QtQuick 2.15

// The look shared by every control and scene: colours and font from the
// theme object published as "zentStyle", with calm defaults when a scene
// runs without one (or the theme lacks a colour). One palette per QML
// engine (a singleton), never an instance per control.
QtObject {
    id: palette

    readonly property var style: (typeof zentStyle !== "undefined" && zentStyle) ? zentStyle : null
    readonly property var colors: (style && style.colors) ? style.colors : ({})

    function pick(name, fallback) {
        var c = colors[name];
        return (c === undefined || c === null || c === "") ? fallback : c;
    }

    readonly property string fontFamily: (style && style.fontFamily) ? String(style.fontFamily)
                                                                   : Qt.application.font.family
    // Base text size follows the desktop font, so everything scales with it.
    readonly property real fontPixelSize: Qt.application.font.pixelSize > 0
                                          ? Qt.application.font.pixelSize
                                          : Math.round(Qt.application.font.pointSize * 4 / 3)

    // Every colour a scene takes from the theme, under one name each and with
    // one default: the theme's own (ui/pc/libqml/utils/Style.cpp), so a scene
    // looks the same with and without the theme object.
    readonly property color background: pick("loginBackground", "#FFFFFF")
    readonly property color surface: pick("whiteBackground", "#FFFFFF")
    // Behind a shared screen, and (faded) the shadow under a list or the veil
    // over a scene that waits for an answer; text on it takes accentText.
    readonly property color shade: pick("blackBackground", "#000000")
    readonly property color tooltipBackground: shade
    readonly property color text: pick("inputFieldText", "#333333")
    readonly property color surfaceText: pick("blackText", "#000000")
    readonly property color strongText: pick("loginDarkText", "#4E4E4E")
    readonly property color mutedText: pick("loginMediumText", "#868686")
    readonly property color secondaryText: pick("mediumText", "#868686")
    readonly property color highlightText: pick("highlightText", "#66CCFF")
    readonly property color placeholder: pick("inputFieldPlaceholder", "#868686")
    readonly property color fieldBackground: pick("inputFieldBackground", "#FFFFFF")
    readonly property color border: pick("loginDivider", "#CCCCCC")
    readonly property color divider: pick("mediumDivider", "#CCCCCC")
    readonly property color faintDivider: pick("lightDivider", "#F1F1F1")
    readonly property color strongDivider: pick("darkDivider", "#006699")
    readonly property color accent: pick("activeBackground", "#3399CC")
    readonly property color accentHover: pick("hoverButton", "#3399CC")
    readonly property color accentPressed: pick("darkBackground", "#006699")
    readonly property color accentText: pick("whiteText", "#FFFFFF")
    readonly property color link: pick("loginHighlightText", "#006699")
    readonly property color hover: pick("lightBackground", "#F7F7F7")
    readonly property color selection: pick("lightActiveBackground", "#99ccff")
    readonly property color disabledBackground: pick("mediumBackground", "#F1F1F1")
    readonly property color disabledText: pick("lightText", "#CCCCCC")
    readonly property color error: pick("errorText", "#9C0C0C")
    readonly property color errorBackground: pick("errorBgColor", "#EFE3E5")
    // A count that waits for the user, and a favourite's star: the theme
    // has no colours of their own for them, and lends its presence colours.
    readonly property color alert: pick("presenceBusy", "#D9534F")
    readonly property color favourite: pick("presenceAway", "#E8A33D")

    // The type scale: a label takes its size and weight from one of these
    // roles (ZLabel's "type") and never states a size of its own, so every
    // scene follows one scale, and the desktop's text size.
    readonly property font title: Qt.font({ family: fontFamily, pixelSize: Math.round(fontPixelSize * 1.15),
                                            weight: Font.Bold })
    readonly property font body: Qt.font({ family: fontFamily, pixelSize: fontPixelSize, weight: Font.Normal })
    readonly property font caption: Qt.font({ family: fontFamily, pixelSize: Math.round(fontPixelSize * 0.85),
                                              weight: Font.Normal })

    // Geometry derived from the text size rather than fixed pixels.
    readonly property real unit: Math.max(4, Math.round(fontPixelSize / 3))
    readonly property real controlHeight: Math.round(fontPixelSize * 2.4)
    readonly property real radius: Math.max(2, Math.round(fontPixelSize / 4))
    readonly property real focusWidth: Math.max(1, Math.round(fontPixelSize / 8))
}
