// The floor: the smallest Qt Quick Controls 1 window of the main window's size.
#include "firstframe.h"

#include <QApplication>
#include <QQmlApplicationEngine>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QQmlApplicationEngine engine;
    engine.load(QUrl(QStringLiteral("qrc:/floor.qml")));
    firstframe::watch(qobject_cast<QQuickWindow *>(engine.rootObjects().value(0)));
    return app.exec();
}
