#include "ui/font_list_model.h"

#include "library/library_format.h"

namespace vorlix {

void FontListModel::setTable(const FontTable* table) {
    beginResetModel();
    table_ = table;
    endResetModel();
}

int FontListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || table_ == nullptr ? 0 : static_cast<int>(table_->size());
}

QVariant FontListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    return QString::fromStdString(listLine((*table_)[static_cast<std::size_t>(index.row())]));
}

} // namespace vorlix
