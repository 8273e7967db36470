// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a transfer is doing, as the program around the engine sees it: the
// operation, its phase, and a read-only snapshot for progress displays and
// the command line's watchdog.

#include <cstdint>

namespace zq61 {

// The kind of transfer (the radio software's LinkOperation).
enum class TransferOperation : int16_t { None = 0, Read = 1, Write = 2, RadioInfo = 3 };

// Where a transfer stands: which request is out (or about to go out).
enum class TransferPhase : int16_t {
    Idle,        // no transfer
    Handshake,   // "PROGRAM" sent
    Identify,    // identify sent
    Protection,  // the protection block asked for (Read, Write)
    Blocks,      // memory or information blocks read, or memory blocks written
    End,         // "END" sent
};

// How a transfer ended.
enum class TransferResult { Success, Failed, Cancelled };

struct TransferSnapshot {
    TransferOperation operation = TransferOperation::None;
    TransferPhase phase = TransferPhase::Idle;
    int address = 0;     // radio address of the current block (Blocks phase)
    int blockIndex = 0;  // 0-based index of the current block; -1 before the first
    int blocksTotal = 0;
    int percent = 0;      // the progress shown so far
    int retriesUsed = 0;  // requests sent again and restarts after a failure prompt
    int requestsSent = 0;
    bool echoAbsent = false;

    bool operator==(const TransferSnapshot&) const = default;
};

const char* operationName(TransferOperation operation);
const char* phaseName(TransferPhase phase);

}  // namespace zq61
