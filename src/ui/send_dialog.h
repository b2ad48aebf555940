#pragma once
// "Send to stick...": the message of the message box sent to a stick's
// firmware over a serial port by the core's StickSender, its columns encoded
// as the stick is wired. The stick's options are the dialog's own, apart
// from the main window's Invert Bits and Swap MSB/ LSB, which describe the
// library. The dialog never waits: it shows the progress, then the stick's
// answer in words, and remembers its choices (QSettings).

#include "library/font_record.h"
#include "table/stick_sender.h"

#include <QDialog>
#include <QList>

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace vorlix {

// What "Send to stick..." remembers: the last port, its baud rate and how
// the stick is wired.
struct SendSettings {
    QString port;
    int baud = 9600;
    bool invert = false;
    bool swap = false;
    bool reverse = false;

    static SendSettings load();
    void save() const;
};

// A serial port the system lists.
struct SerialPortEntry {
    QString path;        // what opens it: /dev/ttyUSB0, COM3
    QString description; // the adapter's, where the system knows it
};
using PortLister = std::function<QList<SerialPortEntry>()>;
QList<SerialPortEntry> systemSerialPorts(); // as QSerialPortInfo finds them

class SendDialog : public QDialog {
    Q_OBJECT
public:
    // It sends the message box's text with a blank column after each
    // character when blank is ticked, following both as they change, in the
    // glyphs library gives.
    using Library = std::function<const FontTable&()>;
    SendDialog(const QLineEdit* message, const QCheckBox* blank, Library library, QWidget* parent,
               PortLister ports = systemSerialPorts);

    // Lists the ports anew, keeping the one chosen or typed; so does showing.
    void setPortLister(PortLister ports);
    bool sending() const { return sender_ != nullptr; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void messageChanged();
    void listPorts();
    SendSettings settings() const;
    StickLoad load() const;
    void updateSend();
    void send();
    void ended(const StickOutcome& outcome);
    QString words(const StickOutcome& outcome) const;

    const QLineEdit* message_;
    const QCheckBox* blank_;
    const Library library_;
    PortLister ports_;
    std::size_t columns_ = 0;       // the message's, now
    StickSender* sender_ = nullptr; // while sending; it owns its port
    struct {
        QString port;
        int baud = 0;
        StickLoad load;
    } sent_; // the last send's

    QComboBox* port_ = nullptr;
    QComboBox* baud_ = nullptr;
    QCheckBox* invert_ = nullptr;
    QCheckBox* swap_ = nullptr;
    QCheckBox* reverse_ = nullptr;
    QLabel* what_ = nullptr; // the message and its columns
    QProgressBar* progress_ = nullptr;
    QLabel* answer_ = nullptr;
    QPushButton* send_ = nullptr;
};

} // namespace vorlix
