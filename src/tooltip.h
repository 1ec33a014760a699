#ifndef TOOLTIP_H
#define TOOLTIP_H

#include <QObject>
#include <QString>

class QQmlEngine;
class QJSEngine;
class QQuickItem;

// The platform's tool tip for the screens' own controls (a button whose
// label does not fit shows it whole): the same tip the toolkit's controls
// show, without loading the toolkit's controls for it.
class ToolTip : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    static QObject *create(QQmlEngine *engine, QJSEngine *scriptEngine);

    // Shows `text` at the point (x, y) of `item`; an empty text hides the tip.
    Q_INVOKABLE void show(QQuickItem *item, qreal x, qreal y, const QString &text);
    Q_INVOKABLE void hide();
    // The text of the tip on screen, empty when none is.
    Q_INVOKABLE QString shownText() const;
};

#endif
