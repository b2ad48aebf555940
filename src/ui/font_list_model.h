#pragma once
// The fonts list as a view of the font table: each line is formatted when
// the view asks for it, so a large library costs no second copy as text.

#include "library/font_record.h"

#include <QAbstractListModel>

namespace vorlix {

class FontListModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit FontListModel(QObject* parent = nullptr) : QAbstractListModel(parent) {}

    // Shows table, which must outlive the model or the next call; line k is
    // record k.
    void setTable(const FontTable* table);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    const FontTable* table_ = nullptr;
};

} // namespace vorlix
