#include "platform/TableView.h"

#include "platform/Application.h"
#include "platform/Painter.h"
#include "platform/Theme.h"

#include <algorithm>
#include <cmath>

namespace platform {

TableViewCell::TableViewCell() : content_(std::make_shared<View>()) { addSubview(content_); }

void TableViewCell::setSelected(bool selected)
{
    if (selected_ == selected)
        return;
    selected_ = selected;
    setNeedsDisplay();
    Application::viewChanged(*this, Application::ViewChange::Selection);
}

void TableViewCell::draw(Painter& painter) const
{
    View::draw(painter);
    if (selected_)
        painter.fillRect({0, 0, frame().width(), frame().height()}, theme::highlightOverlay);
    painter.fillRect({0, frame().height() - 1, frame().width(), 1}, theme::separator);
}

TableView::TableView(Rect frame) : ScrollView(frame) {}

void TableView::reloadData()
{
    for (auto& cell : cells_)
        cell->removeFromSuperview();
    cells_.clear();
    selected_.reset();
    if (dataSource_ && dataSource_->numberOfSectionsInTableView(*this) > 0) {
        int rows = std::max(0, dataSource_->numberOfRowsInSection(*this, 0));
        cells_.reserve(size_t(rows));
        for (int row = 0; row < rows; ++row) {
            auto cell = dataSource_->cellForRowAtIndexPath(*this, {0, row});
            if (!cell)
                cell = std::make_shared<TableViewCell>();
            cells_.push_back(cell);
            addSubview(cell);
        }
    }
    layoutCells();
    setContentOffset(contentOffset());
}

void TableView::layoutCells()
{
    for (size_t row = 0; row < cells_.size(); ++row)
        cells_[row]->setFrame({0, float(row) * rowHeight_, frame().width(), rowHeight_});
}

View* TableView::cellForRow(int row) const
{
    return row >= 0 && row < int(cells_.size()) ? cells_[size_t(row)].get() : nullptr;
}

void TableView::deselectRowAtIndexPath(IndexPath path, bool)
{
    if (selected_ != path)
        return;
    if (auto* cell = dynamic_cast<TableViewCell*>(cellForRow(path.row)))
        cell->setSelected(false);
    selected_.reset();
}

void TableView::scrollToRow(int row)
{
    float top = float(row) * rowHeight_;
    if (top < contentOffset())
        setContentOffset(top);
    else if (top + rowHeight_ > contentOffset() + frame().height())
        setContentOffset(top + rowHeight_ - frame().height());
}

void TableView::tapped(const Touch& touch)
{
    Point p = touch.locationInView(*this);
    int row = int(std::floor(p.y / rowHeight_));
    if (p.y < 0 || row >= int(cells_.size()) || !bounds().contains(p))
        return;
    selectRow(row);
}

void TableView::selectRow(int row)
{
    if (selected_)
        deselectRowAtIndexPath(*selected_, false);
    selected_ = IndexPath{0, row};
    if (auto* cell = dynamic_cast<TableViewCell*>(cellForRow(row)))
        cell->setSelected(true);
    if (delegate_)
        delegate_->didSelectRowAtIndexPath(*this, *selected_);
}

bool TableView::keyDown(Key key)
{
    const int rows = int(cells_.size());
    if (rows == 0)
        return false;
    const int from = std::min(rows - 1, keyRow_.value_or(selected_ ? selected_->row : -1));
    switch (key) {
    case Key::Up: keyRow_ = std::max(0, from - 1); break;
    case Key::Down: keyRow_ = std::min(rows - 1, from + 1); break;
    case Key::Home: keyRow_ = 0; break;
    case Key::End: keyRow_ = rows - 1; break;
    case Key::Return:
    case Key::Space:
        if (from < 0)
            return false;
        selectRow(from);
        return true;
    default: return false;
    }
    scrollToRow(*keyRow_);
    return true;
}

Rect TableView::focusRect() const
{
    // Rows are laid out in the scrolled space, which is the bounds space.
    if (!keyRow_ || *keyRow_ >= int(cells_.size()))
        return bounds();
    return {0, float(*keyRow_) * rowHeight_, frame().width(), rowHeight_};
}

void TableView::draw(Painter& painter) const
{
    View::draw(painter);
    drawScrollIndicator(painter, Color::white(0.45f));
}

} // namespace platform
