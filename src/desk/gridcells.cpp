#include "desk/gridcells.h"

#include "desk/deskmodel.h"
#include "desk/deskrules.h"

GridCells::GridCells(QObject *parent)
    : QAbstractListModel(parent)
{
}

int GridCells::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kCells;
}

QVariant GridCells::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return QVariant();
    const int cell = index.row();
    const int row = cell / Desk::kGridSize + 1;
    const int col = cell % Desk::kGridSize + 1;
    const int deskRow = m_desk ? m_desk->rowOf(cell) : -1;
    const Monitor monitor = deskRow >= 0 ? m_desk->desk().monitors.at(deskRow) : Monitor();
    const bool placed = deskRow >= 0;
    const bool selected = m_desk && m_desk->selectedIndex() == cell;
    const Position position = m_positions.value(cell, Position{row, col, 0, 0});
    switch (role) {
    case IdRole: return cell;
    case RowRole: return row;
    case ColRole: return col;
    case WidthRole: return monitor.width;
    case HeightRole: return monitor.height;
    case OrientationRole: return monitor.orientationText();
    case PortRole: return monitor.port;
    case DisplayRole:
    case BackgroundRole: return placed;
    case ShowBorderRole: return selected;
    case ShowAddRole: return false;
    case BorderColorRole: return selected && m_desk->selectionAlert() ? 0 : 1;
    case EnableRole: return true;
    case RelativeRowRole: return position.row;
    case RelativeColRole: return position.col;
    case MainRelativeRowRole: return position.mainRow;
    case MainRelativeColRole: return position.mainCol;
    case Qt::DisplayRole:
    case PortNameRole: return DeskRules::portName(monitor.port);
    case NumberRole: return placed ? monitor.numberText() : QStringLiteral("00");
    case ShowNumberRole: return !placed || monitor.port != 0;
    }
    return QVariant();
}

QHash<int, QByteArray> GridCells::roleNames() const
{
    return {
        {IdRole, "id"},
        {RowRole, "row"},
        {ColRole, "col"},
        {WidthRole, "width"},
        {HeightRole, "height"},
        {OrientationRole, "orientation"},
        {PortRole, "portnum"},
        {DisplayRole, "display"},
        {ShowBorderRole, "showborder"},
        {BackgroundRole, "bgcolor"},
        {ShowAddRole, "showadd"},
        {BorderColorRole, "bordercolor"},
        {EnableRole, "enable"},
        {RelativeRowRole, "relative_row"},
        {RelativeColRole, "relative_col"},
        {MainRelativeRowRole, "main_relative_row"},
        {MainRelativeColRole, "main_relative_col"},
        {PortNameRole, "portname"},
        {NumberRole, "monitornum"},
        {ShowNumberRole, "showmonlist"},
    };
}

void GridCells::setDesk(DeskModel *desk)
{
    if (desk == m_desk)
        return;
    if (m_desk)
        disconnect(m_desk, nullptr, this, nullptr);
    beginResetModel();
    m_desk = desk;
    m_positions.clear();
    endResetModel();
    if (m_desk) {
        // Every change of the desk or its selection may touch any cell (a
        // move empties one and fills another, a deletion renumbers a port):
        // the cells are few and cheap to read again.
        connect(m_desk, &DeskModel::deskChanged, this, &GridCells::allChanged);
        connect(m_desk, &DeskModel::selectionChanged, this, &GridCells::allChanged);
        // A desk loaded afresh was never uploaded.
        connect(m_desk, &DeskModel::deskReplaced, this, &GridCells::forgetPositions);
    }
    emit deskChanged();
}

QVariantMap GridCells::get(int index) const
{
    QVariantMap map;
    if (index < 0 || index >= kCells)
        return map;
    const QHash<int, QByteArray> names = roleNames();
    const QModelIndex at = this->index(index);
    for (auto it = names.cbegin(); it != names.cend(); ++it)
        map.insert(QString::fromLatin1(it.value()), data(at, it.key()));
    return map;
}

void GridCells::setPositions(const QVariantList &records)
{
    for (const QVariant &value : records) {
        const QVariantMap r = value.toMap();
        const int cell = r.value(QStringLiteral("gridindex"), -1).toInt();
        if (cell < 0 || cell >= kCells)
            continue;
        m_positions.insert(cell, Position{r.value(QStringLiteral("relative_row")).toInt(),
                                          r.value(QStringLiteral("relative_col")).toInt(),
                                          r.value(QStringLiteral("main_relative_row")).toInt(),
                                          r.value(QStringLiteral("main_relative_col")).toInt()});
    }
    allChanged();
}

void GridCells::allChanged()
{
    emit dataChanged(index(0), index(kCells - 1));
}

void GridCells::forgetPositions()
{
    if (m_positions.isEmpty())
        return;
    m_positions.clear();
    allChanged();
}
