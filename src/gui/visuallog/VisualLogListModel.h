#pragma once

#include <QAbstractListModel>
#include <cstddef>

namespace arbovane {

class VisualLog;

// One category of a Visual Log as a list model, shared by the Visual Log window and its zoom
// window so both always show the same lines. It reads the log's own storage; lines the log
// appended become rows only when AnnounceAppended is called, one insertion per batch.
class VisualLogListModel : public QAbstractListModel {
    Q_OBJECT
public:
    VisualLogListModel(const VisualLog& log, std::size_t category, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    void AnnounceAppended();
    void BeginClear();
    void EndClear();

private:
    const VisualLog& log_;
    std::size_t category_;
    int rows_ = 0;
};

}  // namespace arbovane
