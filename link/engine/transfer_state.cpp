// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/engine/transfer_state.h"

namespace zq61 {

const char* operationName(TransferOperation operation) {
    switch (operation) {
        case TransferOperation::None:
            return "none";
        case TransferOperation::Read:
            return "read";
        case TransferOperation::Write:
            return "write";
        case TransferOperation::RadioInfo:
            return "radio information";
    }
    return "?";
}

const char* phaseName(TransferPhase phase) {
    switch (phase) {
        case TransferPhase::Idle:
            return "idle";
        case TransferPhase::Handshake:
            return "handshake";
        case TransferPhase::Identify:
            return "identify";
        case TransferPhase::Protection:
            return "protection";
        case TransferPhase::Blocks:
            return "blocks";
        case TransferPhase::End:
            return "end";
    }
    return "?";
}

}  // namespace zq61
