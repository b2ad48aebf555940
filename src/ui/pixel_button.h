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

    // Where the dot sits, counted from 1; with its state it makes the name a
    // screen reader speaks, "column 2, row 5, lit".
    void setCell(int column, int row);

    static QColor lit() { return QColor(255, 0, 0); }
    static QColor dark() { return QColor(0, 0, 0); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void nameForScreenReaders();

    QColor colour_ = dark();
    int column_ = 0;
    int row_ = 0;
};

} // namespace vorlix
