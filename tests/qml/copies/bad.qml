// Writes into copies from get(): check_copies.sh must name each line marked
// "copy" at its end, and no other. Never loaded; it only has to read as the
// screens do.
import QtQuick 2.15

Item {
    id: page
    property var desk
    property var grid

    function direct(i, n) {
        grid.get(i).display = true                      // copy
        grid.get(i).width += 10                         // copy
        grid.get(i).count++                             // copy
        --grid.get(i).count                             // copy
        grid.get(i)["portnum"] = 2                      // copy
        grid.get(i).size.width = 0                      // copy
        page.grid.get(desk.get(n).cell).showborder = false // copy
        grid.get( i ) . portname="--"                   // copy
        if (n > 0) grid.get(n).bordercolor <<= 1        // copy
    }

    function held(r) {
        var c = desk.get(r)
        if (r > 2) {
            c.port = 2                                  // copy
            c.width -= 1                                // copy
        }
        c["number"] = "01"                              // copy
        ++c.count                                       // copy
        let other = desk.get(r + 1); other.port = 3     // copy
        const last = desk.get(0)
        last.size.height = 0                            // copy
    }

    function reassigned(r) {
        var c = {}
        c.port = 1
        c = grid.get(r)
        c.port = 4                                      // copy
        var a = 1, b = grid.get(a)
        b.display = false                               // copy
    }

    function inner(r) {
        var cell = grid.get(r)
        var ports = [1, 2]
        ports.forEach(function (k) { cell.port = k })   // copy
        var later = () => { cell.width = 0 }            // copy
    }

    function show(cell, m) {
        cell.row = m.row
    }
    function place(m, target)
    {
        target.width += m.width
    }

    function handed(r, m) {
        show(grid.get(r), m)                            // copy
        var cell = desk.get(r)
        page.show(cell, m)                              // copy
        place(m, grid.get(r + 1))                       // copy
    }

    MouseArea {
        onClicked: {
            var c = page.desk.get(0)
            c.selected = true                           // copy
        }
        onPressed: grid.get(0).pressed = true           // copy
    }
}
