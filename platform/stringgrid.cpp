#include "stringgrid.h"

#include <QHeaderView>
#include <QLineEdit>

StringGridModel::StringGridModel(QObject* parent) : QAbstractTableModel(parent) {}

void StringGridModel::SetSize(int colCount, int rowCount) {
    beginResetModel();
    colCount_ = colCount < 0 ? 0 : colCount;
    rowCount_ = rowCount < 1 ? 1 : rowCount;
    cells_.resize(static_cast<std::size_t>(rowCount_));
    for (auto& row : cells_) {
        row.resize(static_cast<std::size_t>(colCount_));
    }
    endResetModel();
}

QString StringGridModel::Cell(int col, int row) const {
    if (col < 0 || col >= colCount_ || row < 0 || row >= rowCount_) {
        return {};
    }
    return cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
}

void StringGridModel::SetCell(int col, int row, const QString& text) {
    if (col < 0 || col >= colCount_ || row < 0 || row >= rowCount_) {
        return;
    }
    QString& cell = cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
    if (cell == text) {
        return;
    }
    cell = text;
    if (row == 0) {
        emit headerDataChanged(Qt::Horizontal, col, col);
    } else {
        // A cell's text can change the colours of its whole row.
        emit dataChanged(index(row - 1, 0), index(row - 1, colCount_ - 1));
    }
}

void StringGridModel::RefreshStyles() {
    if (rowCount_ > 1 && colCount_ > 0) {
        emit dataChanged(index(0, 0), index(rowCount_ - 2, colCount_ - 1));
    }
}

int StringGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rowCount_ - 1;
}

int StringGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : colCount_;
}

QVariant StringGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        return Cell(index.column(), index.row() + 1);
    }
    if (style_) {
        return style_(index.column(), index.row() + 1, role);
    }
    return {};
}

bool StringGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole) {
        return false;
    }
    SetCell(index.column(), index.row() + 1, value.toString());
    return true;
}

QVariant StringGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return Cell(section, 0);
    }
    if (role == Qt::TextAlignmentRole) {
        return int(Qt::AlignCenter);
    }
    return {};
}

Qt::ItemFlags StringGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    if (index.column() < fixedCols_) {
        return Qt::ItemIsEnabled;
    }
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

StringGridDelegate::StringGridDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

QWidget* StringGridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                          const QModelIndex& index) const {
    auto* editor = new QLineEdit(parent);
    editor->setFrame(false);
    auto* model = const_cast<QAbstractItemModel*>(index.model());
    QPersistentModelIndex target(index);
    connect(editor, &QLineEdit::textEdited, editor, [model, target](const QString& text) {
        if (target.isValid()) {
            model->setData(target, text, Qt::EditRole);
        }
    });
    if (setup_) {
        setup_(editor, index.column(), index.row() + 1);
    }
    emit editorCreated(editor, index.column(), index.row() + 1);
    return editor;
}

void StringGridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* line = static_cast<QLineEdit*>(editor);
    QString text = index.data(Qt::EditRole).toString();
    if (editText_) {
        text = editText_(index.column(), index.row() + 1, text);
    }
    if (line->text() != text) {
        line->setText(text);
    }
}

void StringGridDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                      const QModelIndex& index) const {
    auto* line = static_cast<QLineEdit*>(editor);
    // Only what the user typed replaces the cell; an editor that was merely
    // opened leaves the cell's own text (which may be formatted) alone.
    if (line->isModified()) {
        model->setData(index, line->text(), Qt::EditRole);
    }
}

TStringGrid::TStringGrid(QWidget* parent) : QTableView(parent) {
    model_ = new StringGridModel(this);
    delegate_ = new StringGridDelegate(this);
    setModel(model_);
    setItemDelegate(delegate_);
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    setWordWrap(false);
    connect(delegate_, &StringGridDelegate::editorCreated, this,
            [this](QLineEdit* editor, int, int) { editor_ = editor; });
}

void TStringGrid::SetHeaderHeight(int height) {
    horizontalHeader()->setFixedHeight(height);
}

void TStringGrid::SetDefaultRowHeight(int height) {
    verticalHeader()->setMinimumSectionSize(height);
    verticalHeader()->setDefaultSectionSize(height);
}

int TStringGrid::DefaultRowHeight() const {
    return verticalHeader()->defaultSectionSize();
}

int TStringGrid::Col() const {
    QModelIndex index = currentIndex();
    return index.isValid() ? index.column() : -1;
}

int TStringGrid::Row() const {
    QModelIndex index = currentIndex();
    return index.isValid() ? index.row() + 1 : -1;
}

void TStringGrid::SetCurrentCell(int col, int row) {
    QModelIndex index = model_->index(row - 1, col);
    if (index.isValid()) {
        setCurrentIndex(index);
        scrollTo(index);
    }
}

bool TStringGrid::CellAt(const QPoint& viewportPoint, int* col, int* row) const {
    QModelIndex index = indexAt(viewportPoint);
    if (!index.isValid()) {
        return false;
    }
    *col = index.column();
    *row = index.row() + 1;
    return true;
}

QLineEdit* TStringGrid::OpenEditor() const {
    return state() == QAbstractItemView::EditingState ? editor_.data() : nullptr;
}

void TStringGrid::FlushEditor() {
    QLineEdit* editor = OpenEditor();
    if (editor != nullptr && editor->isModified()) {
        model_->setData(currentIndex(), editor->text(), Qt::EditRole);
    }
}

QModelIndex TStringGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    QModelIndex next = QTableView::moveCursor(action, modifiers);
    // Fixed columns cannot take the cursor.
    if (next.isValid() && next.column() < model_->FixedCols()) {
        return model_->index(next.row(), model_->FixedCols());
    }
    return next;
}
