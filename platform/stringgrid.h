#pragma once

#include <QAbstractTableModel>
#include <QLineEdit>
#include <QPointer>
#include <QStyledItemDelegate>
#include <QTableView>
#include <functional>
#include <vector>

// A grid of cell texts addressed as (column, row) with row 0 the header row,
// as the windows of this program expect. Columns below FixedCols are shown
// but can be neither selected nor edited.
class StringGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit StringGridModel(QObject* parent = nullptr);

    void SetSize(int colCount, int rowCount); // rowCount includes the header row
    int ColCount() const { return colCount_; }
    int RowCount() const { return rowCount_; }
    void SetFixedCols(int fixed) { fixedCols_ = fixed; }
    int FixedCols() const { return fixedCols_; }
    // Columns that take typed text; the others are changed by commands only.
    void SetEditableColumn(std::function<bool(int col)> editable) {
        editable_ = std::move(editable);
    }
    bool IsEditableColumn(int col) const {
        return col >= fixedCols_ && (!editable_ || editable_(col));
    }
    // Cells of editable columns that take typed text only on some rows. A
    // cell that takes none is read-only for every way in: editor, paste or
    // key.
    void SetEditableCell(std::function<bool(int col, int row)> editable) {
        editableCell_ = std::move(editable);
    }
    bool IsEditableCell(int col, int row) const {
        return IsEditableColumn(col) && (!editableCell_ || editableCell_(col, row));
    }

    QString Cell(int col, int row) const;
    void SetCell(int col, int row, const QString& text);

    // Colours, alignment and hints of the cells (header row included) come
    // from the window that owns the grid: (col, row, role) -> value.
    using StyleProvider = std::function<QVariant(int col, int row, int role)>;
    void SetStyleProvider(StyleProvider provider) { style_ = std::move(provider); }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    int colCount_ = 0;
    int rowCount_ = 1;
    int fixedCols_ = 0;
    std::vector<std::vector<QString>> cells_; // [row][col]
    StyleProvider style_;
    std::function<bool(int col)> editable_;
    std::function<bool(int col, int row)> editableCell_;
};

// The part of a cell's text that a cell width pixels wide can show with the
// given alignment: the whole text when it is short, has several lines or
// right-to-left characters there, otherwise a part long enough to overflow
// the cell on every side it shows.
QString CellTextThatFits(const QString& text, int width, Qt::Alignment alignment);

// The cell editor: a line editor whose text goes into the cell as it is
// typed, so the cells always hold what is on screen.
class StringGridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using EditorSetup = std::function<void(QLineEdit* editor, int col, int row)>;
    using EditText = std::function<QString(int col, int row, const QString& cellText)>;
    using EditorKey = std::function<bool(QLineEdit* editor, QKeyEvent* event)>;

    explicit StringGridDelegate(QObject* parent = nullptr);
    void SetEditorSetup(EditorSetup setup) { setup_ = std::move(setup); }
    void SetEditText(EditText editText) { editText_ = std::move(editText); }
    // Sees the editor's keys before the delegate's own handling; true
    // consumes the key.
    void SetEditorKey(EditorKey editorKey) { editorKey_ = std::move(editorKey); }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

signals:
    void editorCreated(QLineEdit* editor, int col, int row) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The style option of a cell with only as much of its text as can show,
    // however long the text (a file edited elsewhere may hold megabytes in
    // one cell).
    QStyleOptionViewItem CellOption(const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const;

    EditorSetup setup_;
    EditText editText_;
    EditorKey editorKey_;
};

class TStringGrid : public QTableView {
    Q_OBJECT
public:
    explicit TStringGrid(QWidget* parent = nullptr);

    StringGridModel* Model() const { return model_; }
    StringGridDelegate* Delegate() const { return delegate_; }

    void SetSize(int colCount, int rowCount) { model_->SetSize(colCount, rowCount); }
    int ColCount() const { return model_->ColCount(); }
    int RowCount() const { return model_->RowCount(); }
    void SetFixedCols(int fixed) { model_->SetFixedCols(fixed); }

    QString Cells(int col, int row) const { return model_->Cell(col, row); }
    void SetCells(int col, int row, const QString& text) { model_->SetCell(col, row, text); }

    int ColWidths(int col) const { return columnWidth(col); }
    void SetColWidth(int col, int width) { setColumnWidth(col, width); }
    void SetHeaderHeight(int height);
    // The last column takes the width the others leave, less room for the
    // vertical scroll bar; when all rows fit it takes that room too and no
    // horizontal scroll bar is shown.
    void FitLastColumn();
    void SetDefaultRowHeight(int height);
    int DefaultRowHeight() const;

    // The current cell in grid coordinates (row 0 = header); -1 when none.
    int Col() const;
    int Row() const;
    // Makes the cell current and scrolls it into view (a hidden grid once it
    // is shown).
    void SetCurrentCell(int col, int row);

    // Grid coordinates of the cell under a point of the viewport.
    bool CellAt(const QPoint& viewportPoint, int* col, int* row) const;

    // Puts the open editor's text into its cell; called before every read of
    // the cells by a command.
    void FlushEditor();

    QLineEdit* OpenEditor() const;

    // Does nothing: a typed character that no editor took never moves the
    // current cell to a row whose text starts with it.
    void keyboardSearch(const QString& search) override;

signals:
    // A mouse button pressed on a cell, in grid coordinates.
    void cellPressed(int col, int row);
    // A double click on a cell or on its open editor, in grid coordinates.
    void cellDoubleClicked(int col, int row, Qt::KeyboardModifiers modifiers);
    // A right click on a cell or its open editor; handled = true keeps the
    // editor's own menu away.
    void cellRightClicked(int col, int row, const QPoint& globalPos, bool* handled);
    // A key pressed on the grid itself (not in an open editor); handled =
    // true swallows it.
    void cellKeyPressed(int key, bool* handled);

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    StringGridModel* model_;
    StringGridDelegate* delegate_;
    QPointer<QLineEdit> editor_;
    bool scrollWhenShown_ = false;

    // Moves the current cell like a spreadsheet: Tab within the row's
    // editable cells, Enter down, arrows by one cell.
    bool MoveByKey(int key, Qt::KeyboardModifiers modifiers);
    // Opens the editor of the current cell when it takes text and none is
    // open.
    void OpenCurrentEditor();
    bool EditorKey(QLineEdit* editor, QKeyEvent* event);
    int NextEditableColumn(int col, int step) const;
};
