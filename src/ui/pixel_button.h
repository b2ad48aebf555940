#pragma once

#include <QAbstractButton>
#include <QColor>

namespace vorlix {

// A square button without caption whose background colour is its state:
// red is a lit dot, black a dark one.
class PixelButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit PixelButton(QWidget* parent = nullptr);

    QColor colour() const { return colour_; }
    void setColour(const QColor& colour);
    bool isLit() const { return colour_ == lit(); }

    static QColor lit() { return QColor(255, 0, 0); }
    static QColor dark() { return QColor(0, 0, 0); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor colour_ = dark();
};

} // namespace vorlix
