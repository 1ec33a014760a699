#ifndef GRIDCELLS_H
#define GRIDCELLS_H

// The editor's 256 grid cells, row by row, as a read-only view of a
// DeskModel: each cell under the twenty field names the editor's screens,
// its upload and its tests have always read (id, row, col, width, height,
// orientation, portnum, display, showborder, ...). Nothing is stored per
// cell except the coordinates the last upload worked out: everything else
// is the desk's, so a cell can never disagree with the monitor on it.
//
// get() hands out a copy. Writing into it changes nothing on screen or in
// the desk; edits go to the DeskModel.

#include <QAbstractListModel>
#include <QHash>
#include <QPointer>
#include <QVariant>

class DeskModel;

class GridCells : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(DeskModel *desk READ desk WRITE setDesk NOTIFY deskChanged)
    Q_PROPERTY(int count READ count CONSTANT)

public:
    enum Role {
        IdRole = Qt::UserRole + 1, // "id", the grid index
        RowRole,                   // "row", 1..16
        ColRole,                   // "col"
        WidthRole,                 // "width", 0 on an empty cell
        HeightRole,                // "height"
        OrientationRole,           // "orientation", "h" on an empty cell
        PortRole,                  // "portnum", 0 on an empty cell
        DisplayRole,               // "display", a monitor stands here
        ShowBorderRole,            // "showborder", the selected cell (placed or marked)
        BackgroundRole,            // "bgcolor", as display
        ShowAddRole,               // "showadd", never set: placing is one edit
        BorderColorRole,           // "bordercolor", 0 red (selection alert), else 1
        EnableRole,                // "enable", always true
        RelativeRowRole,           // "relative_row", from the last upload; the row before one
        RelativeColRole,           // "relative_col"
        MainRelativeRowRole,       // "main_relative_row", 0 until an upload sets it
        MainRelativeColRole,       // "main_relative_col"
        PortNameRole,              // "portname", "--" on an empty cell
        NumberRole,                // "monitornum", "00" on an empty cell
        ShowNumberRole,            // "showmonlist", the number button is offered
    };
    Q_ENUM(Role)

    static constexpr int kCells = 256;

    explicit GridCells(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    DeskModel *desk() const { return m_desk; }
    void setDesk(DeskModel *desk);
    int count() const { return kCells; }

    // Cell `index`'s fields (a copy; empty for an index off the grid).
    Q_INVOKABLE QVariantMap get(int index) const;
    // The coordinates an upload worked out, as its records give them:
    // [{gridindex, relative_row, relative_col, main_relative_row,
    // main_relative_col}, ...]. Kept until the desk is loaded afresh.
    Q_INVOKABLE void setPositions(const QVariantList &records);

signals:
    void deskChanged();

private:
    struct Position
    {
        int row = 0;
        int col = 0;
        int mainRow = 0;
        int mainCol = 0;
    };

    void allChanged();
    void forgetPositions();

    QPointer<DeskModel> m_desk;
    QHash<int, Position> m_positions;
};

#endif // GRIDCELLS_H
