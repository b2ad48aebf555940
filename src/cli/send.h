#pragma once
// --send: the request's message columns, font or text to a stick over a
// serial port, and the outcome in words.

#include "cli/options.h"
#include "library/font_record.h"

namespace vorlix::cli {

// Waits for the stick's answer; an exit code of ExitCode.
int sendToStick(const Request& request, const FontTable& table);

} // namespace vorlix::cli
