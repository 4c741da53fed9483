// The small TWAIN-shaped protocol between our host program and our data source: the host calls the data
// source's DS_Entry with a data group, a data argument type and a message, as a TWAIN application does.
// Only the operations the host needs are defined.
#pragma once

#include <windows.h>

#include <cstdint>

#include "tools/common/twain_defs.h"

namespace korva::twain {

// The structures travel in the protocol's own layout, so a source manager's calls and the host's agree.
using UserInterface = TwUserInterface;
// One queued message of the host (`event`), and what the data source tells the host in return (`message`).
using Event = TwEvent;

using EntryProc = uint16_t(WINAPI*)(void* origin, uint32_t group, uint16_t dat, uint16_t msg, void* data);

// The source manager's entry, through which an application reaches the manager (`dest` null) and a source.
using DsmEntryProc =
    uint16_t(WINAPI*)(TwIdentity* origin, TwIdentity* dest, uint32_t group, uint16_t dat, uint16_t msg, void* data);

}  // namespace korva::twain
