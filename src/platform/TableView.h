#pragma once

#include "platform/ScrollView.h"

#include <optional>

namespace platform {

class TableView;

struct IndexPath {
    int section = 0;
    int row = 0;
    friend bool operator==(const IndexPath&, const IndexPath&) = default;
};

class TableViewDataSource {
public:
    virtual ~TableViewDataSource() = default;
    virtual int numberOfSectionsInTableView(TableView&) { return 1; }
    virtual int numberOfRowsInSection(TableView&, int section) = 0;
    virtual std::shared_ptr<View> cellForRowAtIndexPath(TableView&, IndexPath path) = 0;
};

class TableViewDelegate {
public:
    virtual ~TableViewDelegate() = default;
    virtual void didSelectRowAtIndexPath(TableView&, IndexPath path) = 0;
};

// A plain table cell: what a row shows goes into its content view.
class TableViewCell : public View {
public:
    TableViewCell();
    View& contentView() { return *content_; }
    bool isSelected() const { return selected_; }
    void setSelected(bool selected);
    void draw(Painter& painter) const override;

private:
    std::shared_ptr<View> content_;
    bool selected_ = false;
};

// One section of rows of equal height; a tap that did not scroll selects the row under it.
class TableView : public ScrollView {
public:
    explicit TableView(Rect frame = {});

    void setDataSource(TableViewDataSource* source) { dataSource_ = source; }
    void setDelegate(TableViewDelegate* delegate) { delegate_ = delegate; }
    float rowHeight() const { return rowHeight_; }
    void setRowHeight(float height) { rowHeight_ = height; }

    // Asks the data source for every row again; each call makes new cells.
    void reloadData();
    int numberOfRows() const { return int(cells_.size()); }
    View* cellForRow(int row) const;
    std::optional<IndexPath> indexPathForSelectedRow() const { return selected_; }
    void deselectRowAtIndexPath(IndexPath path, bool animated);
    // As a tap on the row would: selected, and the delegate told.
    void selectRow(int row);

    // Scrolls just enough to show the row whole.
    void scrollToRow(int row);

    void draw(Painter& painter) const override;

    // The keyboard: Up and Down move the focus over the rows, Return and Space select the row.
    bool canBecomeFocused() const override { return !cells_.empty(); }
    bool keyDown(Key key) override;
    Rect focusRect() const override;

protected:
    float contentHeight() const override { return float(cells_.size()) * rowHeight_; }
    void tapped(const Touch& touch) override;

private:
    void layoutCells();

    TableViewDataSource* dataSource_ = nullptr;
    TableViewDelegate* delegate_ = nullptr;
    float rowHeight_ = 44;
    std::vector<std::shared_ptr<View>> cells_;
    std::optional<IndexPath> selected_;
    std::optional<int> keyRow_;
};

} // namespace platform
