#pragma once
// Marks the names that libLPC_Client.so exports; everything else stays inside the library.

#define LPC_CLIENT_EXPORT __attribute__((visibility("default")))
