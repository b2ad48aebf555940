#include "ui/send_dialog.h"

#include "table/stick_load.h"
#include "ui/control_tips.h"
#include "ui/stored_settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QGroupBox>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSerialPort>
#include <QSerialPortInfo>
#include <QVBoxLayout>

namespace vorlix {

namespace {

using Result = StickOutcome::Result;

const Stored<SendSettings> sendFields[] = {{"port", &SendSettings::port},
                                           {"baud", &SendSettings::baud},
                                           {"invert", &SendSettings::invert},
                                           {"swap", &SendSettings::swap},
                                           {"reverse", &SendSettings::reverse}};

// The AVR example's three rates first, then others adapters offer.
const QStringList baudRates = {QStringLiteral("9600"),  QStringLiteral("38400"),
                               QStringLiteral("76800"), QStringLiteral("19200"),
                               QStringLiteral("57600"), QStringLiteral("115200")};

} // namespace

SendSettings SendSettings::load() {
    return loadStored("sendToStick", sendFields);
}

void SendSettings::save() const {
    saveStored(*this, "sendToStick", sendFields);
}

QList<SerialPortEntry> systemSerialPorts() {
    QList<SerialPortEntry> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
#ifdef Q_OS_WIN
        const QString path = info.portName(); // COM3, as Windows names it
#else
        const QString path = info.systemLocation();
#endif
        ports.append({path, info.description()});
    }
    return ports;
}

SendDialog::SendDialog(const QLineEdit* message, const QCheckBox* blank, Library library,
                       QWidget* parent, PortLister ports)
    : QDialog(parent), message_(message), blank_(blank), library_(std::move(library)),
      ports_(std::move(ports)) {
    setObjectName(QStringLiteral("SendDialog"));
    setWindowTitle(tr("Send to stick"));
    const SendSettings start = SendSettings::load();

    port_ = new QComboBox(this);
    port_->setObjectName(QStringLiteral("port"));
    port_->setEditable(true);
    port_->setInsertPolicy(QComboBox::NoInsert);
    port_->setMinimumContentsLength(24);
    port_->lineEdit()->setPlaceholderText(tr("Choose or type a serial port"));
    port_->setCurrentText(start.port);
    baud_ = new QComboBox(this);
    baud_->setObjectName(QStringLiteral("baud"));
    baud_->setEditable(true);
    baud_->setInsertPolicy(QComboBox::NoInsert);
    baud_->addItems(baudRates);
    baud_->setValidator(new QIntValidator(1, 4000000, baud_));
    baud_->setCurrentText(QString::number(start.baud));
    const auto check = [this](const char* name, const QString& caption, bool value) {
        auto* box = new QCheckBox(caption, this);
        box->setObjectName(QLatin1String(name));
        box->setChecked(value);
        return box;
    };
    invert_ = check("invert", tr("&Invert Bits: a 1 bit lights its LED"), start.invert);
    swap_ =
        check("swap", tr("S&wap MSB/ LSB: the bottom LED is the most significant bit"), start.swap);
    reverse_ = check("reverse", tr("&Reverse: the stick spins the other way"), start.reverse);
    auto* wiring = new QGroupBox(tr("The stick's wiring, as its firmware was built"), this);
    auto* checks = new QVBoxLayout(wiring);
    for (QCheckBox* box : {invert_, swap_, reverse_}) {
        checks->addWidget(box);
    }
    what_ = new QLabel(this);
    what_->setObjectName(QStringLiteral("message"));
    what_->setWordWrap(true);
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("progress"));
    progress_->setTextVisible(false);
    progress_->hide();
    answer_ = new QLabel(this);
    answer_->setObjectName(QStringLiteral("answer"));
    answer_->setWordWrap(true);
    answer_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    answer_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    answer_->setMinimumHeight(answer_->fontMetrics().lineSpacing() * 4);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    send_ = buttons->addButton(tr("&Send"), QDialogButtonBox::ActionRole);
    send_->setObjectName(QStringLiteral("send"));
    send_->setDefault(true);

    auto* form = new QFormLayout(this);
    form->addRow(tr("&Port:"), port_);
    form->addRow(tr("&Baud rate:"), baud_);
    form->addRow(wiring);
    form->addRow(tr("Message:"), what_);
    form->addRow(progress_);
    form->addRow(answer_);
    form->addRow(buttons);

    explain(port_, tr("The serial port the stick is on: a USB-serial adapter, or a Bluetooth "
                      "module's port. One the list lacks (a pseudo-terminal, /dev/rfcomm0) can "
                      "be typed."));
    explain(baud_, tr("The stick's baud rate, as its firmware was built (the AVR example: 9600 "
                      "unless built otherwise)."));
    explain(wiring, tr("How the stick lights a bit, as its firmware was built. The main window's "
                       "Invert Bits and Swap MSB/ LSB describe the library, not the stick."));
    explain(invert_, tr("A 1 bit lights the stick's LED (the AVR example's way); unticked, a 0 "
                        "bit does."));
    explain(swap_, tr("The stick's bottom LED is the most significant bit; unticked, the top "
                      "one."));
    explain(reverse_, tr("The stick spins the other way: the columns go in the opposite order, "
                         "each glyph mirrored."));
    explain(what_, tr("What is sent: the main window's message, with its blank columns."));
    explain(progress_, tr("How much of the message has gone out on the line."));
    explain(answer_, tr("The stick's answer to the last send, or why there was none."));
    explain(send_, tr("Asks the stick what it holds, then sends the message's columns and waits "
                      "for the stick to store them. The window stays free meanwhile."));

    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(send_, &QPushButton::clicked, this, &SendDialog::send);
    for (QComboBox* box : {port_, baud_}) {
        connect(box, &QComboBox::currentTextChanged, this, &SendDialog::updateSend);
    }
    connect(message_, &QLineEdit::textChanged, this, &SendDialog::messageChanged);
    connect(blank_, &QCheckBox::toggled, this, &SendDialog::messageChanged);
    messageChanged();
    // The ports are listed each time it is shown.
}

void SendDialog::setPortLister(PortLister ports) {
    ports_ = std::move(ports);
    listPorts();
}

void SendDialog::listPorts() {
    const QString chosen = port_->currentText();
    port_->clear();
    for (const SerialPortEntry& entry : ports_()) {
        port_->addItem(entry.path);
        port_->setItemData(port_->count() - 1, entry.description, Qt::ToolTipRole);
    }
    port_->setCurrentText(chosen);
}

void SendDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    listPorts(); // an adapter may have come since
}

SendSettings SendDialog::settings() const {
    return {port_->currentText().trimmed(), baud_->currentText().toInt(), invert_->isChecked(),
            swap_->isChecked(), reverse_->isChecked()};
}

StickLoad SendDialog::load() const {
    FirmwareRequest request;
    request.message = message_->text().toStdString();
    request.blank = blank_->isChecked();
    request.options = {invert_->isChecked(), swap_->isChecked()};
    request.reverse = reverse_->isChecked();
    return columnsLoad(request, library_());
}

void SendDialog::messageChanged() {
    columns_ = load().payload.size();
    what_->setText(columns_ == 0
                       ? tr("The message box is empty: there is nothing to send.")
                       : tr("\"%1\", %n columns", nullptr, int(columns_)).arg(message_->text()));
    updateSend();
}

void SendDialog::updateSend() {
    const SendSettings chosen = settings();
    send_->setEnabled(!sending() && columns_ > 0 && !chosen.port.isEmpty() && chosen.baud > 0);
}

void SendDialog::send() {
    if (sending()) {
        return;
    }
    const SendSettings chosen = settings();
    chosen.save();
    sent_ = {chosen.port, chosen.baud, load()};
    auto* port = new QSerialPort(chosen.port); // 8 data bits, no parity, 1 stop bit
    port->setBaudRate(chosen.baud);
    sender_ = new StickSender(*port, chosen.port, chosen.baud, sent_.load, this);
    port->setParent(sender_);
    connect(sender_, &StickSender::progress, this, [this](qint64 written, qint64 total) {
        progress_->setRange(0, int(total));
        progress_->setValue(int(written));
        answer_->setText(written < total ? tr("Sending the message...")
                                         : tr("Sent; waiting for the stick to store it..."));
    });
    connect(sender_, &StickSender::finished, this, &SendDialog::ended);
    progress_->setRange(0, 0); // busy until the stick has answered the query
    progress_->show();
    answer_->setText(
        tr("Asking the stick at %1 what it holds...").arg(QDir::toNativeSeparators(chosen.port)));
    updateSend();
    sender_->start();
}

void SendDialog::ended(const StickOutcome& outcome) {
    sender_->deleteLater(); // it is still emitting
    sender_ = nullptr;
    progress_->hide();
    answer_->setText(words(outcome));
    if (outcome.result == Result::optionsDiffer) {
        // The stick said how it is wired: the next send uses that.
        invert_->setChecked(outcome.device->invert);
        swap_->setChecked(outcome.device->swapMsb);
        reverse_->setChecked(outcome.device->reverse);
        settings().save();
    }
    updateSend();
}

QString SendDialog::words(const StickOutcome& outcome) const {
    const QString port = QDir::toNativeSeparators(sent_.port);
    const int columns = int(sent_.load.payload.size());
    const auto options = [](bool invert, bool swap, bool reverse) {
        QStringList named;
        for (const auto& [set, name] :
             {std::pair{invert, tr("Invert Bits")}, std::pair{swap, tr("Swap MSB/ LSB")},
              std::pair{reverse, tr("Reverse")}}) {
            if (set) {
                named << name;
            }
        }
        return named.isEmpty() ? tr("none of the options") : named.join(tr(", "));
    };
    switch (outcome.result) {
    case Result::acknowledged:
        return tr("The stick stored the message (%n columns); it draws it from its next turn.",
                  nullptr, columns);
    case Result::refused: {
        QString reason;
        switch (outcome.reason) {
        case stick::Refusal::badCrc:
            reason = tr("it arrived damaged (bad CRC) at every try; check the wiring, the ground "
                        "and the baud rate");
            break;
        case stick::Refusal::tooLong:
            reason = tr("it is too long for the stick");
            break;
        case stick::Refusal::unknownKind:
            reason = tr("the stick takes no message columns");
            break;
        case stick::Refusal::unknownVersion:
            reason = tr("the stick speaks another version of the protocol");
            break;
        case stick::Refusal::badPayload:
            reason = tr("it is not in the form the protocol gives");
            break;
        default:
            reason = tr("reason %1, which this program does not know").arg(int(outcome.reason));
        }
        return tr("The stick refused the message: %1. It still shows what it showed.").arg(reason);
    }
    case Result::noAnswer:
        return tr("No answer from %1 to %n queries. Is the stick powered, and running firmware "
                  "that speaks the protocol at %2 baud? Nothing was sent.",
                  nullptr, StickSender::Timing{}.queryTries)
            .arg(port)
            .arg(sent_.baud);
    case Result::noAcknowledgement:
        return tr("The stick answered, but did not acknowledge the message after %n tries; it "
                  "may still show the old one.",
                  nullptr, StickSender::Timing{}.payloadTries);
    case Result::cannotOpen:
        return tr("The serial port %1 cannot be opened: %2").arg(port, outcome.detail);
    case Result::permissionDenied:
        return tr("You may not open the serial port %1; members of the group \"%2\" may. On "
                  "Debian: sudo adduser $USER %2, then log in again.")
            .arg(port, outcome.group);
    case Result::portFailed:
        return tr("Writing to the serial port %1 failed: %2").arg(port, outcome.detail);
    case Result::tooLong:
        return tr("The message is %n columns, but the stick holds at most %1. Nothing was "
                  "sent.",
                  nullptr, int(outcome.length))
            .arg(outcome.limit);
    case Result::notTaken:
        return tr("The stick takes no message columns. Nothing was sent.");
    case Result::optionsDiffer: {
        const stick::DeviceInfo& device = *outcome.device;
        return tr("The stick is wired for %1, but the message was encoded for %2. Its options "
                  "are ticked now: press Send again.")
            .arg(
                options(device.invert, device.swapMsb, device.reverse),
                options(sent_.load.options.invert, sent_.load.options.swapMsb, sent_.load.reverse));
    }
    }
    return {};
}

} // namespace vorlix
