// Any bytes as what a stick sends back: the frame reader takes them the same
// whether they come at once or in pieces, never returns a payload longer than
// its limit, and a frame it takes whole is the frame written for its kind and
// payload.

#include "table/stick_protocol.h"

#include <cstdint>
#include <cstdlib>

using namespace vorlix::stick;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) {
        return 0;
    }
    const std::span bytes(data + 1, size - 1);
    const std::size_t limit = data[0] % 64; // small, to reach the hunt past a false mark
    FrameReader whole(limit), pieces(limit);
    const std::vector<Frame> frames = whole.feed(bytes);
    std::vector<Frame> fromPieces;
    for (std::size_t at = 0, step = 1; at < bytes.size(); at += step, step = step % 7 + 1) {
        for (Frame& frame : pieces.feed(bytes.subspan(at, std::min(step, bytes.size() - at)))) {
            fromPieces.push_back(std::move(frame));
        }
    }
    if (fromPieces != frames) {
        std::abort();
    }
    for (const Frame& frame : frames) {
        decodeInfo(frame.payload);
        if (frame.payload.size() > limit) {
            std::abort();
        }
        if (frame.crcGood && frame.version == protocolVersion &&
            FrameReader(limit).feed(encodeFrame(Kind(frame.kind), frame.payload)) !=
                std::vector<Frame>{frame}) {
            std::abort();
        }
    }
    return 0;
}
