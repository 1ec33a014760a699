#if defined(__GNUC__) && !defined(__clang__)
// GCC 12 takes QVector's shared header for the elements when a copy of the
// monitor list is detached and written: a false -Wstringop-overflow.
#pragma GCC diagnostic ignored "-Wstringop-overflow"
#endif

#include "desk/deskmodel.h"

#include "desk/deskfile.h"
#include "desk/deskreader.h"
#include "desk/deskrules.h"

#include <QHash>
#include <QJSValue>
#include <QUndoCommand>
#include <QUndoStack>

#include <algorithm>

// ------------------------------------------------------------- the commands
//
// A step is an EditStep (the selection before and after it) whose children
// do the work row by row: insert a monitor, remove one, or replace monitors
// by others. QUndoCommand runs children in order on redo and backwards on
// undo, so a step built from several children (a deletion and the
// renumbering it causes, or whole edits between beginEdit and endEdit) undoes
// as one.

class DeskCommand : public QUndoCommand
{
public:
    DeskCommand(DeskModel *model, QUndoCommand *parent)
        : QUndoCommand(parent), m_model(model)
    {
    }

protected:
    void insertMonitor(int row, const Monitor &m) { m_model->insertMonitor(row, m); }
    void removeMonitor(int row) { m_model->removeMonitor(row); }
    void replaceMonitor(int row, const Monitor &m) { m_model->replaceMonitor(row, m); }

private:
    DeskModel *m_model;
};

namespace {

class InsertMonitorCommand : public DeskCommand
{
public:
    InsertMonitorCommand(DeskModel *model, int row, const Monitor &monitor, QUndoCommand *parent)
        : DeskCommand(model, parent), m_row(row), m_monitor(monitor)
    {
    }
    void redo() override { insertMonitor(m_row, m_monitor); }
    void undo() override { removeMonitor(m_row); }

private:
    int m_row;
    Monitor m_monitor;
};

class RemoveMonitorCommand : public DeskCommand
{
public:
    RemoveMonitorCommand(DeskModel *model, int row, const Monitor &monitor, QUndoCommand *parent)
        : DeskCommand(model, parent), m_row(row), m_monitor(monitor)
    {
    }
    void redo() override { removeMonitor(m_row); }
    void undo() override { insertMonitor(m_row, m_monitor); }

private:
    int m_row;
    Monitor m_monitor; // as it was, to put back
};

// Monitors replaced in place: a new port or number, a size, a cell.
class ChangeMonitorsCommand : public DeskCommand
{
public:
    struct Change
    {
        int row;
        Monitor before;
        Monitor after;
    };

    ChangeMonitorsCommand(DeskModel *model, const QVector<Change> &changes, QUndoCommand *parent)
        : DeskCommand(model, parent), m_changes(changes)
    {
    }
    void redo() override
    {
        for (const Change &c : m_changes)
            replaceMonitor(c.row, c.after);
    }
    void undo() override
    {
        for (auto it = m_changes.crbegin(); it != m_changes.crend(); ++it)
            replaceMonitor(it->row, it->before);
    }

private:
    QVector<Change> m_changes;
};

Orientation orientationFromText(const QString &text, bool *ok)
{
    *ok = text == QLatin1String("h") || text == QLatin1String("v");
    return text == QLatin1String("v") ? Orientation::Vertical : Orientation::Horizontal;
}

bool onGrid(int gridIndex)
{
    return gridIndex >= 0 && gridIndex < Desk::kGridSize * Desk::kGridSize;
}

} // namespace

// One step: its children change the desk; the step puts the selection back
// as it was before (undo) or after (redo) the edit.
class DeskModel::EditStep : public QUndoCommand
{
public:
    EditStep(DeskModel *model, const QString &text, const Selection &before, QUndoCommand *parent)
        : QUndoCommand(text, parent), m_model(model), before(before), after(before)
    {
    }

    void redo() override
    {
        // Edits between beginEdit and endEdit were applied as they came; the
        // stack's first redo of the whole step must not apply them again.
        if (appliedAlready) {
            appliedAlready = false;
            return;
        }
        QUndoCommand::redo();
        m_model->applySelection(after);
        m_model->deskEdited();
    }

    void undo() override
    {
        QUndoCommand::undo();
        m_model->applySelection(before);
        m_model->deskEdited();
    }

private:
    DeskModel *m_model;

public:
    Selection before;
    Selection after;
    bool appliedAlready = false;
};

// ------------------------------------------------------------------- model

DeskModel::DeskModel(QObject *parent)
    : QAbstractListModel(parent), m_stack(new QUndoStack(this))
{
    m_stack->setUndoLimit(kUndoLimit);
    m_savedText = text();
    // A mark points at what the check saw; any change may move it.
    connect(this, &DeskModel::deskChanged, this, &DeskModel::clearFaults);
}

DeskModel::~DeskModel()
{
    // The stack's commands refer to the model: they go first.
    delete m_open;
    delete m_stack;
}

int DeskModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_desk.monitors.size();
}

QVariant DeskModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return QVariant();
    const Monitor &m = m_desk.monitors.at(index.row());
    switch (role) {
    case RowRole: return m.row;
    case ColRole: return m.col;
    case GridIndexRole: return m.gridIndex();
    case PortRole: return m.port;
    case PortNameRole: return DeskRules::portName(m.port);
    case NumberRole: return m.number;
    case Qt::DisplayRole:
    case NumberTextRole: return m.numberText();
    case WidthRole: return m.width;
    case HeightRole: return m.height;
    case OrientationRole: return m.orientationText();
    case IsMainRole: return m.isMain();
    case SelectedRole: return m.gridIndex() == m_selection.index;
    case HasPortRole: return m.port != 0;
    case HasResolutionRole: return m.width != 0 && m.height != 0;
    case AtFaultRole: return m_faults.contains(m.gridIndex());
    case GridIndexAliasRole: return m.gridIndex();
    case PortAliasRole: return m.port;
    case EnableRole: return true;
    case NumberAliasRole: return m.numberText();
    case MonitorWidthRole: return m.width;
    case MonitorHeightRole: return m.height;
    }
    return QVariant();
}

QHash<int, QByteArray> DeskModel::roleNames() const
{
    return {
        {RowRole, "row"},
        {ColRole, "col"},
        {GridIndexRole, "gridIndex"},
        {PortRole, "port"},
        {PortNameRole, "portName"},
        {NumberRole, "number"},
        {NumberTextRole, "numberText"},
        {WidthRole, "width"},
        {HeightRole, "height"},
        {OrientationRole, "orientation"},
        {IsMainRole, "isMain"},
        {SelectedRole, "selected"},
        {HasPortRole, "hasPort"},
        {HasResolutionRole, "hasResolution"},
        {AtFaultRole, "atFault"},
        {GridIndexAliasRole, "gridindex"},
        {PortAliasRole, "portnum"},
        {EnableRole, "enable"},
        {NumberAliasRole, "monitornum"},
        {MonitorWidthRole, "monitorWidth"},
        {MonitorHeightRole, "monitorHeight"},
    };
}

void DeskModel::setLitPort(int port)
{
    if (port == m_selection.lit)
        return;
    m_selection.lit = port;
    emit litPortChanged();
}

QString DeskModel::text() const
{
    return DeskFile::text(m_desk);
}

void DeskModel::setSaved(bool saved)
{
    if (saved)
        markSaved();
    else {
        m_savedText.clear();
        updateSaved();
    }
}

void DeskModel::markSaved()
{
    m_savedText = text();
    m_stack->setClean();
    updateSaved();
}

void DeskModel::clearHistory()
{
    // Finishes a step being built rather than leaving it to a stack that is
    // gone.
    delete m_open;
    m_open = nullptr;
    m_openDepth = 0;
    m_stack->clear();
}

void DeskModel::updateSaved()
{
    const bool saved = !m_savedText.isNull() && text() == m_savedText;
    if (saved == m_saved)
        return;
    m_saved = saved;
    emit savedChanged();
}

void DeskModel::setMouse(const MouseSettings &mouse)
{
    if (mouse == m_desk.mouse)
        return;
    m_desk.mouse = mouse;
    emit mouseChanged();
    emit deskChanged();
    updateSaved();
}

QVariantMap DeskModel::mouseSettingsMap() const
{
    const MouseSettings &m = m_desk.mouse;
    return {
        {QStringLiteral("acceleration_flag"), m.acceleration},
        {QStringLiteral("mouse_speed"), m.speed},
        {QStringLiteral("mouse_position"), m.position},
        {QStringLiteral("switching_focus"), m.focus},
        {QStringLiteral("duration_time"), m.duration},
        {QStringLiteral("keep_awake"), m.awake},
    };
}

void DeskModel::setMouseSettingsMap(const QVariantMap &settings)
{
    setMouse(DeskReader::mouseSettings(settings));
}

// ------------------------------------------------------------ selection

DeskModel::Selection DeskModel::selectionOf(int gridIndex, bool alert) const
{
    Selection s;
    if (!onGrid(gridIndex))
        return s;
    s.index = gridIndex;
    s.alert = alert;
    const int row = rowOf(gridIndex);
    s.lit = row >= 0 ? m_desk.monitors.at(row).port : 0;
    return s;
}

DeskModel::Selection DeskModel::monitorSelection() const
{
    Selection s = m_selection;
    if (rowOf(s.index) < 0) {
        s.index = -1;
        s.alert = false;
    }
    return s;
}

void DeskModel::select(int gridIndex, bool alert)
{
    if (gridIndex != -1 && !onGrid(gridIndex))
        return;
    applySelection(selectionOf(gridIndex, alert));
}

void DeskModel::applySelection(const Selection &selection)
{
    const bool changed = selection.index != m_selection.index || selection.alert != m_selection.alert;
    const int oldRow = rowOf(m_selection.index);
    const int oldLit = m_selection.lit;
    m_selection = selection;
    if (changed) {
        const int newRow = rowOf(m_selection.index);
        for (int row : {oldRow, newRow})
            if (row >= 0)
                emit dataChanged(index(row), index(row), {SelectedRole});
        emit selectionChanged();
    }
    if (oldLit != m_selection.lit)
        emit litPortChanged();
}

// ------------------------------------------------------------ questions

int DeskModel::rowOf(int gridIndex) const
{
    if (!onGrid(gridIndex))
        return -1;
    for (int i = 0; i < m_desk.monitors.size(); ++i)
        if (m_desk.monitors.at(i).gridIndex() == gridIndex)
            return i;
    return -1;
}

QVariantMap DeskModel::get(int row) const
{
    QVariantMap map;
    if (row < 0 || row >= m_desk.monitors.size())
        return map;
    const QHash<int, QByteArray> names = roleNames();
    for (auto it = names.cbegin(); it != names.cend(); ++it)
        map.insert(QString::fromLatin1(it.value()), data(index(row), it.key()));
    return map;
}

int DeskModel::portCount(int port) const
{
    return int(std::count_if(m_desk.monitors.cbegin(), m_desk.monitors.cend(),
                             [port](const Monitor &m) { return m.port == port; }));
}

int DeskModel::nextNumber(int port) const
{
    return DeskRules::nextMonitorNumber(m_desk.monitors, port);
}

QVariantList DeskModel::monitorsOnPort(int port) const
{
    QVector<int> rows;
    for (int i = 0; i < m_desk.monitors.size(); ++i)
        if (m_desk.monitors.at(i).port == port)
            rows.append(i);
    std::stable_sort(rows.begin(), rows.end(), [this](int a, int b) {
        return m_desk.monitors.at(a).number < m_desk.monitors.at(b).number;
    });
    QVariantList list;
    for (int row : rows)
        list.append(get(row));
    return list;
}

QVariantList DeskModel::placedMonitors() const
{
    QVariantList list;
    for (const Monitor &m : DeskRules::inGridOrder(m_desk.monitors))
        list.append(QVariantMap{{QStringLiteral("gridindex"), m.gridIndex()},
                                {QStringLiteral("row"), m.row},
                                {QStringLiteral("col"), m.col},
                                {QStringLiteral("portnum"), m.port},
                                {QStringLiteral("monitornum"), m.numberText()},
                                {QStringLiteral("width"), m.width},
                                {QStringLiteral("height"), m.height}});
    return list;
}

// -------------------------------------------------------------- checks

namespace {

QVariantList intList(const QVector<int> &values)
{
    QVariantList list;
    for (int v : values)
        list.append(v);
    return list;
}

} // namespace

QVariant DeskModel::firstIncomplete() const
{
    const CheckOutcome found = DeskRules::firstIncomplete(m_desk.monitors);
    if (found.passed())
        return QVariant::fromValue(nullptr);
    return QVariantMap{{QStringLiteral("gridindex"), found.gridIndex()},
                       {QStringLiteral("missing"), found.kind == CheckOutcome::MissingPort ? 0 : 1}};
}

QString DeskModel::placeScreens(const QVector<ScreenCell> &screens, int port, int anchor)
{
    if (screens.isEmpty() || port < 1 || port > Desk::kMaxPort)
        return QStringLiteral("none");
    QVector<Monitor> others;
    for (const Monitor &m : m_desk.monitors)
        if (m.port != port)
            others.append(m);
    if (others.size() + screens.size() > Desk::kMaxMonitors)
        return QStringLiteral("too-many");
    if (!DeskRules::firstIncomplete(others).passed())
        return QStringLiteral("incomplete");

    int rows = 0, cols = 0;
    for (const ScreenCell &c : screens) {
        rows = std::max(rows, c.row + 1);
        cols = std::max(cols, c.col + 1);
    }
    const auto taken = [&](int row, int col) {
        return std::any_of(others.cbegin(), others.cend(), [&](const Monitor &m) { return m.row == row && m.col == col; });
    };
    const auto fits = [&](int top, int left) {
        if (top < 1 || left < 1 || top + rows - 1 > Desk::kGridSize || left + cols - 1 > Desk::kGridSize)
            return false;
        return std::none_of(screens.cbegin(), screens.cend(),
                            [&](const ScreenCell &c) { return taken(top + c.row, left + c.col); });
    };
    int top = 0, left = 0;
    if (anchor >= 0 && anchor < Desk::kGridSize * Desk::kGridSize
        && fits(anchor / Desk::kGridSize + 1, anchor % Desk::kGridSize + 1)) {
        top = anchor / Desk::kGridSize + 1;
        left = anchor % Desk::kGridSize + 1;
    } else {
        for (int r = 1; r <= Desk::kGridSize && !top; ++r)
            for (int c = 1; c <= Desk::kGridSize && !top; ++c)
                if (fits(r, c))
                    top = r, left = c;
    }
    if (!top)
        return QStringLiteral("no-room");

    beginEdit(tr("This computer's screens"));
    QVector<int> leaving;
    for (const Monitor &m : m_desk.monitors)
        if (m.port == port)
            leaving.append(m.gridIndex());
    bool done = true;
    for (int cell : leaving)
        done = remove(cell) && done;
    // The primary first: it takes number 1, the port's main monitor.
    for (const ScreenCell &c : screens)
        done = place(top + c.row, left + c.col, c.width, c.height,
                     c.height > c.width ? QStringLiteral("v") : QStringLiteral("h"), port)
               && done;
    endEdit();
    if (!done) {
        // Not expected after the checks above; leave the desk as it was.
        undo();
        return QStringLiteral("refused");
    }
    return QStringLiteral("placed");
}

QString DeskModel::placeDesktopScreens(int port, int anchor)
{
    return placeScreens(ScreenArrangement::cells(ScreenArrangement::desktopScreens()), port, anchor);
}

QVariantList DeskModel::markFaults(const QString &check)
{
    static const QHash<QString, CheckOutcome::Kind> kinds = {
        {QStringLiteral("missing-port"), CheckOutcome::MissingPort},
        {QStringLiteral("missing-resolution"), CheckOutcome::MissingResolution},
        {QStringLiteral("isolated"), CheckOutcome::Isolated},
        {QStringLiteral("not-rectangular"), CheckOutcome::NotRectangular},
        {QStringLiteral("mixed-resolution"), CheckOutcome::MixedResolution}};
    const QVector<Monitor> found = DeskRules::monitorsAtFault(m_desk.monitors, kinds.value(check, CheckOutcome::Passed));
    QVector<int> cells;
    QVariantList described;
    for (const Monitor &m : found) {
        cells.append(m.gridIndex());
        described.append(QVariantMap{{QStringLiteral("gridIndex"), m.gridIndex()},
                                     {QStringLiteral("row"), m.row},
                                     {QStringLiteral("col"), m.col},
                                     {QStringLiteral("portName"), DeskRules::portName(m.port)},
                                     {QStringLiteral("numberText"), m.numberText()}});
    }
    setFaults(cells);
    return described;
}

void DeskModel::clearFaults()
{
    setFaults({});
}

void DeskModel::setFaults(const QVector<int> &cells)
{
    if (cells == m_faults)
        return;
    const QVector<int> before = m_faults;
    m_faults = cells;
    for (int row = 0; row < m_desk.monitors.size(); ++row) {
        const int cell = m_desk.monitors.at(row).gridIndex();
        if (before.contains(cell) != m_faults.contains(cell))
            emit dataChanged(index(row), index(row), {AtFaultRole});
    }
    emit faultsChanged();
}

QVariantList DeskModel::faultCells() const
{
    QVariantList cells;
    for (int cell : m_faults)
        cells.append(cell);
    return cells;
}

QVariantList DeskModel::isolatedPorts() const
{
    return intList(DeskRules::isolatedPorts(m_desk.monitors));
}

QVariantList DeskModel::nonRectangularPorts() const
{
    return intList(DeskRules::nonRectangularPorts(m_desk.monitors));
}

QVariantList DeskModel::mixedResolutionPorts() const
{
    return intList(DeskRules::mixedResolutionPorts(m_desk.monitors));
}

// ---------------------------------------------------------------- rows

void DeskModel::insertMonitor(int row, const Monitor &monitor)
{
    beginInsertRows(QModelIndex(), row, row);
    m_desk.monitors.insert(row, monitor);
    endInsertRows();
    emit countChanged();
}

void DeskModel::removeMonitor(int row)
{
    beginRemoveRows(QModelIndex(), row, row);
    m_desk.monitors.remove(row);
    endRemoveRows();
    emit countChanged();
}

void DeskModel::replaceMonitor(int row, const Monitor &monitor)
{
    m_desk.monitors.replace(row, monitor);
    emit dataChanged(index(row), index(row));
}

void DeskModel::deskEdited()
{
    emit deskChanged();
    updateSaved();
}

// ---------------------------------------------------------------- steps

DeskModel::EditStep *DeskModel::beginStep(const QString &text)
{
    return new EditStep(this, text, monitorSelection(), m_open);
}

void DeskModel::finishStep(EditStep *step, const Selection &after)
{
    step->after = after;
    if (m_open)
        step->redo(); // part of the step being built: applied now, pushed with it
    else
        m_stack->push(step);
}

void DeskModel::addChanges(QUndoCommand *step, const QVector<Monitor> &from, const QVector<Monitor> &to)
{
    QVector<ChangeMonitorsCommand::Change> changes;
    for (int i = 0; i < from.size(); ++i)
        if (from.at(i) != to.at(i))
            changes.append({i, from.at(i), to.at(i)});
    if (!changes.isEmpty())
        new ChangeMonitorsCommand(this, changes, step);
}

void DeskModel::beginEdit(const QString &text)
{
    if (m_openDepth++ == 0)
        m_open = new EditStep(this, text, monitorSelection(), nullptr);
}

void DeskModel::endEdit()
{
    if (m_openDepth == 0 || --m_openDepth > 0)
        return;
    EditStep *step = m_open;
    m_open = nullptr;
    if (step->childCount() == 0) {
        delete step;
        return;
    }
    step->after = monitorSelection();
    step->appliedAlready = true;
    m_stack->push(step);
}

bool DeskModel::undo()
{
    if (m_open || !m_stack->canUndo())
        return false;
    m_stack->undo();
    return true;
}

bool DeskModel::redo()
{
    if (m_open || !m_stack->canRedo())
        return false;
    m_stack->redo();
    return true;
}

// ---------------------------------------------------------------- edits

bool DeskModel::place(int row, int col, int width, int height, const QString &orientation, int port)
{
    bool knownOrientation = false;
    const Orientation standing = orientationFromText(orientation, &knownOrientation);
    if (row < 1 || row > Desk::kGridSize || col < 1 || col > Desk::kGridSize || !knownOrientation
        || width < 0 || height < 0 || width > Desk::kMaxPixels || height > Desk::kMaxPixels
        || port < -1 || port > Desk::kMaxPort)
        return false;
    Monitor m;
    m.row = row;
    m.col = col;
    if (count() >= Desk::kMaxMonitors || rowOf(m.gridIndex()) >= 0)
        return false;
    if (!DeskRules::firstIncomplete(m_desk.monitors).passed())
        return false;
    if (port < 0) {
        const int selected = rowOf(m_selection.index);
        port = selected >= 0 ? m_desk.monitors.at(selected).port : 1;
    }
    m.port = port;
    m.number = nextNumber(port);
    // A size needs both numbers; half of one is none.
    m.width = width > 0 && height > 0 ? width : 0;
    m.height = width > 0 && height > 0 ? height : 0;
    m.orientation = standing;

    EditStep *step = beginStep(tr("Place monitor"));
    new InsertMonitorCommand(this, count(), m, step);
    finishStep(step, Selection{m.gridIndex(), false, port});
    return true;
}

bool DeskModel::remove(int gridIndex)
{
    const int row = rowOf(gridIndex);
    if (row < 0)
        return false;
    QVector<Monitor> before = m_desk.monitors;
    const Monitor gone = before.takeAt(row);
    QVector<Monitor> after = before;
    for (const Renumbering &r : DeskRules::renumberAfterRemoval(before, gone.port, gone.number))
        after[r.index].number = r.number;

    EditStep *step = beginStep(tr("Delete monitor"));
    new RemoveMonitorCommand(this, row, gone, step);
    addChanges(step, before, after);
    finishStep(step, Selection());
    return true;
}

bool DeskModel::setPort(int gridIndex, int port)
{
    const int row = rowOf(gridIndex);
    if (row < 0 || port < 0 || port > Desk::kMaxPort)
        return false;
    const Monitor own = m_desk.monitors.at(row);
    if (port == own.port || portCount(port) >= Desk::kMaxMonitors)
        return false;
    QVector<Monitor> after = m_desk.monitors;
    // Counted before the monitor leaves its port, as the port list shows it.
    after[row].number = nextNumber(port);
    after[row].port = port;
    for (const Renumbering &r : DeskRules::renumberAfterRemoval(after, own.port, own.number))
        after[r.index].number = r.number;

    EditStep *step = beginStep(tr("Change port"));
    addChanges(step, m_desk.monitors, after);
    Selection selection = monitorSelection();
    if (selection.index == gridIndex)
        selection.lit = port;
    finishStep(step, selection);
    return true;
}

bool DeskModel::swapNumber(int gridIndex, int number)
{
    const int row = rowOf(gridIndex);
    if (row < 0)
        return false;
    const Monitor own = m_desk.monitors.at(row);
    if (number == own.number)
        return false;
    int otherRow = -1;
    for (int i = 0; i < m_desk.monitors.size(); ++i) {
        const Monitor &m = m_desk.monitors.at(i);
        if (i != row && m.port == own.port && m.number == number) {
            otherRow = i;
            break;
        }
    }
    if (otherRow < 0)
        return false;
    // The two rows keep their numbers and exchange their cells, so the
    // monitor list holds each number where it held it before.
    Monitor mine = m_desk.monitors.at(otherRow);
    mine.number = own.number;
    Monitor theirs = own;
    theirs.number = number;
    QVector<Monitor> after = m_desk.monitors;
    after.replace(row, mine);
    after.replace(otherRow, theirs);

    EditStep *step = beginStep(tr("Change monitor number"));
    addChanges(step, m_desk.monitors, after);
    finishStep(step, monitorSelection());
    return true;
}

bool DeskModel::setResolution(int gridIndex, int width, int height)
{
    const int row = gridIndex == -1 ? -1 : rowOf(gridIndex);
    if ((gridIndex != -1 && row < 0) || width < 0 || height < 0 || width > Desk::kMaxPixels
        || height > Desk::kMaxPixels)
        return false;
    const bool none = width == 0 || height == 0;
    if (row < 0 && none)
        return false;
    QVector<Monitor> after = m_desk.monitors;
    const Orientation reference = row >= 0 ? after.at(row).orientation : Orientation::Horizontal;
    if (none) {
        after[row].width = 0;
        after[row].height = 0;
    } else {
        if (row >= 0) {
            after[row].width = width;
            after[row].height = height;
        }
        for (Monitor &m : after) {
            if (m.width != 0 && m.height != 0)
                continue;
            // A monitor standing the other way gets the size turned, so what
            // is saved matches how it stands.
            const bool turned = m.orientation != reference;
            m.width = turned ? height : width;
            m.height = turned ? width : height;
        }
    }
    if (after == m_desk.monitors)
        return false;

    EditStep *step = beginStep(tr("Choose resolution"));
    addChanges(step, m_desk.monitors, after);
    Selection selection = monitorSelection();
    // The red frame asked for a size: it has one now.
    if (!none && selection.index == gridIndex)
        selection.alert = false;
    finishStep(step, selection);
    return true;
}

bool DeskModel::setOrientation(int gridIndex, const QString &orientation)
{
    const int row = rowOf(gridIndex);
    bool known = false;
    const Orientation standing = orientationFromText(orientation, &known);
    if (row < 0 || !known || m_desk.monitors.at(row).orientation == standing)
        return false;
    QVector<Monitor> after = m_desk.monitors;
    Monitor &m = after[row];
    m.orientation = standing;
    std::swap(m.width, m.height);

    EditStep *step = beginStep(tr("Change orientation"));
    addChanges(step, m_desk.monitors, after);
    finishStep(step, monitorSelection());
    return true;
}

bool DeskModel::move(int from, int to)
{
    const int row = rowOf(from);
    if (row < 0 || !onGrid(to) || from == to || rowOf(to) >= 0)
        return false;
    QVector<Monitor> after = m_desk.monitors;
    Monitor &m = after[row];
    m.row = to / Desk::kGridSize + 1;
    m.col = to % Desk::kGridSize + 1;

    EditStep *step = beginStep(tr("Move monitor"));
    addChanges(step, m_desk.monitors, after);
    // The moved monitor stays selected, in red if it was.
    const bool alert = m_selection.index == from && m_selection.alert;
    finishStep(step, Selection{to, alert, m.port});
    return true;
}

// ----------------------------------------------------------- whole desks

void DeskModel::replaceDesk(const Desk &desk, const Selection &selection)
{
    // A step still being built belongs to the desk that goes.
    delete m_open;
    m_open = nullptr;
    m_openDepth = 0;
    m_stack->clear();
    const bool mouseChanges = desk.mouse != m_desk.mouse;
    const int oldCount = count();
    const int newCount = desk.monitors.size();
    // Row by row rather than a reset: the views keep the items of the rows
    // that stay (a desk loaded over another of as many monitors makes and
    // drops none), and only the rows that come or go are made or dropped.
    m_selection = Selection();
    if (newCount < oldCount) {
        beginRemoveRows(QModelIndex(), newCount, oldCount - 1);
        m_desk.monitors.resize(newCount);
        endRemoveRows();
    }
    const int common = std::min(oldCount, newCount);
    for (int row = 0; row < common; ++row)
        m_desk.monitors[row] = desk.monitors.at(row);
    if (common > 0)
        emit dataChanged(index(0), index(common - 1));
    if (newCount > oldCount) {
        beginInsertRows(QModelIndex(), oldCount, newCount - 1);
        for (int row = oldCount; row < newCount; ++row)
            m_desk.monitors.append(desk.monitors.at(row));
        endInsertRows();
    }
    m_desk.mouse = desk.mouse;
    if (oldCount != count())
        emit countChanged();
    if (mouseChanges)
        emit mouseChanged();
    emit deskReplaced();
    emit deskChanged();
    Selection s = selection;
    // Cleared above without signals: announce the selection once.
    m_selection = Selection{-2, false, -1};
    applySelection(s);
}

void DeskModel::load(const Desk &given)
{
    // Every row answers for one cell: a monitor off the grid, on a cell taken
    // already or beyond the sixteenth would leave rows no cell can reach (the
    // reader of layout files refuses such files; this guards other callers).
    Desk desk;
    desk.mouse = given.mouse;
    bool taken[Desk::kGridSize * Desk::kGridSize] = {};
    for (const Monitor &m : given.monitors) {
        const bool fits = m.row >= 1 && m.row <= Desk::kGridSize && m.col >= 1 && m.col <= Desk::kGridSize
                          && !taken[m.gridIndex()] && desk.monitors.size() < Desk::kMaxMonitors;
        if (!fits)
            continue;
        taken[m.gridIndex()] = true;
        desk.monitors.append(m);
    }
    replaceDesk(desk, desk.monitors.isEmpty() ? Selection()
                                              : Selection{desk.monitors.first().gridIndex(), false,
                                                          desk.monitors.first().port});
    markSaved();
}

bool DeskModel::loadLayout(const QVariant &given)
{
    // From QML a parsed text arrives as a script value; the reader takes
    // plain lists and maps.
    const QVariant layout = given.userType() == qMetaTypeId<QJSValue>() ? given.value<QJSValue>().toVariant() : given;
    load(DeskReader::desk(layout));
    // A blank text is a blank desk, not a refused file.
    if (layout.userType() == QMetaType::QString && layout.toString().isEmpty())
        return true;
    return DeskReader::acceptable(layout);
}

void DeskModel::reset()
{
    const bool wasSaved = m_saved;
    Desk blank;
    blank.mouse = m_desk.mouse;
    replaceDesk(blank, Selection());
    m_savedText = wasSaved ? text() : QString();
    updateSaved();
}
