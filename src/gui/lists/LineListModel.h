#pragma once

#include <QAbstractListModel>
#include <QSize>
#include <functional>
#include <string>
#include <vector>

namespace arbovane {

// Lines kept elsewhere (a list's own storage) as a list model, without a copy: a row reads its
// line only when a view shows it. The rows change only when the owner says so, so the lines may
// change in between (a long operation lets window messages run) without a view reading past them.
class LineListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using Source = std::function<const std::vector<std::string>&()>;

    explicit LineListModel(Source lines, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    const std::vector<std::string>& Lines() const { return lines_(); }
    // Shows the lines as they are now.
    void Reset();
    // Shows the lines appended since the rows last changed.
    void ShowAppended();
    // The size the last row reports, which a view with uniform rows gives every row; an invalid
    // size lets the delegate measure it.
    void SetLastRowSize(QSize size);
    bool LastRowSized() const { return lastRowSize_.isValid(); }

private:
    Source lines_;
    int rows_ = 0;
    QSize lastRowSize_;
};

}  // namespace arbovane
