// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Several radios written or read at once from the command line: the ports
// of --port and --ports-from, one event loop for all radios, their progress
// on stderr, and at the end the table of the radios (or --json) on stdout.
// The exit code is 0 only when every radio succeeded.

#include <optional>
#include <string>
#include <vector>

#include "cli_command.h"
#include "link/fleet/fleet_radio.h"
#include "radio_session.h"

namespace zq61::cli {

// Whether the command does several radios at once: --port more than once,
// --ports-from, or --json. Otherwise the one --port given (if any) becomes
// options.port.
bool takeSeveralRadios(RadioOptions& options);

// The devices of every --port and every line of --ports-from (blank lines
// and lines starting with "#" left out). Nothing, after telling why on
// stderr, when the file cannot be read, no port is given, or one port is
// given twice.
std::optional<std::vector<std::string>> fleetPorts(const RadioOptions& options);

// Runs `job` on every port and prints the result; the exit code.
// `documentName`: the file written (a write) for the table and the log.
int runFleet(Context& context, const FleetJob& job, const std::vector<std::string>& ports,
             const RadioOptions& options, const std::string& documentName);

}  // namespace zq61::cli
