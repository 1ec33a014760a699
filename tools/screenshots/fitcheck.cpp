#include "fitcheck.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QQuickItem>
#include <QQuickWindow>
#include <QRegularExpression>
#include <QVector>

#include <algorithm>
#include <cmath>

namespace fitcheck {
namespace {

// Less than this is antialiasing and rounding, not a fault anyone sees.
constexpr qreal kSlack = 0.75;
// The least room between a text and the side of the panel it is in.
constexpr qreal kPanelRoom = 3;
// The least room between two controls side by side.
constexpr qreal kControlGap = 4;

// A shown item, in the order the scene graph paints it.
struct Node {
    QQuickItem *item = nullptr;
    QRectF box;            // the item's own rectangle, in window coordinates
    int order = 0;         // paint order
    qreal opacity = 1;     // effective opacity
    QQuickItem *layer = nullptr; // the nearest raised ancestor-or-self (a pop-up), if any
};

bool isText(const QQuickItem *item)
{
    return item->inherits("QQuickText");
}

bool isRectangle(const QQuickItem *item)
{
    return item->inherits("QQuickRectangle");
}

bool isImage(const QQuickItem *item)
{
    return item->inherits("QQuickImage") || item->inherits("QQuickBorderImage");
}

bool isScrollView(const QQuickItem *item)
{
    return item->inherits("QQuickFlickable");
}

qreal fillAlpha(const QQuickItem *item)
{
    return item->property("color").value<QColor>().alphaF();
}

bool hasBorder(const QQuickItem *item)
{
    const QObject *border = item->property("border").value<QObject *>();
    return border && border->property("width").toReal() > 0
            && border->property("color").value<QColor>().alphaF() > 0;
}

// What a person reads: the type without the engine's numbering.
QString typeName(const QQuickItem *item)
{
    QString name = QString::fromLatin1(item->metaObject()->className());
    name.remove(QRegularExpression(QStringLiteral("_QML(TYPE)?_\\d+$")));
    if (name.startsWith(QLatin1String("QQuick")))
        name = name.mid(6);
    return name;
}

// The item as a path of the object names above it, and its own type.
QString describe(const QQuickItem *item)
{
    QStringList names;
    for (const QQuickItem *up = item->parentItem(); up; up = up->parentItem())
        if (!up->objectName().isEmpty())
            names.prepend(up->objectName());
    names << (item->objectName().isEmpty() ? typeName(item) : item->objectName());
    // The outermost names say little; the last four are enough to find it.
    while (names.size() > 4)
        names.removeFirst();
    return names.join(QLatin1Char('/'));
}

bool isAncestor(const QQuickItem *up, const QQuickItem *item)
{
    for (const QQuickItem *p = item->parentItem(); p; p = p->parentItem())
        if (p == up)
            return true;
    return false;
}

QRectF sceneRect(const QQuickItem *item, const QRectF &local)
{
    return item->mapRectToScene(local);
}

// The type size: about the height the letters of a line take up.
qreal emHeight(const QQuickItem *text)
{
    const QFont font = text->property("font").value<QFont>();
    if (font.pixelSize() > 0)
        return font.pixelSize();
    return QFontMetricsF(font).ascent() + QFontMetricsF(font).descent() * 0.5;
}

// The space a font keeps above and below the letters of each line (CJK
// fonts keep much more than Latin ones): part of the line box, never inked.
qreal leading(const QQuickItem *text)
{
    const int lines = std::max(1, text->property("lineCount").toInt());
    const qreal lineHeight = text->property("contentHeight").toReal() / lines;
    return std::max(qreal(0), (lineHeight - emHeight(text)) / 2);
}

// The rectangle the laid-out text covers inside its own box: its lines'
// width, and their height less the leading above the first line and below
// the last.
QRectF textRect(const QQuickItem *text)
{
    const qreal w = text->property("contentWidth").toReal();
    const qreal h = text->property("contentHeight").toReal();
    const int halign = text->property("effectiveHorizontalAlignment").toInt();
    const int valign = text->property("verticalAlignment").toInt();
    qreal x = 0;
    if (halign & Qt::AlignRight)
        x = text->width() - w;
    else if (halign & Qt::AlignHCenter)
        x = (text->width() - w) / 2;
    qreal y = 0;
    if (valign & Qt::AlignBottom)
        y = text->height() - h;
    else if (valign & Qt::AlignVCenter)
        y = (text->height() - h) / 2;
    const qreal gap = leading(text);
    return sceneRect(text, QRectF(x, y + gap, w, h - 2 * gap));
}

QString pixels(qreal amount)
{
    return QString::number(std::ceil(amount - 0.01)) + QStringLiteral(" px");
}

// How far `inner` reaches out of `outer`, the largest of its four sides.
qreal overshoot(const QRectF &inner, const QRectF &outer)
{
    return std::max({outer.left() - inner.left(), inner.right() - outer.right(), outer.top() - inner.top(),
                     inner.bottom() - outer.bottom(), qreal(0)});
}

class Walker
{
public:
    explicit Walker(QQuickWindow *window) : m_window(window)
    {
        m_bounds = QRectF(QPointF(0, 0), QSizeF(window->size()));
        visit(window->contentItem(), 1, nullptr);
    }

    QStringList faults(const QString &screen)
    {
        m_screen = screen;
        // Everything painted before the last shading that covers the whole
        // window is behind a dialog.
        int behind = 0;
        for (const Node &node : m_nodes)
            if (isRectangle(node.item) && fillAlpha(node.item) > 0 && node.box.contains(m_bounds.adjusted(1, 1, -1, -1)))
                behind = node.order;

        QVector<const Node *> texts;
        QVector<const Node *> controls;
        for (const Node &node : m_nodes) {
            if (node.order < behind)
                continue;
            if (isText(node.item) && !node.item->property("text").toString().trimmed().isEmpty()
                    && node.item->property("contentWidth").toReal() > 0 && shown(node))
                texts << &node;
            else if (node.item->activeFocusOnTab() && !isText(node.item) && node.box.isValid() && shown(node))
                controls << &node;
        }
        for (const Node *text : texts) {
            checkText(*text);
            checkCovered(*text);
        }
        for (int i = 0; i < controls.size(); ++i)
            for (int j = i + 1; j < controls.size(); ++j)
                if (!owns(controls[i]->item, controls[j]->item) && !owns(controls[j]->item, controls[i]->item))
                    checkControls(*controls[i], *controls[j]);
        for (int i = 0; i < texts.size(); ++i) {
            for (int j = i + 1; j < texts.size(); ++j)
                checkOverlap(*texts[i], *texts[j], textRect(texts[j]->item), QStringLiteral("text"));
            for (const Node *control : controls)
                if (!owns(control->item, texts[i]->item))
                    checkOverlap(*texts[i], *control, visibleBox(*control), QStringLiteral("control"));
        }
        return m_faults;
    }

private:
    void visit(QQuickItem *item, qreal opacity, QQuickItem *layer)
    {
        if (!item->isVisible())
            return;
        opacity *= item->opacity();
        if (opacity < 0.01)
            return;
        // Raised above its neighbours: a pop-up, a dialog, a list or a menu.
        if (item->z() >= 2 && item != m_window->contentItem())
            layer = item;
        Node node;
        node.item = item;
        node.box = sceneRect(item, QRectF(0, 0, item->width(), item->height()));
        node.order = m_nodes.size();
        node.opacity = opacity;
        node.layer = layer;
        m_nodes << node;

        QList<QQuickItem *> children = item->childItems();
        std::stable_sort(children.begin(), children.end(),
                         [](const QQuickItem *a, const QQuickItem *b) { return a->z() < b->z(); });
        for (QQuickItem *child : children)
            visit(child, opacity, layer);
    }

    // A control's own texts lie on it: those inside it, and those inside the
    // item it covers whole (a focus frame or key handler laid over a button
    // or over the grid).
    static bool owns(const QQuickItem *control, const QQuickItem *text)
    {
        if (isAncestor(control, text) || isAncestor(text, control))
            return true;
        const QQuickItem *parent = control->parentItem();
        if (!parent || !isAncestor(parent, text))
            return false;
        const QRectF parentBox = sceneRect(parent, parent->boundingRect());
        return sceneRect(control, control->boundingRect()).adjusted(-1, -1, 1, 1).contains(parentBox);
    }

    // The part of an item its clipping ancestors let through.
    static QRectF visibleBox(const Node &node)
    {
        QRectF box = node.box;
        for (const QQuickItem *up = node.item->parentItem(); up; up = up->parentItem())
            if (up->clip())
                box = box.intersected(sceneRect(up, up->boundingRect()));
        return box;
    }

    // Not hidden by a clipping item it lies wholly outside of (scrolled
    // away), nor by a pop-up painted over it.
    bool shown(const Node &node) const
    {
        const QRectF rect = isText(node.item) ? textRect(node.item) : node.box;
        for (const QQuickItem *up = node.item->parentItem(); up; up = up->parentItem())
            if (up->clip() && !sceneRect(up, up->boundingRect()).intersects(rect))
                return false;
        // Painted over by a pop-up, or wholly by anything opaque (a page
        // over the page beneath it).
        for (const Node &other : m_nodes) {
            if (other.order <= node.order || isAncestor(node.item, other.item))
                continue;
            if (!opaque(other))
                continue;
            const QRectF cover = visibleBox(other);
            if (cover.contains(rect) || (other.layer && other.layer != node.layer && cover.intersects(rect)))
                return false;
        }
        return true;
    }

    void report(const QQuickItem *item, const QString &what)
    {
        QString text = item->property("text").toString();
        text.replace(QLatin1Char('\n'), QLatin1Char(' '));
        const QString line = QStringLiteral("%1 | %2 | \"%3\" | %4").arg(m_screen, describe(item), text, what);
        if (!m_faults.contains(line))
            m_faults << line;
    }

    void checkText(const Node &node)
    {
        QQuickItem *text = node.item;
        const QRectF drawn = textRect(text);
        const qreal width = text->width();
        const qreal height = text->height();
        const qreal contentWidth = text->property("contentWidth").toReal();
        const qreal contentHeight = text->property("contentHeight").toReal() - 2 * leading(text);

        // Names the user gave (files of any length) may end in "…" where
        // the screen says so; the screens' own texts may not.
        if (text->property("truncated").toBool() && !text->property("elidesUserText").toBool()) {
            const qreal cut = std::max(text->implicitWidth() - width, text->implicitHeight() - height);
            report(text, QStringLiteral("elided, %1 short").arg(pixels(std::max(cut, qreal(1)))));
        }
        if (contentWidth - width > kSlack)
            report(text, QStringLiteral("wider than its box by %1").arg(pixels(contentWidth - width)));
        if (contentHeight - height > kSlack)
            report(text, QStringLiteral("taller than its box by %1").arg(pixels(contentHeight - height)));
        if (const qreal out = overshoot(drawn, m_bounds); out > kSlack)
            report(text, QStringLiteral("outside the window by %1").arg(pixels(out)));

        bool panelSeen = false;
        for (const QQuickItem *up = text->parentItem(); up; up = up->parentItem()) {
            const QRectF upBox = sceneRect(up, up->boundingRect());
            if (up->clip()) {
                bool scrolled = false;
                for (const QQuickItem *s = up; s && !scrolled; s = s->parentItem())
                    scrolled = isScrollView(s);
                if (const qreal out = overshoot(drawn, upBox); out > kSlack && !scrolled)
                    report(text, QStringLiteral("cut by %1 by %2").arg(describe(up), pixels(out)));
            }
            // The nearest panel: a filled or framed rectangle, or a picture,
            // that is not the whole window.
            if (!panelSeen && upBox.width() < m_bounds.width() - 1
                    && ((isRectangle(up) && (fillAlpha(up) > 0 || hasBorder(up))) || up->inherits("QQuickBorderImage"))) {
                panelSeen = true;
                // Inside the frame, with a little room at the sides: a line
                // that touches a frame reads as cut.
                const QObject *border = up->property("border").value<QObject *>();
                const qreal frame = border && hasBorder(up) ? border->property("width").toReal() : 0;
                const QRectF inner = upBox.adjusted(frame, frame, -frame, -frame);
                const qreal room = std::min(drawn.left() - inner.left(), inner.right() - drawn.right());
                if (const qreal out = overshoot(drawn, upBox); out > kSlack)
                    report(text, QStringLiteral("outside its panel %1 by %2").arg(describe(up), pixels(out)));
                else if (room < kPanelRoom - 0.01)
                    report(text, QStringLiteral("%1 from the side of its panel %2 (at least %3 wanted)")
                           .arg(pixels(std::max(room, qreal(0))), describe(up), pixels(kPanelRoom)));
            }
        }
    }

    static bool opaque(const Node &node)
    {
        return (isRectangle(node.item) && fillAlpha(node.item) * node.opacity >= 0.5)
                || (isImage(node.item) && node.opacity >= 0.5);
    }

    // Part of the text painted over by something of its own layer.
    void checkCovered(const Node &text)
    {
        const QRectF rect = textRect(text.item);
        for (const Node &other : m_nodes) {
            if (other.order <= text.order || isAncestor(text.item, other.item) || !opaque(other)
                    || (other.layer && other.layer != text.layer))
                continue;
            const QRectF both = rect.intersected(visibleBox(other));
            if (both.width() > kSlack && both.height() > kSlack)
                report(text.item, QStringLiteral("under %1 by %2 x %3")
                       .arg(describe(other.item), pixels(both.width()), pixels(both.height())));
        }
    }

    // Two controls drawn one on the other: a press meant for one may reach
    // the other, and the label under is hidden.
    // Side by side, a button needs a little room from the next one too.
    void checkControls(const Node &a, const Node &b)
    {
        const QRectF boxA = visibleBox(a);
        const QRectF boxB = visibleBox(b);
        const QRectF both = boxA.intersected(boxB);
        const QString otherText = b.item->property("text").toString();
        const QString other = describe(b.item)
                + (otherText.isEmpty() ? QString() : QStringLiteral(" \"%1\"").arg(otherText));
        if (both.width() > kSlack && both.height() > kSlack) {
            report(a.item, QStringLiteral("overlaps control %1 by %2 x %3")
                   .arg(other, pixels(both.width()), pixels(both.height())));
            return;
        }
        // Buttons with words on them; pictures and tiles may touch.
        if (a.item->property("text").toString().isEmpty() || otherText.isEmpty())
            return;
        const bool sideBySide = std::min(boxA.bottom(), boxB.bottom()) - std::max(boxA.top(), boxB.top()) > kSlack;
        const qreal gap = std::max(boxB.left() - boxA.right(), boxA.left() - boxB.right());
        if (sideBySide && gap < kControlGap - 0.01 && gap > -kSlack)
            report(a.item, QStringLiteral("%1 from control %2 (at least %3 wanted)")
                   .arg(pixels(std::max(gap, qreal(0))), other, pixels(kControlGap)));
    }

    void checkOverlap(const Node &text, const Node &other, const QRectF &otherRect, const QString &kind)
    {
        const QRectF mine = textRect(text.item);
        const QRectF both = mine.intersected(otherRect);
        if (both.width() <= kSlack || both.height() <= kSlack)
            return;
        const QString otherText = other.item->property("text").toString();
        report(text.item, QStringLiteral("overlaps %1 %2%3 by %4 x %5")
               .arg(kind, describe(other.item),
                    otherText.isEmpty() ? QString() : QStringLiteral(" \"%1\"").arg(otherText),
                    pixels(both.width()), pixels(both.height())));
    }

    QQuickWindow *m_window;
    QRectF m_bounds;
    QVector<Node> m_nodes;
    QString m_screen;
    QStringList m_faults;
};

} // namespace

QStringList check(QQuickWindow *window, const QString &screen)
{
    Walker walker(window);
    return walker.faults(screen);
}

QStringList checkAll(const QString &screen)
{
    QStringList faults;
    const auto windows = QGuiApplication::topLevelWindows();
    for (QWindow *window : windows)
        if (auto *quick = qobject_cast<QQuickWindow *>(window); quick && quick->isVisible())
            faults << check(quick, screen);
    return faults;
}

} // namespace fitcheck
