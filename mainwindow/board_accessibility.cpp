// SPDX-License-Identifier: GPL-3.0-or-later
#include "board_accessibility.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QPointer>
#include <QWindow>

#include <array>

#include "board_picture.h"

namespace velmora {

namespace {

constexpr int kCells = BoardPicture::kCells;

// One cell, (column, row) each 1..9; table index (row - 1, column - 1).
class AccessibleCell : public QAccessibleInterface,
                       public QAccessibleTableCellInterface,
                       public QAccessibleActionInterface {
    Q_DECLARE_TR_FUNCTIONS(AccessibleCell)

public:
    AccessibleCell(BoardPicture* board, int column, int row)
        : board_(board), column_(column), row_(row) {}

    bool isValid() const override { return !board_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return board_->window()->windowHandle(); }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(board_);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name) {
            return QString();
        }
        QString content = tr("empty");
        switch (board_->cellContent(column_, row_)) {
            case BoardPicture::CellContent::Yours:
                content = tr("yours");
                break;
            case BoardPicture::CellContent::Opponents:
                content = tr("opponent's");
                break;
            case BoardPicture::CellContent::Empty:
                break;
        }
        return tr("column %1, row %2, %3").arg(column_).arg(row_).arg(content);
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        const QRect cell = board_->cellRect(column_, row_);
        return QRect(board_->mapToGlobal(cell.topLeft()), cell.size());
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.focusable = true;
        state.focused = board_->hasFocus() && board_->focusCell() == QPoint(column_, row_);
        state.invisible = !board_->isVisible();
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableCellInterface) {
            return static_cast<QAccessibleTableCellInterface*>(this);
        }
        if (type == QAccessible::ActionInterface) {
            return static_cast<QAccessibleActionInterface*>(this);
        }
        return nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return column_ - 1; }
    int rowIndex() const override { return row_ - 1; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

    QStringList actionNames() const override { return {pressAction(), setFocusAction()}; }
    void doAction(const QString& name) override {
        if (name == pressAction()) {
            board_->playCell(column_, row_);
        } else if (name == setFocusAction()) {
            board_->setFocus(Qt::OtherFocusReason);
            board_->setFocusCell(column_, row_);
        }
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<BoardPicture> board_;
    int column_;
    int row_;
};

class AccessibleBoard : public QAccessibleWidget, public QAccessibleTableInterface {
    Q_DECLARE_TR_FUNCTIONS(AccessibleBoard)

public:
    explicit AccessibleBoard(BoardPicture* board) : QAccessibleWidget(board, QAccessible::Table) {}
    ~AccessibleBoard() override {
        for (QAccessible::Id id : cellIds_) {
            if (id != 0) {
                QAccessible::deleteAccessibleInterface(id);
            }
        }
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface) {
            return static_cast<QAccessibleTableInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }
    int childCount() const override { return kCells * kCells; }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) {
            return nullptr;
        }
        QAccessible::Id& id = cellIds_[std::size_t(index)];
        if (id == 0) {
            id = QAccessible::registerAccessibleInterface(
                new AccessibleCell(board(), index % kCells + 1, index / kCells + 1));
        }
        return QAccessible::accessibleInterface(id);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* cell = const_cast<QAccessibleInterface*>(child)->tableCellInterface();
        return cell != nullptr && child->parent() == this
                   ? cell->rowIndex() * kCells + cell->columnIndex()
                   : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int index = 0; index < childCount(); ++index) {
            if (child(index)->rect().contains(x, y)) {
                return child(index);
            }
        }
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        const QPoint cell = board()->focusCell();
        return board()->hasFocus() ? cellAt(cell.y() - 1, cell.x() - 1) : nullptr;
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        const bool inside = row >= 0 && row < kCells && column >= 0 && column < kCells;
        return inside ? child(row * kCells + column) : nullptr;
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override { return tr("column %1").arg(column + 1); }
    QString rowDescription(int row) const override { return tr("row %1").arg(row + 1); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return kCells; }
    int rowCount() const override { return kCells; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    BoardPicture* board() const { return static_cast<BoardPicture*>(widget()); }

    // Cells are made when first asked for and live as long as the board's table.
    mutable std::array<QAccessible::Id, kCells * kCells> cellIds_{};
};

QAccessibleInterface* boardFactory(const QString&, QObject* object) {
    auto* board = qobject_cast<BoardPicture*>(object);
    return board != nullptr ? new AccessibleBoard(board) : nullptr;
}

void tell(BoardPicture* board, int column, int row, QAccessible::Event type) {
    // Nothing listens unless a reader (or a test) has turned accessibility on.
    if (!QAccessible::isActive()) {
        return;
    }
    if (QAccessibleInterface* table = QAccessible::queryAccessibleInterface(board)) {
        QAccessibleEvent event(table->tableInterface()->cellAt(row - 1, column - 1), type);
        QAccessible::updateAccessibility(&event);
    }
}

}  // namespace

void installBoardAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(boardFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

void tellFocusCell(BoardPicture* board) {
    tell(board, board->focusCell().x(), board->focusCell().y(), QAccessible::Focus);
}

void tellCellChanged(BoardPicture* board, int column, int row) {
    tell(board, column, row, QAccessible::NameChanged);
}

}  // namespace velmora
