#pragma once

#include <QCheckBox>

namespace vorlix {

// A check box whose caption wraps onto further lines within its width, as the
// window's narrow option boxes need.
class WrappingCheckBox : public QCheckBox {
    Q_OBJECT
public:
    using QCheckBox::QCheckBox;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;
};

} // namespace vorlix
