#pragma once
// Marks the names that the protocol library exports; everything else stays inside it.

#define PROTOCOL_EXPORT __attribute__((visibility("default")))
