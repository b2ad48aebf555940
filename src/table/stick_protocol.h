#pragma once
// The frames between a sender and a stick's firmware over a serial line
// (docs/protocol.md): a start mark, the version, a kind, the payload's
// length, the payload and a CRC-16/IBM-3740 of all but the mark.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace vorlix::stick {

using Bytes = std::vector<std::uint8_t>;

inline constexpr std::uint8_t startMark = 0xA5;
inline constexpr std::uint8_t protocolVersion = 1;

enum class Kind : std::uint8_t {
    query = 'Q',
    columns = 'C',
    font = 'F',
    text = 'T',
    info = 'I',   // the answer to a query
    ack = 'A',    // the payload is stored
    refusal = 'R' // nothing changed
};

enum class Refusal : std::uint8_t {
    badCrc = 1,
    tooLong = 2,
    unknownKind = 3,
    unknownVersion = 4,
    badPayload = 5
};

// CRC-16/IBM-3740 (CCITT-FALSE): polynomial 0x1021, from 0xFFFF, unreflected.
std::uint16_t crc16(std::span<const std::uint8_t> bytes, std::uint16_t crc = 0xFFFF);

Bytes encodeFrame(Kind kind, std::span<const std::uint8_t> payload);

struct Frame {
    std::uint8_t version = protocolVersion;
    std::uint8_t kind = 0; // a Kind, or whatever a newer or damaged frame holds
    Bytes payload;
    bool crcGood = true; // false: the frame came whole, but damaged

    bool operator==(const Frame&) const = default;
};

// Takes a byte stream as it comes, in pieces of any size, and returns each
// frame as soon as its last byte is in. Bytes before a start mark are
// skipped; a header whose length exceeds maxPayload is no frame, and the hunt
// for a start mark goes on from the byte after its mark.
class FrameReader {
public:
    explicit FrameReader(std::size_t maxPayload = 1024) : maxPayload_(maxPayload) {}
    std::vector<Frame> feed(std::span<const std::uint8_t> bytes);
    // Drops a frame begun: the line was silent for too long.
    void reset() { pending_.clear(); }

private:
    std::size_t maxPayload_;
    Bytes pending_; // from a start mark on
};

// The answer to a query: what the device holds and takes.
struct DeviceInfo {
    bool invert = false;  // a 1 bit lights its LED
    bool swapMsb = false; // the bottom row is the most significant bit
    bool reverse = false; // the stick spins the other way
    unsigned maxColumns = 0;
    unsigned maxText = 0; // characters; 0: takes no text
    unsigned fontFirst = 0;
    unsigned fontCount = 0;     // 0: holds no font
    unsigned maxFontBytes = 0;  // an F payload's, with its header; 0: takes no font
    std::uint8_t shownKind = 0; // 'C', 'T', or 0 for the built-in message
    unsigned shownLength = 0;
    unsigned storeMsPerByte = 0;

    bool operator==(const DeviceInfo&) const = default;
};

inline constexpr std::size_t infoSize = 14;
Bytes encodeInfo(const DeviceInfo& info);
// Empty when the payload is shorter than version 1's; later fields ignored.
std::optional<DeviceInfo> decodeInfo(std::span<const std::uint8_t> payload);

// An F payload: the first code, the entry count and columns per entry, then
// the entries' columns. Empty when they do not fit its one-byte fields.
std::optional<Bytes> fontPayload(unsigned first, unsigned columnsPerEntry,
                                 std::span<const std::uint8_t> columns);

} // namespace vorlix::stick
