// Code near the writes into copies that is sound: reads from get(), rows
// changed through the model, values that are no copy. check_copies.sh must
// name nothing here. Never loaded; it only has to read as the screens do.
import QtQuick 2.15

Item {
    id: page
    property var desk
    property var grid
    property string help: "grid.get(i).display = true changes nothing"

    function reads(i) {
        var c = grid.get(i)
        if (c.display === true && c.width == 0 && c.port !== 2)
            return c.row <= 3 || c.col >= 4
        var shown = grid.get(i).display ? 1 : 0
        var options = { display: true, port: grid.get(i).port }
        var port = grid.get(i).port
        port++
        port = 4
        return shown + options.port + port
    }

    function changes(i) {
        grid.setProperty(i, "display", true)  // grid.get(i).display = true would not
        desk.changePort(i, 2)
        /* var c = grid.get(i); c.port = 2 */
        var row = grid.getRow(i)
        row.port = 1
        var map = forget(i)
        map.port = 1
    }

    function rebound(i) {
        var c = grid.get(i)
        c = { port: 1 }
        c.port = 2
        var d = grid.get(i).size
        d.width = 0
    }

    // A name given a copy in one function is another value in the next.
    function first(i) {
        var cell = grid.get(i)
        return cell.port
    }
    function second(cell) {
        cell.port = 2
        cell.width += 1
    }

    // Handed on: to a function that writes into a plain value, or that only
    // reads the copy.
    function fill(cell, m) {
        cell.row = m.row
        m = { row: 2 }
        m.row = 3
    }
    function describe(cell) {
        return cell.row + "," + cell.col
    }
    function handed(i) {
        var c = grid.get(i)
        fill({ row: 0 }, c)
        fill(c.size, grid.get(i))
        return describe(c) + describe(grid.get(i))
    }

    function text(i) {
        console.log("c.port = 2", 'grid.get(i).port = 1', `c.x = ${i}`)
    }
}
