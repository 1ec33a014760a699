// The program's own start-up, up to the first frame of its root window.
#include "firstframe.h"
#include "startup.h"

#include <QQmlApplicationEngine>

int main(int argc, char *argv[])
{
    return startup::run(argc, argv, [](QQmlApplicationEngine &engine) {
        firstframe::watch(qobject_cast<QQuickWindow *>(engine.rootObjects().value(0)));
    });
}
