#pragma once
// The message as the eye sees it on the spinning stick, redrawn as the stick
// turns while the window is in view. The main window owns it, tells it when
// the message, an option or the library changes, and takes it along when it
// closes.

#include "editor/glyph.h"
#include "render/render.h"
#include "ui/message_box.h"

#include <QElapsedTimer>
#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QScrollArea;
class QSpinBox;
class QTimer;

namespace vorlix {

// What the spin preview keeps for the next run. Its blank column is the main
// window's check box, which starts unticked every run, so it is not kept.
struct SpinSettings {
    int speed = 1500; // revolutions per minute
    int share = 100;  // the percentage of the circle the text covers
    bool counterClockwise = false;
    QString colour = QStringLiteral("Red"); // as named in English
    bool strip = false;
    QString picture; // the last saved, where the next is suggested

    static SpinSettings load();
    void save() const;
};

class SpinPreview : public QWidget {
    Q_OBJECT
public:
    // The message's columns as the stick lights them, with or without a
    // blank column after each character.
    using ColumnsSource = std::function<std::vector<ColumnDots>(bool blank)>;
    // Chooses where "Save picture..." writes, starting from the file
    // suggested; empty when cancelled.
    using FileChooser = std::function<QString(QWidget* parent, const QString& suggested)>;
    // The time, in seconds, that frames are drawn for.
    using Clock = std::function<double()>;

    SpinPreview(ColumnsSource columns, MessageBoxHandler showMessage, QWidget* mainWindow);

    void setBlank(bool blank); // as the main window has it
    void columnsChanged();     // the message, an option or the library

    // The frame the ring shows now, side * side; the ring's side in pixels.
    QImage frame(int side);
    int ringSide() const;

    void setFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }
    void setClock(Clock clock) { clock_ = std::move(clock); }

signals:
    void blankToggled(bool blank);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void settingsChanged();
    SpinSettings settings() const;
    void animate();
    void savePicture();
    Spin spin(int columnCount) const;

    const ColumnsSource columnsOf_;
    const MessageBoxHandler showMessage_;
    FileChooser chooseFile_;
    Clock clock_;
    QElapsedTimer started_;

    std::vector<ColumnDots> columns_;
    std::optional<SpinningStick> stick_; // laid out for stickSide_
    int stickSide_ = 0;

    QWidget* ring_ = nullptr;
    QScrollArea* strip_ = nullptr;
    QLabel* stripPicture_ = nullptr;
    QSpinBox* speed_ = nullptr;
    QSpinBox* share_ = nullptr;
    QLabel* columnTime_ = nullptr;
    QComboBox* direction_ = nullptr;
    QComboBox* colour_ = nullptr;
    QCheckBox* blank_ = nullptr;
    QCheckBox* showStrip_ = nullptr;
    QLabel* saved_ = nullptr; // what the last "Save picture..." wrote, and where
    QString picture_;
    QTimer* animation_ = nullptr;
};

} // namespace vorlix
