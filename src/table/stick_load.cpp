#include "table/stick_load.h"

#include "common/utf8.h"
#include "table/font_table.h"

namespace vorlix {

StickLoad columnsLoad(const FirmwareRequest& request, const FontTable& table) {
    const std::string bytes = firmwareTable(FirmwareFormat::bin, request, table);
    return {stick::Kind::columns, stick::Bytes(bytes.begin(), bytes.end()), request.options,
            request.reverse};
}

std::optional<StickLoad> textLoad(std::string_view utf8) {
    StickLoad load{stick::Kind::text, {}, {}, false};
    for (char32_t c : toCodePoints(utf8)) {
        if (c > 0xFF) {
            return std::nullopt;
        }
        load.payload.push_back(std::uint8_t(c));
    }
    return load;
}

StickFontLoad fontLoad(const FirmwareRequest& request, std::u32string_view codes,
                       const FontTable& table) {
    StickFontLoad result;
    if (codes.empty() || codes.back() > 0xFF) {
        result.error = "a font sent to a stick holds codes from 0 to 255";
        return result;
    }
    FontRequest font;
    font.characters = codes;
    const FontOutput output = fontTable(FirmwareFormat::bin, request, font, table);
    if (!output.error.empty()) {
        result.error = output.error;
        return result;
    }
    result.filled = output.filled;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(output.text.data());
    if (auto payload = stick::fontPayload(codes.front(), request.blank ? 6 : 5,
                                          std::span(bytes, output.text.size()))) {
        result.load =
            StickLoad{stick::Kind::font, std::move(*payload), request.options, request.reverse};
    } else {
        result.error = "a font sent to a stick holds at most 255 entries";
    }
    return result;
}

} // namespace vorlix
