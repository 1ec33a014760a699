import QtQuick 2.12
import ".."

// Keeps the keyboard inside a dialog or menu: Tab and Shift+Tab go round its
// own controls (every FocusRing inside it, in the order they are laid out),
// Escape reports `escapePressed()`, and Enter on anything that is no button
// presses `defaultControl`. The first control (or `defaultControl`) takes the
// focus whenever the trap is shown, so the page behind never keeps it.
FocusScope {
    id: trap

    readonly property bool focusTrap: true
    // Pressed by Enter and focused first; null for the first control.
    property Item defaultControl: null
    // Up and Down move like Shift+Tab and Tab (menus).
    property bool arrowKeys: false
    property bool focusWhenShown: true

    signal escapePressed()

    // The focusable items inside, in layout order.
    function controls() {
        var found = []
        function walk(item) {
            var kids = item.children
            for (var i = 0; i < kids.length; ++i) {
                var kid = kids[i]
                if (!kid.visible || !kid.enabled)
                    continue
                if (kid.isFocusRing === true) {
                    if (kid.focusItem && kid.focusItem.visible && kid.focusItem.enabled)
                        found.push(kid.focusItem)
                    continue
                }
                walk(kid)
            }
        }
        walk(trap)
        return found
    }

    function focusFirst() {
        var list = controls()
        var first = defaultControl && list.indexOf(defaultControl) >= 0 ? defaultControl : list[0]
        if (first)
            first.forceActiveFocus(Qt.OtherFocusReason)
        else
            trap.forceActiveFocus(Qt.OtherFocusReason)
    }

    function step(delta) {
        var list = controls()
        if (list.length === 0)
            return
        var at = -1
        for (var i = 0; i < list.length; ++i)
            if (list[i].activeFocus)
                at = i
        var next = at < 0 ? (delta > 0 ? 0 : list.length - 1)
                          : (at + delta + list.length) % list.length
        list[next].forceActiveFocus(delta > 0 ? Qt.TabFocusReason : Qt.BacktabFocusReason)
    }

    function pressDefault() {
        var target = defaultControl || controls()[0]
        if (!target)
            return
        if (typeof target.clicked === "function")
            target.clicked()
        else if (typeof target.activated === "function")
            target.activated()
    }

    Keys.onTabPressed: step(1)
    Keys.onBacktabPressed: step(-1)
    Keys.onUpPressed: event.accepted = arrowKeys && (step(-1), true)
    Keys.onDownPressed: event.accepted = arrowKeys && (step(1), true)
    Keys.onEscapePressed: trap.escapePressed()
    Keys.onReturnPressed: pressDefault()
    Keys.onEnterPressed: pressDefault()

    onVisibleChanged: {
        if (visible && focusWhenShown)
            focusFirst()
    }
    Component.onCompleted: {
        if (visible && focusWhenShown)
            focusFirst()
    }
}
