// The fit check on small scenes with one known fault each, and on scenes that
// look like faults but are how screens are made (a dialog over its page, a
// pop-up over the page, a list scrolled, a button's own label).
#include "fitcheck.h"

#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QtTest>

#include <memory>

class TestFitCheck : public QObject
{
    Q_OBJECT

private slots:
    void scene_data();
    void scene();
};

void TestFitCheck::scene_data()
{
    QTest::addColumn<QByteArray>("items");
    QTest::addColumn<QString>("fault"); // empty: none expected

    // Faults.
    QTest::newRow("elided") << QByteArray("Text { width: 40; elide: Text.ElideRight; text: 'A long label' }")
                            << "\"A long label\" | elided";
    QTest::newRow("wider than its box") << QByteArray("Text { width: 40; text: 'A long label' }")
                                        << "\"A long label\" | wider than its box by";
    QTest::newRow("taller than its box")
            << QByteArray("Text { width: 60; height: 20; wrapMode: Text.WordWrap; text: 'One two three four five' }")
            << "taller than its box by";
    QTest::newRow("overlapping texts") << QByteArray("Text { text: 'First' } Text { x: 10; text: 'Second' }")
                                       << "\"First\" | overlaps text Text \"Second\"";
    QTest::newRow("text on a control")
            << QByteArray("Text { text: 'Label' } Rectangle { objectName: 'undo'; x: 20; width: 30; height: 30; "
                          "color: 'transparent'; activeFocusOnTab: true }")
            << "\"Label\" | overlaps control undo";
    QTest::newRow("outside its panel")
            << QByteArray("Rectangle { objectName: 'panel'; width: 50; height: 30; color: 'white'; "
                          "Text { x: 30; text: 'Beyond' } }")
            << "\"Beyond\" | outside its panel panel by";
    QTest::newRow("touching the side of its panel")
            << QByteArray("Rectangle { objectName: 'dialog'; width: 100; height: 30; color: 'white'; border.width: 1; "
                          "Text { anchors.right: parent.right; anchors.rightMargin: 2; text: 'Question' } }")
            << "\"Question\" | 1 px from the side of its panel dialog";
    QTest::newRow("controls on each other")
            << QByteArray("Item { objectName: 'ok'; width: 80; height: 30; activeFocusOnTab: true } "
                          "Item { objectName: 'cancel'; x: 70; width: 80; height: 30; activeFocusOnTab: true }")
            << "ok | \"\" | overlaps control cancel by 10 px x 30 px";
    QTest::newRow("buttons too close")
            << QByteArray("Button { text: 'OK'; width: 80 } Button { objectName: 'cancel'; x: 82; text: 'Cancel' }")
            << "\"OK\" | 2 px from control cancel \"Cancel\"";
    QTest::newRow("outside the window") << QByteArray("Text { x: 370; text: 'At the edge' }")
                                        << "\"At the edge\" | outside the window by";
    QTest::newRow("cut by a clipping item")
            << QByteArray("Item { objectName: 'box'; width: 30; height: 30; clip: true; Text { text: 'Clipped' } }")
            << "\"Clipped\" | cut by box by";
    QTest::newRow("under a sibling, not raised")
            << QByteArray("Text { text: 'Hidden part' } Rectangle { objectName: 'patch'; x: 30; width: 40; "
                          "height: 20; color: 'red' }")
            << "\"Hidden part\" | under patch by";

    // How screens are made: no fault.
    QTest::newRow("behind a dialog's shading")
            << QByteArray("Text { text: 'Page' } Rectangle { anchors.fill: parent; color: 'black'; opacity: 0.2 } "
                          "Text { text: 'Dialog' }")
            << QString();
    QTest::newRow("under a pop-up")
            << QByteArray("Text { text: 'Page text' } Rectangle { z: 5; x: 20; width: 100; height: 50; "
                          "color: 'white'; Text { x: 8; text: 'Menu' } }")
            << QString();
    QTest::newRow("a button's own label")
            << QByteArray("Rectangle { width: 80; height: 30; color: 'white'; Text { anchors.centerIn: parent; text: 'OK' } "
                          "Item { anchors.fill: parent; activeFocusOnTab: true } }")
            << QString();
    QTest::newRow("scrolled out of a list")
            << QByteArray("ListView { width: 100; height: 40; clip: true; model: 10; contentY: 100; "
                          "delegate: Text { height: 20; text: 'Row ' + index } }")
            << QString();
    QTest::newRow("a user's file name") << QByteArray("Text { width: 40; elide: Text.ElideMiddle; "
                                                      "readonly property bool elidesUserText: true; "
                                                      "text: 'A very long file name.km' }")
                                        << QString();
    QTest::newRow("a hidden text") << QByteArray("Text { text: 'First' } Text { visible: false; text: 'Second' }")
                                   << QString();
}

void TestFitCheck::scene()
{
    QFETCH(QByteArray, items);
    QFETCH(QString, fault);

    QQmlEngine engine;
    QQmlComponent component(&engine);
    component.setData("import QtQuick 2.12\nimport QtQuick.Controls 1.4\nimport QtQuick.Window 2.12\n"
                      "Window { width: 400; height: 200; visible: true; color: 'white'\n"
                      "Item { anchors.fill: parent\n" + items + "\n}\n}",
                      QUrl(QStringLiteral("qrc:/scene.qml")));
    std::unique_ptr<QObject> object(component.create());
    QVERIFY2(object, qPrintable(component.errorString()));
    auto *window = qobject_cast<QQuickWindow *>(object.get());
    QVERIFY(QTest::qWaitForWindowExposed(window));
    // Laid-out text sizes settle on the first frames.
    QTest::qWait(50);

    const QStringList faults = fitcheck::check(window, QStringLiteral("scene"));
    if (fault.isEmpty()) {
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    } else {
        QVERIFY2(faults.size() >= 1 && faults.first().startsWith(QStringLiteral("scene | ")),
                 qPrintable(faults.join(QLatin1Char('\n'))));
        bool found = false;
        for (const QString &line : faults)
            found = found || line.contains(fault);
        QVERIFY2(found, qPrintable(QStringLiteral("no \"%1\" in:\n%2").arg(fault, faults.join(QLatin1Char('\n')))));
    }
}

QTEST_MAIN(TestFitCheck)
#include "tst_fitcheck.moc"
