#include "tooltip.h"

#include <QQuickItem>
#include <QQuickWindow>
#include <QToolTip>

QObject *ToolTip::create(QQmlEngine *, QJSEngine *)
{
    return new ToolTip;
}

void ToolTip::show(QQuickItem *item, qreal x, qreal y, const QString &text)
{
    if (!item || !item->window() || text.isEmpty()) {
        hide();
        return;
    }
    const QPoint scenePoint = item->mapToScene(QPointF(x, y)).toPoint();
    QToolTip::showText(item->window()->mapToGlobal(scenePoint), text);
}

void ToolTip::hide()
{
    QToolTip::hideText();
}

QString ToolTip::shownText() const
{
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}
