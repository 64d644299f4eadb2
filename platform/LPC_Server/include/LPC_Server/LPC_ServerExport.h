#pragma once
// Marks the names that libLPC_Server.so exports; everything else stays inside the library.

#define LPC_SERVER_EXPORT __attribute__((visibility("default")))
