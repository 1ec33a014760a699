#ifndef DESKMODEL_H
#define DESKMODEL_H

// The desk being edited, as one list model the screens bind to.
//
// One row per placed monitor, in the order the monitors were placed or
// loaded (the editor's monitor list; the file text and the checks put them in
// grid order themselves). Every edit is one QUndoCommand on the model's own
// undo stack, so undo and redo give back exactly the desk before and after a
// step, renumbering included. The numbering and the file text are those of
// deskrules.h and deskfile.h: nothing here decides a number on its own.
//
// "Saved" is a fact about the desk, not about the history: the desk is saved
// while its layout file text (mouse settings included) equals the text last
// saved, loaded or uploaded. Undoing back to that desk, or editing a monitor
// and then editing it back by hand, reads saved again; a mouse setting
// changed since the save keeps it unsaved whatever the history says. A bare
// QUndoStack::isClean() cannot know either.

#include "desk/desk.h"
#include "desk/screenarrangement.h"

#include <QAbstractListModel>
#include <QString>
#include <QVariant>

class QUndoStack;
class QUndoCommand;

class DeskModel : public QAbstractListModel
{
    Q_OBJECT
    // Monitors placed (the editor's curmonitornum).
    Q_PROPERTY(int count READ count NOTIFY countChanged)
    // The selected cell's grid index, -1 for none. Selecting is no edit: it
    // is neither undone nor marks the desk unsaved.
    Q_PROPERTY(int selectedIndex READ selectedIndex WRITE select NOTIFY selectionChanged)
    // The row of the selected monitor, -1 when the selection holds none.
    Q_PROPERTY(int selectedRow READ selectedRow NOTIFY selectionChanged)
    // The selection is shown in red: the monitor still lacks its port or
    // its resolution (the check before a save or a placement found it).
    Q_PROPERTY(bool selectionAlert READ selectionAlert NOTIFY selectionChanged)
    // The port whose indicator is lit, 0 for none. Follows the selected
    // monitor's port on every selection and edit; can be set on its own.
    Q_PROPERTY(int litPort READ litPort WRITE setLitPort NOTIFY litPortChanged)
    Q_PROPERTY(QUndoStack *undoStack READ undoStack CONSTANT)
    Q_PROPERTY(bool saved READ isSaved WRITE setSaved NOTIFY savedChanged)
    // The six mouse values under the names the screens use
    // (acceleration_flag, mouse_speed, mouse_position, switching_focus,
    // duration_time, keep_awake). Part of the saved text, but no edit step.
    Q_PROPERTY(QVariantMap mouseSettings READ mouseSettingsMap WRITE setMouseSettingsMap NOTIFY mouseChanged)
    // The layout file text of the desk (DeskFile::text).
    Q_PROPERTY(QString text READ text NOTIFY deskChanged)
    // Grid indexes of the monitors the last failed check points at, until
    // the next change of the desk.
    Q_PROPERTY(QVariantList faultCells READ faultCells NOTIFY faultsChanged)

public:
    enum Role {
        RowRole = Qt::UserRole + 1, // "row", 1..16
        ColRole,                    // "col", 1..16
        GridIndexRole,              // "gridIndex", (row - 1) * 16 + col - 1
        PortRole,                   // "port", 0 none, 1..8
        PortNameRole,               // "portName", "--", "P1".."P4", "S1".."S4"
        NumberRole,                 // "number", 1..16 within the port
        NumberTextRole,             // "numberText", "01".."16"
        WidthRole,                  // "width", 0 while none is chosen
        HeightRole,                 // "height"
        OrientationRole,            // "orientation", "h" or "v"
        IsMainRole,                 // "isMain", number 1: the port's main monitor
        SelectedRole,               // "selected", the selected monitor
        HasPortRole,                // "hasPort", port is not 0 (the number button is offered)
        HasResolutionRole,          // "hasResolution", width and height chosen
        AtFaultRole,                // "atFault", pointed at by the last failed check (markFaults)
        // The names the editor's monitor list always used ({gridindex,
        // portnum, enable, monitornum}), so the model stands in for it.
        GridIndexAliasRole,         // "gridindex", as gridIndex
        PortAliasRole,              // "portnum", as port
        EnableRole,                 // "enable", always true
        NumberAliasRole,            // "monitornum", as numberText
        // Width and height under names a view's item can take as required
        // properties without hiding its own width and height.
        MonitorWidthRole,           // "monitorWidth", as width
        MonitorHeightRole,          // "monitorHeight", as height
    };
    Q_ENUM(Role)

    // Most steps kept; the oldest go first.
    static constexpr int kUndoLimit = 200;

    explicit DeskModel(QObject *parent = nullptr);
    ~DeskModel() override;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    const Desk &desk() const { return m_desk; }
    int count() const { return m_desk.monitors.size(); }
    int selectedIndex() const { return m_selection.index; }
    int selectedRow() const { return rowOf(m_selection.index); }
    bool selectionAlert() const { return m_selection.alert; }
    int litPort() const { return m_selection.lit; }
    void setLitPort(int port);
    QUndoStack *undoStack() const { return m_stack; }
    bool isSaved() const { return m_saved; }
    // true: the desk as it is now is the saved one (markSaved); false: no
    // desk of this history counts as saved any more.
    void setSaved(bool saved);
    QString text() const;
    const MouseSettings &mouse() const { return m_desk.mouse; }
    void setMouse(const MouseSettings &mouse);
    QVariantMap mouseSettingsMap() const;
    void setMouseSettingsMap(const QVariantMap &settings);

    // -------------------------------------------------------------- edits
    // Each returns false, and changes nothing, when the edit is refused or
    // would change nothing; otherwise it is one step on the undo stack.

    // A new monitor on the empty cell (row, col), of width x height (0 x 0:
    // none chosen yet) standing as `orientation` says ("h" or "v"). Its port
    // is `port`, or with -1 the selected monitor's port (1 when none is
    // selected); its number is the next one of that port. Refused with 16
    // monitors placed, on a cell that holds one, and while a placed monitor
    // still lacks its port or resolution (the screens ask for it first).
    // The new monitor is selected.
    Q_INVOKABLE bool place(int row, int col, int width = 0, int height = 0,
                           const QString &orientation = QStringLiteral("h"), int port = -1);
    // The monitor on `gridIndex` goes; the monitors above it on its port move
    // one number down. Nothing is selected afterwards.
    Q_INVOKABLE bool remove(int gridIndex);
    // The monitor on `gridIndex` moves to port `port` (0..8) and takes that
    // port's next number; the monitors above it on its old port move one
    // number down. Refused for the port it has and for a port of 16.
    Q_INVOKABLE bool setPort(int gridIndex, int port);
    // The monitor on `gridIndex` takes number `number` of its port, and the
    // monitor that had it takes the first one's number. The two rows of the
    // monitor list exchange their cells: each row keeps its number.
    Q_INVOKABLE bool swapNumber(int gridIndex, int number);
    // The monitor on `gridIndex` gets width x height (0 in either: none),
    // and a real size also goes to every monitor that has none yet, turned
    // for a monitor that stands the other way. With `gridIndex` -1 only the
    // monitors without a size get it, taken as the size of a horizontal one.
    Q_INVOKABLE bool setResolution(int gridIndex, int width, int height);
    // The monitor on `gridIndex` stands as `orientation` ("h" or "v") says;
    // its width and height change places.
    Q_INVOKABLE bool setOrientation(int gridIndex, const QString &orientation);
    // The monitor on `from` moves to the empty cell `to` with everything it
    // has, and is selected there.
    Q_INVOKABLE bool move(int from, int to);

    // This computer's screens (ScreenArrangement::cells) on port `port`, as
    // they stand on the desk, in one step: the port's monitors go, the
    // screens come with their sizes and orientations, the primary screen as
    // number 1. They go at the empty cell `anchor` (their group's top left)
    // where they fit there, else at the first free area that fits. Returns
    // "placed", or why nothing changed: "none" (no screen), "too-many" (more
    // than 16 monitors), "incomplete" (a monitor of another port lacks its
    // port or resolution) or "no-room" (no free area fits them).
    QString placeScreens(const QVector<ScreenCell> &screens, int port, int anchor);
    // The same with this desktop's screens.
    Q_INVOKABLE QString placeDesktopScreens(int port, int anchor);

    // Edits made between beginEdit and endEdit are one step (calls nest: the
    // outermost pair makes the step). A step in which nothing changed is
    // none.
    Q_INVOKABLE void beginEdit(const QString &text = QString());
    Q_INVOKABLE void endEdit();

    Q_INVOKABLE bool undo();
    Q_INVOKABLE bool redo();

    // -------------------------------------------------------- whole desks
    // None of these is a step: the history starts afresh.

    // The desk as loaded from a file or a template: saved, its first monitor
    // selected. A monitor off the grid, on a cell taken already or beyond
    // the sixteenth is left out (the reader never gives one).
    void load(const Desk &desk);
    // A parsed layout file text (the screens' main.filedata; an empty text
    // is a blank desk). Returns whether the editor accepts such a file; of
    // one it does not, the monitors before the first that does not fit are
    // loaded, as the editor always applied them.
    Q_INVOKABLE bool loadLayout(const QVariant &layout);
    // No monitors, nothing selected, the mouse settings kept. Saved when the
    // desk was saved before (there is nothing new to lose), else not.
    Q_INVOKABLE void reset();
    // The desk as it is now was written to a file or into the switch.
    Q_INVOKABLE void markSaved();
    // The history starts afresh (after an upload); saved or not is kept.
    Q_INVOKABLE void clearHistory();

    // -------------------------------------------------------- selection

    // Selects the cell `gridIndex` (-1: none; an empty cell is only marked),
    // `alert` when it is shown in red. Lights the monitor's port.
    Q_INVOKABLE void select(int gridIndex, bool alert = false);

    // --------------------------------------------------------- questions

    // The row of the monitor on `gridIndex`, -1 for an empty cell.
    Q_INVOKABLE int rowOf(int gridIndex) const;
    // A row's values under the role names (a copy).
    Q_INVOKABLE QVariantMap get(int row) const;
    Q_INVOKABLE int portCount(int port) const;
    // The number a monitor placed on or moved to `port` gets.
    Q_INVOKABLE int nextNumber(int port) const;
    // The monitors of `port` by number, as get() gives them.
    Q_INVOKABLE QVariantList monitorsOnPort(int port) const;
    // Every monitor in grid order as the screens' rules and the upload take
    // it: {gridindex, row, col, portnum, monitornum ("01"), width, height}.
    Q_INVOKABLE QVariantList placedMonitors() const;

    // ------------------------------------------------------------ checks
    // The checks before a save or an upload, on the desk as it is.

    // The first monitor in grid order that lacks its port ("missing" 0) or
    // its resolution ("missing" 1) as {gridindex, missing}; null when none.
    Q_INVOKABLE QVariant firstIncomplete() const;
    // The offending ports of each rule, as DeskRules gives them.
    Q_INVOKABLE QVariantList isolatedPorts() const;
    Q_INVOKABLE QVariantList nonRectangularPorts() const;
    Q_INVOKABLE QVariantList mixedResolutionPorts() const;
    // Marks the monitors a failed check points at (DeskRules::
    // monitorsAtFault) and gives them in grid order as {gridIndex, row, col,
    // portName, numberText}. `check` is "missing-port", "missing-resolution",
    // "isolated", "not-rectangular" or "mixed-resolution". The marks go with
    // the next change of the desk, or with clearFaults().
    Q_INVOKABLE QVariantList markFaults(const QString &check);
    Q_INVOKABLE void clearFaults();
    QVariantList faultCells() const;

signals:
    void countChanged();
    void selectionChanged();
    void litPortChanged();
    void savedChanged();
    void mouseChanged();
    // The monitors or the mouse settings changed (an edit, undo, redo, a
    // load, a reset).
    void deskChanged();
    void faultsChanged();
    // A whole desk took the place of the one before (a load, a reset).
    void deskReplaced();

private:
    friend class DeskCommand;

    struct Selection
    {
        int index = -1;
        bool alert = false;
        int lit = 0;
    };

    class EditStep;

    // The selection as a step keeps it: a selected empty cell is none.
    Selection monitorSelection() const;
    Selection selectionOf(int gridIndex, bool alert) const;
    void applySelection(const Selection &selection);
    EditStep *beginStep(const QString &text);
    void finishStep(EditStep *step, const Selection &after);
    // Adds to `step` the changes that make `from` into `to` (same length).
    void addChanges(QUndoCommand *step, const QVector<Monitor> &from, const QVector<Monitor> &to);

    // What the commands do to the rows.
    void insertMonitor(int row, const Monitor &monitor);
    void removeMonitor(int row);
    void replaceMonitor(int row, const Monitor &monitor);
    void deskEdited();

    void replaceDesk(const Desk &desk, const Selection &selection);
    void updateSaved();
    // Marks exactly `cells` (grid indexes) as at fault, telling the rows
    // whose mark changes.
    void setFaults(const QVector<int> &cells);

    Desk m_desk;
    Selection m_selection;
    QUndoStack *m_stack = nullptr;
    // The text last saved; null when no desk of this history is saved.
    QString m_savedText;
    QVector<int> m_faults; // grid indexes, see markFaults
    bool m_saved = true;
    // The step being built between beginEdit and endEdit.
    EditStep *m_open = nullptr;
    int m_openDepth = 0;
};

#endif // DESKMODEL_H
