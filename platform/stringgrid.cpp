#include "stringgrid.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

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
    if (!index.isValid() || role != Qt::EditRole ||
        !IsEditableCell(index.column(), index.row() + 1)) {
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
    if (style_) {
        return style_(section, 0, role);
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
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (IsEditableCell(index.column(), index.row() + 1)) {
        flags |= Qt::ItemIsEditable;
    }
    return flags;
}

namespace {

// Far more than the longest text any grid of the program takes from typing.
constexpr qsizetype EditorTextLimit = 1024;

} // namespace

StringGridDelegate::StringGridDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

QWidget* StringGridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                          const QModelIndex& index) const {
    auto* editor = new QLineEdit(parent);
    editor->setFrame(false);
    // The editor is always open, so it has to mark the current cell itself.
    QPalette palette = editor->palette();
    palette.setColor(QPalette::Base, QColor(0xCC, 0xE8, 0xFF));
    editor->setPalette(palette);
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

bool StringGridDelegate::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && editorKey_) {
        if (auto* editor = qobject_cast<QLineEdit*>(watched);
            editor != nullptr && editorKey_(editor, static_cast<QKeyEvent*>(event))) {
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(watched, event);
}

namespace {

bool IsRightToLeft(QChar ch) {
    switch (ch.direction()) {
    case QChar::DirR:
    case QChar::DirAL:
    case QChar::DirRLE:
    case QChar::DirRLO:
    case QChar::DirRLI:
        return true;
    default:
        return false;
    }
}

} // namespace

QString CellTextThatFits(const QString& text, int width, Qt::Alignment alignment) {
    // No character is narrower than a pixel but for marks that combine with
    // another, so twice the width (and a margin) is more than a cell shows.
    const qsizetype keep = 2 * static_cast<qsizetype>(std::max(width, 0)) + 64;
    if (text.size() <= keep) {
        return text;
    }
    qsizetype start = 0;
    if (alignment & Qt::AlignRight) {
        start = text.size() - keep;
    } else if (alignment & Qt::AlignHCenter) {
        start = (text.size() - keep) / 2;
    }
    QString part = text.mid(start, keep);
    // Several lines, or right-to-left text shown from its other end, are
    // laid out whole.
    for (QChar ch : part) {
        if (ch == QChar::LineSeparator || ch == QLatin1Char('\n') || IsRightToLeft(ch)) {
            return text;
        }
    }
    // Never half a surrogate pair at either end.
    if (part.front().isLowSurrogate()) {
        part.remove(0, 1);
    }
    if (part.back().isHighSurrogate()) {
        part.chop(1);
    }
    return part;
}

QStyleOptionViewItem StringGridDelegate::CellOption(const QStyleOptionViewItem& option,
                                                    const QModelIndex& index) const {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    opt.text = CellTextThatFits(opt.text, opt.rect.width(), opt.displayAlignment);
    return opt;
}

void StringGridDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                              const QModelIndex& index) const {
    // Where the cell's text goes, as the base class finds it in a table, but
    // without laying out a long text to the end.
    QStyleOptionViewItem opt = CellOption(option, index);
    opt.showDecorationSelected = true;
    const QWidget* widget = opt.widget;
    QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
    editor->setGeometry(style->subElementRect(QStyle::SE_ItemViewItemText, &opt, widget));
}

void StringGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    // The cells are narrow (20 to 40 pixels): draw the text with a small
    // margin and clip it instead of eliding it to "…".
    QStyleOptionViewItem opt = CellOption(option, index);
    const QString text = opt.text;
    opt.text.clear();
    const QWidget* widget = opt.widget;
    QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
    // A cell coloured by its day keeps its colour when selected; the focus
    // frame still marks the current cell.
    if (index.data(Qt::BackgroundRole).isValid()) {
        opt.state &= ~QStyle::State_Selected;
    }
    // A cell that cannot be selected never shows the focus frame.
    if (!(index.flags() & Qt::ItemIsSelectable)) {
        opt.state &= ~QStyle::State_HasFocus;
    }
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
    painter->save();
    painter->setClipRect(opt.rect);
    QColor pen = opt.state & QStyle::State_Selected ? opt.palette.color(QPalette::HighlightedText)
                                                    : opt.palette.color(QPalette::Text);
    // A disabled grid (while the window waits for a question) greys every
    // cell alike; the cell colours set the text of all colour groups.
    if (!(opt.state & QStyle::State_Enabled)) {
        const QPalette& palette = widget != nullptr ? widget->palette() : QApplication::palette();
        pen = palette.color(QPalette::Disabled, QPalette::Text);
    }
    painter->setPen(pen);
    painter->drawText(opt.rect.adjusted(2, 0, -2, 0), int(opt.displayAlignment), text);
    painter->restore();
}

void StringGridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* line = static_cast<QLineEdit*>(editor);
    QString text = index.data(Qt::EditRole).toString();
    if (editText_) {
        text = editText_(index.column(), index.row() + 1, text);
    }
    // A text far longer than any cell takes from typing (a file edited
    // elsewhere) is laid out whole by the editor, which would stall every
    // move into its cell: the editor holds its start only, and read-only, so
    // that no edit drops the rest.
    const bool cut = text.size() > EditorTextLimit;
    if (cut) {
        text.truncate(EditorTextLimit);
        if (text.back().isHighSurrogate()) {
            text.chop(1);
        }
    }
    line->setReadOnly(cut);
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
    // The header row is fixed: a click selects nothing, a right click only
    // focuses the grid.
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(horizontalHeader(), &QWidget::customContextMenuRequested, this, [this] { setFocus(); });
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    // The editor is always open in the current cell, so typing goes
    // straight into it and a click into a cell can place the caret. A click
    // on the current cell opens its editor at once (mousePressEvent): the
    // view's own way waits a double-click interval first, and keys typed
    // meanwhile would go elsewhere.
    setEditTriggers(QAbstractItemView::CurrentChanged | QAbstractItemView::AnyKeyPressed |
                    QAbstractItemView::EditKeyPressed);
    setTabKeyNavigation(true);
    setWordWrap(false);
    connect(delegate_, &StringGridDelegate::editorCreated, this,
            [this](QLineEdit* editor, int, int) {
                editor_ = editor;
                editor->installEventFilter(this);
            });
    delegate_->SetEditorKey(
        [this](QLineEdit* editor, QKeyEvent* event) { return EditorKey(editor, event); });
}

void TStringGrid::SetHeaderHeight(int height) {
    horizontalHeader()->setFixedHeight(height);
}

void TStringGrid::FitLastColumn() {
    const int last = ColCount() - 1;
    if (last < 0) {
        return;
    }
    int others = 0;
    for (int col = 0; col < last; ++col) {
        others += ColWidths(col);
    }
    int rest = width() - others - 30;
    int rowsHeight = horizontalHeader()->height();
    for (int row = 0; row < model_->rowCount(); ++row) {
        rowsHeight += rowHeight(row);
    }
    rowsHeight += 2 * DefaultRowHeight();
    if (rowsHeight < height()) {
        rest += 15;
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    } else {
        setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    }
    SetColWidth(last, std::max(rest, 20));
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
        // A hidden grid is laid out for its real size only when it is shown:
        // scrolling it before would lay it out for nothing.
        if (isVisible()) {
            scrollTo(index);
        } else {
            scrollWhenShown_ = true;
        }
    }
}

void TStringGrid::showEvent(QShowEvent* event) {
    QTableView::showEvent(event);
    if (scrollWhenShown_) {
        scrollWhenShown_ = false;
        scrollTo(currentIndex());
    }
    // A cell made current while the grid was hidden got no editor: the
    // first key or click must find it open all the same.
    OpenCurrentEditor();
}

void TStringGrid::OpenCurrentEditor() {
    const QModelIndex current = currentIndex();
    if (current.isValid() && state() != QAbstractItemView::EditingState &&
        (model_->flags(current) & Qt::ItemIsEditable)) {
        edit(current);
    }
}

void TStringGrid::keyboardSearch(const QString&) {}

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

int TStringGrid::NextEditableColumn(int col, int step) const {
    for (int c = col + step; c >= 0 && c < model_->ColCount(); c += step) {
        if (model_->IsEditableColumn(c)) {
            return c;
        }
    }
    return -1;
}

bool TStringGrid::MoveByKey(int key, Qt::KeyboardModifiers modifiers) {
    int col = Col();
    int row = Row();
    if (col < 0 || row < 1) {
        return false;
    }
    int lastRow = model_->RowCount() - 1;
    switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab: {
        int step = key == Qt::Key_Backtab || (modifiers & Qt::ShiftModifier) ? -1 : 1;
        int next = NextEditableColumn(col, step);
        if (next < 0) {
            // Past the row's end: on to the next (or previous) row.
            int nextRow = row + step;
            if (nextRow < 1 || nextRow > lastRow) {
                return true;
            }
            next =
                step > 0 ? NextEditableColumn(-1, 1) : NextEditableColumn(model_->ColCount(), -1);
            row = nextRow;
        }
        SetCurrentCell(next, row);
        return true;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Down:
        SetCurrentCell(col, std::min(row + 1, lastRow));
        return true;
    case Qt::Key_Up:
        SetCurrentCell(col, std::max(row - 1, 1));
        return true;
    case Qt::Key_Left:
        SetCurrentCell(std::max(col - 1, model_->FixedCols()), row);
        return true;
    case Qt::Key_Right:
        SetCurrentCell(std::min(col + 1, model_->ColCount() - 1), row);
        return true;
    default:
        return false;
    }
}

void TStringGrid::keyPressEvent(QKeyEvent* event) {
    bool handled = false;
    emit cellKeyPressed(event->key(), &handled);
    if (handled) {
        event->accept();
        return;
    }
    if (MoveByKey(event->key(), event->modifiers())) {
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

bool TStringGrid::eventFilter(QObject* watched, QEvent* event) {
    auto* editor = qobject_cast<QLineEdit*>(watched);
    if (editor == nullptr || editor != editor_) {
        return QTableView::eventFilter(watched, event);
    }
    switch (event->type()) {
    case QEvent::MouseButtonDblClick: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        emit cellDoubleClicked(Col(), Row(), mouse->modifiers());
        return true;
    }
    case QEvent::ContextMenu: {
        auto* menu = static_cast<QContextMenuEvent*>(event);
        bool handled = false;
        emit cellRightClicked(Col(), Row(), menu->globalPos(), &handled);
        return handled;
    }
    default:
        break;
    }
    return QTableView::eventFilter(watched, event);
}

bool TStringGrid::EditorKey(QLineEdit* editor, QKeyEvent* key) {
    // Esc neither reverts nor closes the always-open editor; the window
    // decides what Esc means.
    if (key->key() == Qt::Key_Escape) {
        return true;
    }
    bool atStart = editor->cursorPosition() == 0 && !editor->hasSelectedText();
    bool atEnd = editor->cursorPosition() == editor->text().size() && !editor->hasSelectedText();
    bool move = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab ||
                key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
                key->key() == Qt::Key_Up || key->key() == Qt::Key_Down ||
                (key->key() == Qt::Key_Left && atStart) || (key->key() == Qt::Key_Right && atEnd);
    return move && MoveByKey(key->key(), key->modifiers());
}

void TStringGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    int col = 0;
    int row = 0;
    if (CellAt(event->position().toPoint(), &col, &row)) {
        emit cellDoubleClicked(col, row, event->modifiers());
        return;
    }
    QTableView::mouseDoubleClickEvent(event);
}

void TStringGrid::mousePressEvent(QMouseEvent* event) {
    int col = 0;
    int row = 0;
    if (CellAt(event->position().toPoint(), &col, &row)) {
        emit cellPressed(col, row);
        if (col < model_->FixedCols()) {
            // A fixed cell cannot become the current cell; the grid only
            // takes the focus.
            setFocus(Qt::MouseFocusReason);
            event->accept();
            return;
        }
    }
    QTableView::mousePressEvent(event);
    // The clicked cell is current now; its editor opens with the press, so
    // that a key typed right after the click goes into it.
    if (event->button() == Qt::LeftButton &&
        indexAt(event->position().toPoint()) == currentIndex()) {
        OpenCurrentEditor();
    }
}

void TStringGrid::contextMenuEvent(QContextMenuEvent* event) {
    if (event->reason() == QContextMenuEvent::Keyboard) {
        // The menu key means the current cell; the popup opens under it.
        QRect cell = visualRect(currentIndex());
        bool handled = false;
        emit cellRightClicked(Col(), Row(), viewport()->mapToGlobal(cell.bottomLeft()), &handled);
        return;
    }
    int col = 0;
    int row = 0;
    // Mouse context-menu events reach the view through its viewport, with the
    // position already in viewport coordinates.
    if (!CellAt(event->pos(), &col, &row)) {
        setFocus();
        return;
    }
    bool handled = false;
    emit cellRightClicked(col, row, event->globalPos(), &handled);
}

QModelIndex TStringGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    QModelIndex next = QTableView::moveCursor(action, modifiers);
    // Fixed columns cannot take the cursor.
    if (next.isValid() && next.column() < model_->FixedCols()) {
        return model_->index(next.row(), model_->FixedCols());
    }
    return next;
}
