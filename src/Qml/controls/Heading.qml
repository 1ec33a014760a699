import QtQuick 2.12
import ".."

// Heading of a page or panel section: bold brand blue at heading size, as on
// the home page ("Select Template") and the template configuration screen.
Text {
    color: Theme.brand
    font.family: Theme.fontFamily
    font.pixelSize: Theme.headingSize
    font.bold: true
}
