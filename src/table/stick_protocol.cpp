#include "table/stick_protocol.h"

namespace vorlix::stick {

namespace {

constexpr std::size_t headerSize = 5; // mark, version, kind, length

void putWord(Bytes& bytes, unsigned value) {
    bytes.push_back(value & 0xFF);
    bytes.push_back(value >> 8 & 0xFF);
}

unsigned word(std::span<const std::uint8_t> bytes, std::size_t at) {
    return bytes[at] | unsigned(bytes[at + 1]) << 8;
}

} // namespace

std::uint16_t crc16(std::span<const std::uint8_t> bytes, std::uint16_t crc) {
    for (std::uint8_t byte : bytes) {
        crc ^= std::uint16_t(byte << 8);
        for (int bit = 0; bit < 8; ++bit) {
            crc = crc & 0x8000 ? std::uint16_t(crc << 1 ^ 0x1021) : std::uint16_t(crc << 1);
        }
    }
    return crc;
}

Bytes encodeFrame(Kind kind, std::span<const std::uint8_t> payload) {
    Bytes frame{startMark, protocolVersion, std::uint8_t(kind)};
    putWord(frame, unsigned(payload.size()));
    frame.insert(frame.end(), payload.begin(), payload.end());
    const std::uint16_t crc = crc16(std::span(frame).subspan(1));
    frame.push_back(crc >> 8);
    frame.push_back(crc & 0xFF);
    return frame;
}

std::vector<Frame> FrameReader::feed(std::span<const std::uint8_t> bytes) {
    std::vector<Frame> frames;
    Bytes todo(bytes.begin(), bytes.end());
    for (std::size_t next = 0; next < todo.size(); ++next) {
        if (pending_.empty() && todo[next] != startMark) {
            continue;
        }
        pending_.push_back(todo[next]);
        if (pending_.size() < headerSize) {
            continue;
        }
        const std::size_t length = word(pending_, 3);
        if (length > maxPayload_) {
            // No frame of ours: look again from the byte after this mark.
            todo.insert(todo.begin() + std::ptrdiff_t(next) + 1, pending_.begin() + 1,
                        pending_.end());
            pending_.clear();
            continue;
        }
        if (pending_.size() < headerSize + length + 2) {
            continue;
        }
        const auto body = std::span(pending_).subspan(1, headerSize - 1 + length);
        const unsigned sent =
            unsigned(pending_[headerSize + length]) << 8 | pending_[headerSize + length + 1];
        frames.push_back({pending_[1], pending_[2],
                          Bytes(pending_.begin() + headerSize,
                                pending_.begin() + std::ptrdiff_t(headerSize + length)),
                          crc16(body) == sent});
        pending_.clear();
    }
    return frames;
}

Bytes encodeInfo(const DeviceInfo& info) {
    Bytes bytes{std::uint8_t(info.invert | info.swapMsb << 1 | info.reverse << 2)};
    putWord(bytes, info.maxColumns);
    putWord(bytes, info.maxText);
    bytes.push_back(info.fontFirst & 0xFF);
    putWord(bytes, info.fontCount);
    putWord(bytes, info.maxFontBytes);
    bytes.push_back(info.shownKind);
    putWord(bytes, info.shownLength);
    bytes.push_back(info.storeMsPerByte & 0xFF);
    return bytes;
}

std::optional<DeviceInfo> decodeInfo(std::span<const std::uint8_t> payload) {
    if (payload.size() < infoSize) {
        return std::nullopt;
    }
    DeviceInfo info;
    info.invert = payload[0] & 1;
    info.swapMsb = payload[0] & 2;
    info.reverse = payload[0] & 4;
    info.maxColumns = word(payload, 1);
    info.maxText = word(payload, 3);
    info.fontFirst = payload[5];
    info.fontCount = word(payload, 6);
    info.maxFontBytes = word(payload, 8);
    info.shownKind = payload[10];
    info.shownLength = word(payload, 11);
    info.storeMsPerByte = payload[13];
    return info;
}

std::optional<Bytes> fontPayload(unsigned first, unsigned columnsPerEntry,
                                 std::span<const std::uint8_t> columns) {
    const std::size_t count = columnsPerEntry ? columns.size() / columnsPerEntry : 0;
    if (columnsPerEntry == 0 || columnsPerEntry > 255 || count == 0 || count > 255 ||
        count * columnsPerEntry != columns.size() || first + count > 256) {
        return std::nullopt;
    }
    Bytes bytes{std::uint8_t(first), std::uint8_t(count), std::uint8_t(columnsPerEntry)};
    bytes.insert(bytes.end(), columns.begin(), columns.end());
    return bytes;
}

} // namespace vorlix::stick
